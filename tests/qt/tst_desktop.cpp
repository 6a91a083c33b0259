// What the program offers a desktop, through the Qt realization: a submenu whose entries
// change while the program runs and files dropped onto the main window (the same
// scenario as the headless contract suite), then the real main window's "Recent Files"
// and a drop of a B-file, which asks the save question first; and the window icon.
#include "app/Form1.h"
#include "qt/QtTestSupport.h"

#include <QDropEvent>
#include <QFile>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

using ardel::testing::DialogAnswerer;

namespace {

constexpr const char* kSaveQuestion = "Do you want to save the current data?";

QMainWindow* mainWindowOf(ardel::ui::Form& form) {
    return qobject_cast<QMainWindow*>(static_cast<ardel::ui::QtForm&>(form).window());
}

// The texts of a menu's entries; a separator shows as "-", a gray entry ends in " (gray)".
QStringList textsOf(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text()) +
                     (action->isEnabled() ? QString() : QStringLiteral(" (gray)"));
    }
    return texts;
}

QAction* entryOf(const QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

// Drags `path` over `target` and drops it, as a file manager does; whether the drag was
// taken and whether the drop was.
std::pair<bool, bool> dropOnto(QWidget* target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return {false, false};
    }
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return {true, drop.isAccepted()};
}

