// The session editor in the Qt realization: the keyboard (first focus, Tab order,
// Enter in the comment box and on the buttons, Escape), the comment box wrapping at
// exactly 70 columns, and the occupation record editor opened from it.
#include "QtTestSupport.h"

#include "editors/session/Form_Session.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTextEdit>

using namespace ardel;
using namespace ardel::testing;

namespace {

const QString kSessionCaption = QStringLiteral("GPS Session  Information for *25*,*26*, and *27* records");
const QString kOccupationCaption = QStringLiteral("GPS Occupation Measurement (*27* record) Data");
// Sixty columns of words, so that the next words reach the comment box's 70-column edge.
const std::string kSixtyColumns = "ABCDEFGHI ABCDEFGHI ABCDEFGHI ABCDEFGHI ABCDEFGHI ABCDEFGHI ";

std::string blanks(std::size_t count) {
    return std::string(count, ' ');
}

} // namespace

class SessionEditorTest : public QObject {
    Q_OBJECT

public:
    explicit SessionEditorTest(ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private slots:
    void cleanup() { closeLeftOverWindows(); }

    void opensOnTheManufacturerAndTabsInControlOrder() {
        Form_Session editor(toolkit_);
        QStringList walked;
        DialogAnswerer answerer;
        answerer.expectModal(kSessionCaption, [&](QWidget& dialog) {
            QTRY_COMPARE(focusedName(), QStringLiteral("combo_manufacturer"));
            walked << focusedName();
            for (int i = 0; i < 10; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                walked << focusedName();
            }
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        const std::string stored = "0012R    AABCD   003  004"
                                   "0000"
                                   "0000";
        std::string packed = stored;
        QCOMPARE(editor.run(inputs_, packed, defaults_), 0);
        QCOMPARE(packed, stored);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        const QStringList expected = {"combo_manufacturer", "textb_sessionID", "textb_Initials", "textb_CableLength",
                                      "textb_Comments",     "lb_27",           "cb_Add",         "cb_Delete",
                                      "cb_Modify",          "cb_OK",           "cb_Cancel"};
        QCOMPARE(walked, expected);
    }

    // A line of exactly 70 columns stays whole; a word that would make it 71 goes on
    // the next line. Enter in the box is a new line, not the Save button.
    void commentBoxWrapsAtSeventyColumnsAndKeepsEnter() {
        Form_Session editor(toolkit_);
        DialogAnswerer answerer;
        answerer.expectModal(kSessionCaption, [&](QWidget& dialog) {
            auto* comments = child<QTextEdit>(dialog, "textb_Comments");
            comments->setFocus();
            typeText(comments, QString::fromLatin1(kSixtyColumns + "ABCDEFGHIJ NEXT"));
            QTest::keyClick(comments, Qt::Key_Return);
            typeText(comments, QString::fromLatin1(kSixtyColumns + "ABCDEFGHIJK NEXT"));
            QVERIFY(dialog.isVisible());
            QTest::keyClick(comments, Qt::Key_Tab);
            QCOMPARE(focusedName(), QStringLiteral("lb_27"));
            auto* save = child<QPushButton>(dialog, "cb_OK");
            save->setFocus();
            QTest::keyClick(save, Qt::Key_Return);
        });
        std::string packed;
        QCOMPARE(editor.run(inputs_, packed, defaults_), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        const std::string block = kSixtyColumns + "ABCDEFGHIJ" + "\r\n" + "NEXT" + blanks(66) + "\r\n" + kSixtyColumns +
                                  blanks(10) + "\r\n" + "ABCDEFGHIJK NEXT" + blanks(54);
        QCOMPARE(packed.substr(25), "0004"
                                    "0000" +
                                        block);
    }

    // A hyphenated word across the edge goes whole onto the next line, and the *26*
    // comments are saved as the box shows them.
    void hyphenatedWordAcrossTheEdgeIsSavedAsShown() {
        Form_Session editor(toolkit_);
        DialogAnswerer answerer;
        answerer.expectModal(kSessionCaption, [&](QWidget& dialog) {
            auto* comments = child<QTextEdit>(dialog, "textb_Comments");
            comments->setFocus();
            typeText(comments, QString::fromLatin1(kSixtyColumns + "THE WELL-KNOWN MARK"));
            QCOMPARE(comments->document()->toPlainText(), QString::fromLatin1(kSixtyColumns + "THE \nWELL-KNOWN MARK"));
            QTest::keyClick(child<QPushButton>(dialog, "cb_OK"), Qt::Key_Return);
        });
        std::string packed;
        QCOMPARE(editor.run(inputs_, packed, defaults_), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(packed.substr(25), "0002"
                                    "0000" +
                                        kSixtyColumns + "THE " + blanks(6) + "\r\n" + "WELL-KNOWN MARK" + blanks(55));
    }

    // Add opens the occupation record editor; the saved entry comes into the list and
    // the identifier. Enter in the session letter box saves with the letter in it.
    void occupationEditorOpensFromTheSessionEditor() {
        Form_Session editor(toolkit_);
        DialogAnswerer answerer;
        answerer.expectModal(kSessionCaption, [&](QWidget& dialog) {
            QTRY_COMPARE(focusedName(), QStringLiteral("combo_manufacturer"));
            auto* manufacturer = child<QComboBox>(dialog, "combo_manufacturer");
            manufacturer->setCurrentIndex(14);
            QTest::mouseClick(child<QPushButton>(dialog, "cb_Add"), Qt::LeftButton);
            QTRY_VERIFY(dialog.isActiveWindow());
            manufacturer->setFocus();
            auto* list = child<QListView>(dialog, "lb_27");
            QCOMPARE(list->model()->rowCount(), 1);
            QCOMPARE(child<QLineEdit>(dialog, "textb_MediaID")->text(), QStringLiteral("R0050ABCD"));
            auto* letter = child<QLineEdit>(dialog, "textb_sessionID");
            QTest::keyClick(manufacturer, Qt::Key_Tab);
            QCOMPARE(focusedName(), QStringLiteral("textb_sessionID"));
            typeText(letter, "A");
            QTest::keyClick(letter, Qt::Key_Return);
        });
        answerer.expectModal(kOccupationCaption, [](QWidget& dialog) {
            auto* date = child<QLineEdit>(dialog, "mtextb_Date");
            QTRY_VERIFY(date->hasFocus());
            date->setCursorPosition(0);
            typeText(date, "000105");
            auto* time = child<QLineEdit>(dialog, "mtextb_Time");
            time->setFocus();
            time->setCursorPosition(0);
            typeText(time, "1230");
            QTest::mouseClick(child<QPushButton>(dialog, "cb_OK"), Qt::LeftButton);
        });
        std::string packed;
        QCOMPARE(editor.run(inputs_, packed, defaults_), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(packed, "0012R0050AABCD   003  004"
                         "0000"
                         "0001"
                         "0001051230" +
                             blanks(31));
    }

    // Without the mouse: Tab into the list, a line chosen with the arrow keys or Space,
    // Tab on to Delete and Space; Enter on the Save button saves.
    void occupationEntriesAreDeletedFromTheKeyboard() {
        Form_Session editor(toolkit_);
        const std::string first = "0001051230" + blanks(31);
        const std::string second = "0001061230" + blanks(31);
        std::string packed = "0012R0050AABCD   003  004"
                             "0000"
                             "0002" +
                             first + second;
        DialogAnswerer answerer;
        answerer.expectModal(kSessionCaption, [&](QWidget& dialog) {
            auto* comments = child<QTextEdit>(dialog, "textb_Comments");
            comments->setFocus();
            QTest::keyClick(comments, Qt::Key_Tab);
            QCOMPARE(focusedName(), QStringLiteral("lb_27"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // the second line
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(focusedName(), QStringLiteral("cb_Delete"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            auto* list = child<QListView>(dialog, "lb_27");
            QCOMPARE(list->model()->rowCount(), 1);
            QCOMPARE(list->model()->index(0, 0).data().toString(), QString::fromLatin1(first));
            QCOMPARE(child<QLineEdit>(dialog, "textb_MediaID")->text(), QStringLiteral("R0050AABCD"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(focusedName(), QStringLiteral("lb_27"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // the line that is current
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QCOMPARE(list->model()->rowCount(), 0);
            QCOMPARE(child<QLineEdit>(dialog, "textb_MediaID")->text(), QStringLiteral("R    AABCD"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(focusedName(), QStringLiteral("cb_OK"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(editor.run(inputs_, packed, defaults_), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(packed, std::string("0012R    AABCD   003  004"
                                     "0000"
                                     "0000"));
    }

    // Alt+S saves and Alt+C closes without saving, from any field.
    void mnemonicsSaveAndClose() {
        Form_Session editor(toolkit_);
        DialogAnswerer answerer;
        answerer.expectModal(kSessionCaption, [](QWidget& dialog) {
            QTRY_VERIFY(dialog.isActiveWindow());
            auto* initials = child<QLineEdit>(dialog, "textb_Initials");
            initials->setFocus();
            typeText(initials, "KLM");
            QTest::keyClick(initials, Qt::Key_C, Qt::AltModifier);
            QTRY_VERIFY(!dialog.isVisible()); // a mnemonic clicks its button after a short animation
        });
        std::string packed;
        QCOMPARE(editor.run(inputs_, packed, defaults_), 0);
        QCOMPARE(packed, std::string());
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        answerer.expectModal(kSessionCaption, [](QWidget& dialog) {
            QTRY_VERIFY(dialog.isActiveWindow());
            auto* initials = child<QLineEdit>(dialog, "textb_Initials");
            initials->setFocus();
            typeText(initials, "KLM");
            QTest::keyClick(initials, Qt::Key_S, Qt::AltModifier);
            QTRY_VERIFY(!dialog.isVisible());
        });
        QCOMPARE(editor.run(inputs_, packed, defaults_), 1);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
        QCOMPARE(packed.substr(14, 3), std::string("KLM"));
    }

    // With ARDEL_SCREENSHOT set, saves the dialog with a comment and two entries there.
    void screenshot() {
        const QByteArray path = qgetenv("ARDEL_SCREENSHOT");
        if (path.isEmpty()) {
            QSKIP("ARDEL_SCREENSHOT names no file");
        }
        Form_Session editor(toolkit_);
        const std::string first = "OBSERVED FROM THE NORTH PIER, ANTENNA SET UP OVER THE MARK ON A TRIPOD";
        const std::string second = "AND PLUMBED TWICE. A LINE OF EXACTLY 70 COLUMNS FILLS THE BOX ABOVE.";
        std::string packed = "0012R0050AABCDJSM00305004"
                             "0002"
                             "0002" +
                             first + blanks(70 - first.size()) + "\r\n" + second + blanks(70 - second.size()) +
                             "0001051230"
                             "01500"
                             " 205F 150F   1013  MB00000" +
                             "0001051500"
                             "01500"
                             " 220F 160F   1012  MB00000";
        DialogAnswerer answerer;
        answerer.expectModal(kSessionCaption, [&](QWidget& dialog) {
            QTest::qWait(200);
            QVERIFY(dialog.grab().save(QString::fromLocal8Bit(path)));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(editor.run(inputs_, packed, defaults_), 0);
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
    }

private:
    ui::QtToolkit& toolkit_;
    SessionInputs inputs_{
        .ssn = "0012", .jsin = "003", .jsan = "004", .stationId = "ABCD", .projectStartDate = "199912"};
    TextStore defaults_;
};

ARDEL_QT_TEST_MAIN(SessionEditorTest)
#include "tst_sessioneditor.moc"
