// Help > User Guide of the real main window: F1 opens the built guide in the help
// window beside the main window, without blocking it, and one window serves every F1.
#include "app/Form1.h"
#include "app/MainMenu.h"
#include "qt/QtTestSupport.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QTextBrowser>

class HelpWindowTest : public QObject {
    Q_OBJECT

public:
    explicit HelpWindowTest(ardel::ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private:
    static QList<QTextBrowser*> helpWindows() {
        QList<QTextBrowser*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* browser = qobject_cast<QTextBrowser*>(widget);
            if (browser && browser->objectName() == QLatin1String("HelpWindow") && browser->isVisible()) {
                found << browser;
            }
        }
        return found;
    }

private slots:
    void cleanup() { ardel::testing::closeLeftOverWindows(); }

    void f1OpensTheUserGuide() {
        ardel::Form1 window(toolkit_);
        QVERIFY(ardel::testing::showActive(window.form()));
        auto* main = qobject_cast<QMainWindow*>(static_cast<ardel::ui::QtForm&>(window.form()).window());
        QMenu* help = main->menuBar()->actions().last()->menu();
        QCOMPARE(help->actions().first()->text(), QStringLiteral("&User Guide"));
        QCOMPARE(help->actions().first()->shortcut(), QKeySequence(Qt::Key_F1));

        QTest::keyClick(main, Qt::Key_F1);
        QTRY_COMPARE(helpWindows().size(), 1);
        QPointer<QTextBrowser> guide = helpWindows().first();
        QCOMPARE(guide->windowTitle(), QStringLiteral("Ardel User Guide"));
        QVERIFY(guide->toPlainText().contains(QStringLiteral("Your first B-file")));
        QVERIFY(guide->source().toLocalFile().endsWith(QStringLiteral("/docs/user-guide.html")));
        QVERIFY(!QApplication::activeModalWidget());

        main->activateWindow();
        QTest::keyClick(main, Qt::Key_F1);
        QCOMPARE(helpWindows().size(), 1);

        main->close();
        QTRY_VERIFY(!guide);
    }

private:
    ardel::ui::QtToolkit& toolkit_;
};

ARDEL_QT_TEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
