// The two renumber dialogs and the search box as Qt dialogs: what they show, the
// focus and Tab order, typing that selects as the user types, and Enter and Escape.
#include "QtTestSupport.h"

#include "model/Lines.h"
#include "model/TextStore.h"
#include "utilities/Form_RenumberAll.h"
#include "utilities/Form_RenumberOne.h"
#include "utilities/SearchBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

using namespace ardel;
using namespace ardel::testing;

namespace {

// Tab from the focused control walks these names in order, then comes back to the first.
void checkTabOrder(const QStringList& names) {
    QCOMPARE(focusedName(), names.first());
    for (int i = 1; i <= names.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusedName(), names[i % names.size()]);
    }
}

QString labelText(QWidget& dialog, const char* name) {
    return dialog.findChild<QLabel*>(name)->text();
}

int selectedRow(QWidget& dialog) {
    const QModelIndexList rows = dialog.findChild<QListView*>("lb_1")->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void checkAnswerer(const DialogAnswerer& answerer) {
    QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
}

} // namespace

class UtilityDialogsTest : public QObject {
    Q_OBJECT

public:
    explicit UtilityDialogsTest(ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private slots:
    void cleanup() { closeLeftOverWindows(); }

    void renumberOneTakesTheNumberOnEnterAndCancelsOnEscape() {
        Form_RenumberOne dialog(toolkit_);
        DialogAnswerer answerer;
        answerer.expectModal("Renumber One ", [](QWidget& modal) {
            QCOMPARE(labelText(modal, "label_1"), QStringLiteral("Please enter the new number for  Instrument 002. \n"
                                                                 "All sessions for this Instrument will also be "
                                                                 "modified."));
            QCOMPARE(labelText(modal, "label_2"), QStringLiteral("New Instrument Serial Number"));
            QVERIFY(modal.findChild<QPushButton*>("cb_OK")->isDefault());
            checkTabOrder({"textb_numbertext", "cb_OK", "cb_Cancel"});
            typeText(QApplication::focusWidget(), "12");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(dialog.run("Instrument", "002"), 1);
        QCOMPARE(dialog.newNumberText(), std::string("12"));

        answerer.expectModal("Renumber One ", [](QWidget& modal) {
            QCOMPARE(modal.findChild<QLineEdit*>("textb_numbertext")->text(), QString());
            typeText(QApplication::focusWidget(), "7");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(dialog.run("Station", "0007"), 0);
        checkAnswerer(answerer);
    }

    void renumberAllTakesBothTextsOnEnter() {
        Form_RenumberAll dialog(toolkit_);
        DialogAnswerer answerer;
        answerer.expectModal("Renumber All", [](QWidget& modal) {
            QCOMPARE(labelText(modal, "label_2"), QStringLiteral("Base Antenna Number"));
            QCOMPARE(labelText(modal, "label_3"), QStringLiteral("Numbering Increment:"));
            QVERIFY(labelText(modal, "label_1")
                        .startsWith("Please enter the base and increment for renumbering "
                                    "Antennas. \n"));
            checkTabOrder({"textb_base", "textb_increment", "cb_OK", "cb_Cancel"});
            typeText(QApplication::focusWidget(), "5");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            typeText(QApplication::focusWidget(), "10");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        });
        QCOMPARE(dialog.run("Antenna"), 1);
        QCOMPARE(dialog.baseText(), std::string("5"));
        QCOMPARE(dialog.incrementText(), std::string("10"));

        answerer.expectModal("Renumber All", [](QWidget& modal) {
            QTest::mouseClick(modal.findChild<QPushButton*>("cb_Cancel"), Qt::LeftButton);
        });
        QCOMPARE(dialog.run("Station"), 0);
        checkAnswerer(answerer);
    }

    void searchBoxSelectsAsTheUserTypesAndHandsTheRowBack() {
        TextStore stations(kSsnWidth);
        for (const char* name : {"ANDERSON", "BAKER", "BALDWIN"}) {
            stations.append(buildStationLine(fit(std::string("0001") + name, 70), "    "));
        }
        SearchBox search(toolkit_);
        search.configure("Search for Station By Name", stations, -1, -1, 6, 30);
        DialogAnswerer answerer;
        answerer.expectModal("Search for Station By Name", [](QWidget& modal) {
            auto* rows = modal.findChild<QListView*>("lb_1");
            QCOMPARE(rows->model()->rowCount(), 3);
            QCOMPARE(rows->model()->index(1, 0).data().toString(), QString::fromStdString(fit("BAKER", 30)));
            QCOMPARE(selectedRow(modal), -1);
            checkTabOrder({"textb_1", "lb_1", "cb_OK", "cb_Cancel"});
            typeText(QApplication::focusWidget(), "b");
            QCOMPARE(selectedRow(modal), 1);
            typeText(QApplication::focusWidget(), "A");
            QCOMPARE(selectedRow(modal), 1);
            typeText(QApplication::focusWidget(), "L");
            QCOMPARE(selectedRow(modal), 2);
            typeText(QApplication::focusWidget(), "X");
            QCOMPARE(selectedRow(modal), 2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(search.run(), 1);
        QCOMPARE(search.resultIndex(), 2);

        search.configure("Search for Station By Name", stations, -1, -1, 6, 30);
        answerer.expectModal("Search for Station By Name", [](QWidget& modal) {
            QCOMPARE(modal.findChild<QLineEdit*>("textb_1")->text(), QString());
            QCOMPARE(selectedRow(modal), -1);
            typeText(QApplication::focusWidget(), "AN");
            QCOMPARE(selectedRow(modal), 0);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
            QCOMPARE(selectedRow(modal), -1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(search.run(), 0);
        QCOMPARE(search.resultIndex(), -1);
        checkAnswerer(answerer);
    }

private:
    ui::QtToolkit& toolkit_;
};

ARDEL_QT_TEST_MAIN(UtilityDialogsTest)
#include "tst_utilitydialogs.moc"
