// Qt lists: the item model over a store keeps Qt's invariants through every kind of
// change, the selection follows the lines as in the headless list, and a list of
// 100,000 lines fills quickly.
#include "QtTestSupport.h"

#include "model/TextStore.h"
#include "ui/Text.h"
#include "ui/qt/ListModel.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QListView>

using namespace ardel;
using namespace ardel::testing;
using ui::ControlKind;

namespace {
ui::FormDecl listDecl() {
    auto list = control("lb_Stations", ControlKind::TextList);
    list.fixedPitch = true;
    list.visibleLines = 10;
    return dialogDecl("Form_List", {control("textb_Find", ControlKind::TextBox, "&Find:"), list});
}

QStringList rowsOf(const QAbstractItemModel& model) {
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        rows << model.index(row, 0).data().toString();
    }
    return rows;
}
} // namespace

class QtListsTest : public QObject {
    Q_OBJECT

public:
    explicit QtListsTest(ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private slots:
    void cleanup() { closeLeftOverWindows(); }

    void modelFollowsEveryChangeOfTheStore() {
        TextStore store(4);
        ui::ListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setSource(&store);
        store.append("0002 B");
        store.append("0003 C");
        store.insert(0, "0001 A");
        store.replace(1, "0002 b\xe9\r\nc\td");
        store.remove(2);
        QCOMPARE(rowsOf(model), (QStringList{"0001 A", QString::fromLatin1("0002 b\xe9  c d")}));
        store.assign({"0009 X", "0008 Y", "0007 Z"});
        QCOMPARE(rowsOf(model), (QStringList{"0009 X", "0008 Y", "0007 Z"}));
        store.clear();
        QCOMPARE(model.rowCount(), 0);

        TextStore sorted(0, TextStore::Order::Sorted);
        model.setSource(&sorted);
        for (const char* line : {"b", "C", "a", "B"}) {
            sorted.append(line);
        }
        sorted.replace(0, "d");
        QCOMPARE(rowsOf(model), (QStringList{"b", "B", "C", "d"}));
        QVERIFY(!model.isChanging());

        auto gone = std::make_unique<TextStore>();
        gone->append("line");
        model.setSource(gone.get());
        gone.reset(); // a store that goes away leaves an empty list, not a dangling one
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(model.source() == nullptr);
    }

    void selectionFollowsTheLines() {
        auto form = toolkit_.createForm(listDecl());
        TextStore stations(4);
        for (const char* line : {"0001 ALDER", "0002 BIRCH", "0003 MEADOW", "0004 MEADOWBANK"}) {
            stations.append(line);
        }
        auto& list = form->listView("lb_Stations");
        list.setSource(&stations);
        QCOMPARE(list.source(), &stations);
        QStringList log;
        list.events.selectionChanged = [&] { log << QStringLiteral("selection %1").arg(list.selectedIndex()); };
        list.events.clicked = [&] { log << "click"; };
        list.events.doubleClicked = [&] { log << "double"; };
        QVERIFY(showActive(*form));
        auto* view = widgetOf<QListView>(*form, "lb_Stations");
        QCOMPARE(view->font().family(), ui::fixedPitchFont().family());
        QCOMPARE(list.selectedIndex(), -1);

        list.setSelectedIndex(stations.find("0003")); // a key lookup, as the program does it
        QCOMPARE(list.selectedIndex(), 2);
        QCOMPARE(list.selectPrefix("0004 meadowb"), 3);
        QCOMPARE(list.selectedIndex(), 3);
        QCOMPARE(list.selectPrefix("0009"), -1); // no such line: the selection stays
        QCOMPARE(list.selectedIndex(), 3);
        list.setSelectedIndex(9);
        QCOMPARE(list.selectedIndex(), -1);
        QCOMPARE(log, (QStringList{"selection 2", "selection 3", "selection -1"}));

        log.clear();
        const QRect second = view->visualRect(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(log, (QStringList{"selection 1", "click"}));
        log.clear();
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, second.center());
        QVERIFY(log.contains("double"));
        QCOMPARE(list.selectedIndex(), 1);

        log.clear();
        stations.insert(0, "0000 ASH"); // the selected line moves down with its text
        QCOMPARE(list.selectedIndex(), 2);
        stations.replace(2, "0002 BIRCHES");
        QCOMPARE(list.selectedIndex(), 2);
        stations.remove(2); // the selected line goes: nothing is selected
        QCOMPARE(list.selectedIndex(), -1);
        list.setSelectedIndex(1);
        stations.clear();
        QCOMPARE(list.selectedIndex(), -1);
        QCOMPARE(log, QStringList{"selection 1"}); // the store's changes fire nothing
        form->close();
    }

    void typedCharactersSearchTheList() {
        auto form = toolkit_.createForm(listDecl());
        TextStore stations(4);
        for (const char* line : {"0001 ALDER", "0002 MEADOW", "0003 MEZZANINE"}) {
            stations.append(line);
        }
        auto& list = form->listView("lb_Stations");
        list.setSource(&stations);
        std::string typed;
        list.events.charTyped = [&](char c) {
            typed = c == '\b' ? typed.substr(0, typed.empty() ? 0 : typed.size() - 1) : typed + c;
            for (int i = 0; i < stations.count(); ++i) {
                if (stations.at(i).compare(5, typed.size(), typed) == 0) {
                    list.setSelectedIndex(i);
                    break;
                }
            }
            return true;
        };
        QVERIFY(showActive(*form));
        list.setFocus();
        auto* view = widgetOf<QListView>(*form, "lb_Stations");
        typeText(view, "MEZ");
        QCOMPARE(ui::toQt(typed), QStringLiteral("MEZ"));
        QCOMPARE(list.selectedIndex(), 2);
        QTest::keyClick(view, Qt::Key_Backspace);
        QTest::keyClick(view, Qt::Key_Backspace);
        QCOMPARE(typed, std::string("M"));
        QCOMPARE(list.selectedIndex(), 1);
        typeText(view, "0"); // handled by the logic: Qt's own search never runs
        QCOMPARE(list.selectedIndex(), 1);
        form->close();
    }

    void hundredThousandLinesFillQuickly() {
        auto form = toolkit_.createForm(listDecl());
        TextStore sessions(4);
        auto& list = form->listView("lb_Stations");
        list.setSource(&sessions);
        QVERIFY(showActive(*form));
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 100000; ++i) {
            sessions.append(ui::format("%04d %-70s", i % 10000, "SESSION"));
        }
        list.setSelectedIndex(99999);
        QCoreApplication::processEvents();
        auto* view = widgetOf<QListView>(*form, "lb_Stations");
        QCOMPARE(view->model()->rowCount(), 100000);
        QVERIFY(view->indexAt(view->viewport()->rect().center()).row() > 99000);
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QStringLiteral("took %1 ms").arg(clock.elapsed())));
        qInfo("100,000 lines in %lld ms", static_cast<long long>(clock.elapsed()));
        form->close();
    }

private:
    ui::QtToolkit& toolkit_;
};

ARDEL_QT_TEST_MAIN(QtListsTest)
#include "tst_qtlists.moc"
