// Conversions between the program's Latin-1 texts and Qt's strings, and the fonts
// shared by the Qt controls. One byte of a program text is one character on screen.
#pragma once

#include <QFont>
#include <QString>

#include <string>

namespace ardel::ui {

inline QString toQt(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// True for the characters a program text can hold.
inline bool isLatin1(QChar c) {
    return c.unicode() <= 0xFF;
}

// File paths are UTF-8 in the program, not Latin-1 texts: a folder named with characters
// outside Latin-1 must survive the round trip through a file dialog. They are UTF-8 on
// every system, never the local 8-bit encoding, which on Windows is the ANSI code page.
QString pathToQt(const std::string& path);

// A text the program shows and never reads back (a window title, a message box). It may
// hold a file path, whose bytes are the file system's UTF-8: a text that is valid UTF-8
// with characters beyond ASCII is shown as UTF-8, so "Données" is not "DonnÃ©es";
// any other text is Latin-1.
QString shownText(const std::string& text);
std::string pathFromQt(const QString& path);

// "Courier New" of that many points (0: 10) when the system has it, else the system's fixed-pitch font.
QFont fixedPitchFont(int pointSize = 0);

} // namespace ardel::ui
