// The Problems window in the Qt toolkit, through the real main window: F7 opens it
// beside the main window without blocking it, a double-click opens the record's
// editor, F7 pressed in the window itself refreshes the list.
#include "app/Form1.h"
#include "app/problems/Form_ProblemsDecl.h"
#include "qt/QtTestSupport.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QStatusBar>
#include <QTemporaryDir>

using ardel::testing::DialogAnswerer;

namespace {

constexpr const char* kStationEditor = "Station Information for *80*, *86*, and *90* records";

// The example with faults written over it: (line, 1-based column, text).
QString seededExample(const QTemporaryDir& dir) {
    QFile example(QStringLiteral(ARDEL_SOURCE_DIR "/examples/harbour_survey.bfl"));
    if (!example.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<QByteArray> lines = example.readAll().split('\n');
    const struct {
        int line;
        int column;
        const char* text;
    } faults[] = {{22, 45, "476031"}, {20, 17, "FOO                 "}, {12, 8, "99"}, {4, 79, "ZZ"}};
    for (const auto& fault : faults) {
        lines[fault.line - 1].replace(fault.column - 1, static_cast<int>(qstrlen(fault.text)), fault.text);
    }
    const QString path = dir.filePath(QStringLiteral("seeded.bfl"));
    QFile seeded(path);
    if (!seeded.open(QIODevice::WriteOnly)) {
        return {};
    }
    seeded.write(lines.join('\n'));
    return path;
}

QDialog* problemsWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("Form_Problems")) {
            return qobject_cast<QDialog*>(widget);
        }
    }
    return nullptr;
}

} // namespace

class ProblemsWindowTest : public QObject {
    Q_OBJECT

public:
    explicit ProblemsWindowTest(ardel::ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private slots:
    void f7ListsTheProblemsBesideTheMainWindow() {
        QTemporaryDir dir;
        const QString path = seededExample(dir);
        QVERIFY(!path.isEmpty());
        ardel::Form1 window(toolkit_);
        QVERIFY(ardel::testing::showActive(window.form()));
        window.openAtStartup(path.toStdString());
        auto* main = qobject_cast<QMainWindow*>(static_cast<ardel::ui::QtForm&>(window.form()).window());
        QVERIFY(main);

        QTest::keyClick(main, Qt::Key_F7);
        QDialog* problems = problemsWindow();
        QVERIFY(problems);
        QTRY_VERIFY(problems->isVisible());
        QVERIFY(!problems->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        auto* list = problems->findChild<QListView*>(QString::fromLatin1(ardel::kProblemsList));
        QVERIFY(list);
        QCOMPARE(list->model()->rowCount(), 4);
        // At the line the writer would give it: the record passed over at line 12 is gone.
        QCOMPARE(list->model()->index(3, 0).data().toString(),
                 QStringLiteral("error       21 *80*   0001 latitude               latitude: Illegal minutes "
                                "subfield in 476031.12345"));

        if (const QByteArray shot = qgetenv("ARDEL_SCREENSHOT"); !shot.isEmpty()) {
            problems->resize(860, problems->height());
            QTest::qWait(300);
            QVERIFY(problems->grab().save(QString::fromLocal8Bit(shot)));
        }

        // A double-click opens the station editor on the station of the problem.
        QVERIFY(QTest::qWaitForWindowActive(problems));
        DialogAnswerer answerer;
        QString ssn;
        answerer.expectModal(kStationEditor, [&](QWidget& dialog) {
            if (auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("textb_SSN"))) {
                ssn = box->text();
            }
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        const QRect last = list->visualRect(list->model()->index(3, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, last.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, last.center());
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(ssn, QStringLiteral("0001"));

        // Mended in memory, F7 in the Problems window lists one problem fewer.
        window.project().header.OrderAndClass = "B0";
        QVERIFY(QTest::qWaitForWindowActive(problems));
        QTest::keyClick(problems, Qt::Key_F7);
        QCOMPARE(list->model()->rowCount(), 3);
        problems->close();
        QVERIFY(!problems->isVisible());
    }

private:
    ardel::ui::QtToolkit& toolkit_;
};

ARDEL_QT_TEST_MAIN(ProblemsWindowTest)
#include "tst_problemswindow.moc"
