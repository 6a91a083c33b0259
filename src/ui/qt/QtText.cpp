#include "ui/qt/QtText.h"

#include <QFontDatabase>
#include <QStringDecoder>
#include <QStringList>

namespace ardel::ui {

QString pathToQt(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

QString shownText(const std::string& text) {
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    if (utf8.hasError() || decoded.size() == bytes.size()) {
        return toQt(text);
    }
    return decoded;
}

std::string pathFromQt(const QString& path) {
    const QByteArray bytes = path.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QFont fixedPitchFont(int pointSize) {
    static const QString preferred = QStringLiteral("Courier New");
    const int points = pointSize > 0 ? pointSize : 10;
    if (QFontDatabase::families().contains(preferred)) {
        return QFont(preferred, points);
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(points);
    return font;
}

} // namespace ardel::ui