bool copyExample(const QString& to) {
    return QFile::copy(QStringLiteral(ARDEL_SOURCE_DIR "/examples/harbour_survey.bfl"), to);
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

public:
    explicit DesktopTest(ardel::ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private:
    QMenu* recentMenu(ardel::Form1& window) {
        for (QAction* top : mainWindowOf(window.form())->menuBar()->actions()) {
            if (top->text() == QStringLiteral("&File")) {
                QAction* recent = entryOf(top->menu(), QStringLiteral("Recent &Files"));
                return recent ? recent->menu() : nullptr;
            }
        }
        return nullptr;
    }

    static QString caption(const QString& path) {
        return QStringLiteral("Ardel - Create B-File [") + path + QStringLiteral("][unmodified]");
    }

    ardel::ui::QtToolkit& toolkit_;
    QTemporaryDir settings_;

private slots:
    void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path()); }
    void init() { QSettings(QStringLiteral("Tovarin"), QStringLiteral("Ardel")).clear(); }
    void cleanup() { ardel::testing::closeLeftOverWindows(); }

    void submenuEntriesChangeAtRunTimeAndDropsReachTheMainWindow() {
        ardel::ui::FormDecl decl;
        decl.name = "Main";
        decl.mainWindow = true;
        decl.menuBar = {{.id = "menu_File",
                         .text = "&File",
                         .children = {{.id = "menu_Recent",
                                       .text = "&Recent",
                                       .children = {{.id = "menu_Clear", .text = "&Clear", .grayed = true}}}}}};
        auto form = toolkit_.createForm(decl);
        QStringList fired;
        form->menuTriggered = [&](const std::string& id) { fired << QString::fromStdString(id); };
        QStringList dropped;
        form->fileDropped = [&](const std::string& path) { dropped << QString::fromStdString(path); };
        QVERIFY(ardel::testing::showActive(*form));
        auto& qtForm = static_cast<ardel::ui::QtForm&>(*form);
        QMenu* recent = qtForm.actions("menu_Recent").front()->menu();
        QCOMPARE(textsOf(recent), QStringList{QStringLiteral("&Clear (gray)")});

        form->setMenuEntries("menu_Recent", {{.id = "menu_Recent_1", .text = "&1 /a.bfl"},
                                             {.id = "menu_Recent_2", .text = "&2 /b.bfl", .grayed = true},
                                             {.id = "menu_Clear", .text = "&Clear"}});
        QCOMPARE(textsOf(recent), (QStringList{QStringLiteral("&1 /a.bfl"), QStringLiteral("&2 /b.bfl (gray)"),
                                               QStringLiteral("&Clear")}));
        QVERIFY(!form->isMenuEnabled("menu_Recent_2"));
        entryOf(recent, QStringLiteral("&1 /a.bfl"))->trigger();
        entryOf(recent, QStringLiteral("&Clear"))->trigger();
        QCOMPARE(fired, (QStringList{QStringLiteral("menu_Recent_1"), QStringLiteral("menu_Clear")}));

        form->setMenuEntries("menu_Recent", {});
        QVERIFY(recent->actions().isEmpty());
        QVERIFY(!form->isMenuEnabled("menu_Recent_1"));
        QVERIFY(!form->isMenuEnabled("menu_Clear"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, form->setMenuEntries("menu_Recent_1", {}));

        // Files are taken, folders are not; the logic hears of a drop once it has ended.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("dropped.bfl"));
        QVERIFY(copyExample(file));
        QCOMPARE(dropOnto(qtForm.window(), dir.path()), std::make_pair(false, false));
        QCOMPARE(dropOnto(qtForm.window(), file), std::make_pair(true, true));
        QVERIFY(dropped.isEmpty());
        QTRY_COMPARE(dropped, QStringList{file});
    }

    void recentFilesOpenFromTheMenuAndADroppedFileAsksToSaveFirst() {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first.bfl"));
        const QString second = dir.filePath(QStringLiteral("second.vry"));
        QVERIFY(copyExample(first));
        QVERIFY(copyExample(second));
        ardel::Form1 window(toolkit_);
        QVERIFY(ardel::testing::showActive(window.form()));
        QMenu* recent = recentMenu(window);
        QVERIFY(recent);
        QCOMPARE(textsOf(recent), QStringList{QStringLiteral("&Clear (gray)")});

        window.openAtStartup(first.toStdString());
        QCOMPARE(textsOf(recent),
                 (QStringList{QStringLiteral("&1 ") + first, QStringLiteral("-"), QStringLiteral("&Clear")}));

        // Dropped onto a list, the file reaches the window; the save question comes first.
        window.project().markModified();
        DialogAnswerer answerer;
        answerer.expectMessage(QStringLiteral("Exit Ardel"), QString::fromLatin1(kSaveQuestion), QMessageBox::No);
        auto* stations = mainWindowOf(window.form())->findChild<QListView*>(QStringLiteral("lb_Stations"));
        QCOMPARE(dropOnto(stations->viewport(), second), std::make_pair(true, true));
        QTRY_COMPARE(QString::fromStdString(window.form().caption()), caption(second));
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(stations->model()->rowCount(), 3);
        QCOMPARE(textsOf(recent), (QStringList{QStringLiteral("&1 ") + second, QStringLiteral("&2 ") + first,
                                               QStringLiteral("-"), QStringLiteral("&Clear")}));

        entryOf(recent, QStringLiteral("&2 ") + first)->trigger();
        QCOMPARE(QString::fromStdString(window.form().caption()), caption(first));
        QCOMPARE(stations->model()->rowCount(), 3);

        QVERIFY(QFile::remove(second));
        DialogAnswerer gone;
        gone.expectMessage(QStringLiteral("Recent Files"),
                           second + QStringLiteral(" cannot be found. It is taken off the list of recent files."),
                           QMessageBox::Ok);
        entryOf(recent, QStringLiteral("&2 ") + second)->trigger();
        QVERIFY2(gone.failures().isEmpty(), qPrintable(gone.failures().join('\n')));
        QCOMPARE(textsOf(recent),
                 (QStringList{QStringLiteral("&1 ") + first, QStringLiteral("-"), QStringLiteral("&Clear")}));
        const QSettings stored(QStringLiteral("Tovarin"), QStringLiteral("Ardel"));
        QCOMPARE(stored.value(QStringLiteral("5.0/RecentFiles")).toString(), first);
        QCOMPARE(stored.value(QStringLiteral("5.0/InputFile")).toString(), first);

        entryOf(recent, QStringLiteral("&Clear"))->trigger();
        QCOMPARE(textsOf(recent), QStringList{QStringLiteral("&Clear (gray)")});
    }

    // The window icon is the installed scalable picture, drawn at the usual sizes.
    void theWindowsCarryTheProgramIcon() {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
        const QImage large = icon.pixmap(QSize(256, 256)).toImage();
        QCOMPARE(large.pixelColor(128, 128).alpha(), 255); // drawn, not an empty picture
        QCOMPARE(large.pixelColor(1, 1).alpha(), 0);       // the rounded corner stays clear
        ardel::Form1 window(toolkit_);
        QVERIFY(!mainWindowOf(window.form())->windowIcon().isNull());
    }

    // With ARDEL_SCREENSHOT_DIR naming a folder (run on a real display, e.g. under Xvfb):
    // the main window with "File > Recent Files" open.
    void screenshot() {
        const QString folder = qEnvironmentVariable("ARDEL_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("ARDEL_SCREENSHOT_DIR names no folder");
        }
        QTemporaryDir dir;
        ardel::Form1 window(toolkit_);
        for (const char* name : {"harbour_2023.bfl", "north_shore.vry", "harbour_2024.bfl"}) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            QVERIFY(copyExample(path));
            window.project().clear();
            window.openAtStartup(path.toStdString());
        }
        QMainWindow* main = mainWindowOf(window.form());
        main->resize(900, 560);
        main->move(0, 0);
        QVERIFY(ardel::testing::showActive(window.form()));
        QTest::keyClick(main, Qt::Key_F, Qt::AltModifier);
        QTest::qWait(300);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_F);
        QTest::qWait(400);
        QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/recent-files.png"));
        QVERIFY(QApplication::windowIcon().pixmap(128).save(folder + "/icon-128.png"));
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }
};

ARDEL_QT_TEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
