// The Edit menu of the real main window: the entries name the step, gray when there is
// nothing to undo or redo, and answer Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y. The toolkit's
// timer and data folder, which the recovery copy uses.
#include "app/Form1.h"
#include "app/MainMenu.h"
#include "qt/QtTestSupport.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>

class UndoMenuTest : public QObject {
    Q_OBJECT

public:
    explicit UndoMenuTest(ardel::ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private:
    static QMainWindow* mainWindow(ardel::Form1& window) {
        return qobject_cast<QMainWindow*>(static_cast<ardel::ui::QtForm&>(window.form()).window());
    }

    // The entries of the menu bar's "&Edit" menu.
    static QList<QAction*> editEntries(ardel::Form1& window) {
        for (QAction* action : mainWindow(window)->menuBar()->actions()) {
            if (action->text() == QStringLiteral("&Edit") && action->menu()) {
                return action->menu()->actions();
            }
        }
        return {};
    }

    static std::vector<std::string> stations(ardel::Form1& window) { return window.project().lb_Stations.lines(); }

private slots:
    void cleanup() { ardel::testing::closeLeftOverWindows(); }

    void editMenuEntriesAnswerTheirKeys() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("harbour.bfl"));
        QVERIFY(QFile::copy(QStringLiteral(ARDEL_SOURCE_DIR "/examples/harbour_survey.bfl"), file));
        ardel::Form1 window(toolkit_);
        QVERIFY(ardel::testing::showActive(window.form()));
        window.openAtStartup(file.toStdString());

        const QList<QAction*> entries = editEntries(window);
        QCOMPARE(entries.size(), 2);
        QAction* undo = entries[0];
        QAction* redo = entries[1];
        QCOMPARE(mainWindow(window)->menuBar()->actions().at(1)->text(), QStringLiteral("&Edit"));
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(redo->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                                         QKeySequence(QStringLiteral("Ctrl+Y"))}));

        const std::vector<std::string> opened = stations(window);
        window.form().menuTriggered(ardel::menu::kSortStationsByName);
        const std::vector<std::string> sorted = stations(window);
        QVERIFY(sorted != opened);
        QCOMPARE(undo->text(), QStringLiteral("&Undo Sort Stations by Name"));
        QVERIFY(undo->isEnabled());

        QWidget* list = mainWindow(window)->findChild<QWidget*>(QStringLiteral("lb_Stations"));
        QVERIFY(list);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(stations(window), opened);
        QCOMPARE(redo->text(), QStringLiteral("&Redo Sort Stations by Name"));
        QVERIFY(!undo->isEnabled());
        QVERIFY(window.form().caption().ends_with("[unmodified]"));
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(stations(window), sorted);
        QVERIFY(window.form().caption().ends_with("[modified]"));
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(stations(window), opened);
        QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(stations(window), sorted);
        QVERIFY(!redo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("&Redo"));
        window.project().markWritten(); // closes without the save question
    }

    // With ARDEL_SCREENSHOT naming a file, saves the window with its Edit menu open
    // after two sorts, one of them undone.
    void screenshotOfTheEditMenu() {
        const QString path = qEnvironmentVariable("ARDEL_SCREENSHOT");
        if (path.isEmpty()) {
            QSKIP("ARDEL_SCREENSHOT names no file");
        }
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("harbour.bfl"));
        QVERIFY(QFile::copy(QStringLiteral(ARDEL_SOURCE_DIR "/examples/harbour_survey.bfl"), file));
        ardel::Form1 window(toolkit_);
        QVERIFY(ardel::testing::showActive(window.form()));
        window.openAtStartup(file.toStdString());
        window.form().menuTriggered(ardel::menu::kSortStationsByName);
        window.form().menuTriggered(ardel::menu::kSortSessionsByInstrument);
        window.form().menuTriggered(ardel::menu::kUndo);

        QMainWindow* main = mainWindow(window);
        QAction* edit = main->menuBar()->actions().at(1);
        const QPoint at = main->menuBar()->actionGeometry(edit).bottomLeft();
        edit->menu()->popup(main->menuBar()->mapToGlobal(at));
        QTest::qWait(200);
        QPixmap shot = main->grab();
        QPainter painter(&shot);
        painter.drawPixmap(main->mapFromGlobal(edit->menu()->pos()), edit->menu()->grab());
        painter.end();
        edit->menu()->hide();
        QVERIFY(shot.save(path));
        window.project().markWritten();
    }

    void timerFiresOnceUnlessStoppedOrStartedAgain() {
        int fired = 0;
        const auto timer = toolkit_.createTimer([&fired] { ++fired; });
        timer->start(10);
        QVERIFY(timer->isActive());
        QTRY_COMPARE(fired, 1);
        QVERIFY(!timer->isActive());
        timer->start(10);
        timer->stop();
        QTest::qWait(50);
        QCOMPARE(fired, 1);
    }

    void dataFolderIsTheApplicationDataLocation() {
        const QString folder = QFile::decodeName(toolkit_.dataFolder().c_str());
        QVERIFY(folder.endsWith(QStringLiteral("/Tovarin/Ardel")));
        QVERIFY(QFileInfo(folder).isDir());
    }

private:
    ardel::ui::QtToolkit& toolkit_;
};

ARDEL_QT_TEST_MAIN(UndoMenuTest)
#include "tst_undomenu.moc"
