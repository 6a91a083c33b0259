// The Qt controls: what the user can type into each kind of box, the values the
// logic reads back, and that a masked or wrapped box gives the same value and lines
// as the headless realization for the same keys.
#include "QtTestSupport.h"

#include "editors/header/FormHeaderInfoDecl.h"

#include "ui/Wrap.h"
#include "ui/headless/HeadlessToolkit.h"
#include "ui/qt/QtText.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTextEdit>

using namespace ardel;
using namespace ardel::testing;
using ui::ControlKind;

class QtControlsTest : public QObject {
    Q_OBJECT

public:
    explicit QtControlsTest(ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private slots:
    void cleanup() { closeLeftOverWindows(); }

    void textBoxAdmitsWhatItsDeclarationSays() {
        auto ssn = control("textb_SSN", ControlKind::TextBox, "&SSN:");
        ssn.limit = 4;
        ssn.digitsOnly = true;
        auto name = control("textb_Name", ControlKind::TextBox, "&Name:");
        name.upperCase = true;
        name.limit = 8;
        auto form = toolkit_.createForm(dialogDecl("Form_Box", {ssn, name}));
        QVERIFY(showActive(*form));
        auto& box = form->textBox("textb_SSN");
        int changes = 0;
        box.events.textChanged = [&] { ++changes; };
        auto* edit = widgetOf<QLineEdit>(*form, "textb_SSN");

        box.setFocus();
        typeText(edit, "12a345");
        QCOMPARE(box.text(), std::string("1234"));
        QVERIFY(box.isModified());
        QCOMPARE(changes, 4);

        box.setText("98765"); // the program's own text is taken as it is
        QCOMPARE(box.text(), std::string("98765"));
        QVERIFY(!box.isModified());
        QCOMPARE(changes, 5);
        box.setText("98765");
        QCOMPARE(changes, 6);

        box.setText("");
        QGuiApplication::clipboard()->setText(QStringLiteral("12ab"));
        edit->paste();
        QCOMPARE(box.text(), std::string());
        QGuiApplication::clipboard()->setText(QStringLiteral("0042"));
        edit->paste();
        QCOMPARE(box.text(), std::string("0042"));

        box.setReadOnly(true);
        box.selectAll();
        typeText(edit, "7");
        QCOMPARE(box.text(), std::string("0042"));

        auto& upper = form->textBox("textb_Name");
        auto* upperEdit = widgetOf<QLineEdit>(*form, "textb_Name");
        upper.setFocus();
        typeText(upperEdit, "ab\xe9");
        typeText(upperEdit, QString(QChar(0x0416))); // outside Latin-1: refused
        typeText(upperEdit, "z");
        QCOMPARE(upper.text(), std::string("AB\xc9Z"));
        upper.setText("lower"); // the program's text is not changed
        QCOMPARE(upper.text(), std::string("lower"));
        upper.setLimit(6);
        upper.selectAll();
        typeText(upperEdit, "abcdefgh");
        QCOMPARE(upper.text(), std::string("ABCDEF"));
        QCOMPARE(upper.lineCount(), 1);
        QCOMPARE(upper.line(0), std::string("ABCDEF"));
    }

    void maskedValueMatchesTheHeadlessBox_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<bool>("digitsOnly");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("date half") << "##/##/##" << false << "0712"
                                   << "0712"
                                   << "07/12/  ";
        QTest::newRow("date refuses letter") << "##/##/##" << false << "07a1"
                                             << "071"
                                             << "07/1 /  ";
        QTest::newRow("time") << "##:##" << false << "123"
                              << "123"
                              << "12:3 ";
        QTest::newRow("time full") << "##:##" << false << "12345"
                                   << "1234"
                                   << "12:34";
        QTest::newRow("long date digits") << "****/**/**" << true << "2000x1"
                                          << "20001"
                                          << "2000/1 /  ";
        QTest::newRow("month any") << "****/**" << false << "AB12C"
                                   << "AB12C"
                                   << "AB12/C ";
        QTest::newRow("capital first") << "U?" << false << "a1"
                                       << "A1"
                                       << "A1";
        QTest::newRow("capital refuses digit") << "U?" << false << "1a"
                                               << "A"
                                               << "A ";
        QTest::newRow("latin-1 capital") << "U?" << false << QString::fromLatin1("\xe9?")
                                         << QString::fromLatin1("\xc9?") << QString::fromLatin1("\xc9?");
        QTest::newRow("empty") << "##/##/##" << false << ""
                               << ""
                               << "  /  /  ";
    }

    void maskedValueMatchesTheHeadlessBox() {
        QFETCH(QString, mask);
        QFETCH(bool, digitsOnly);
        QFETCH(QString, keys);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        const auto decl = dialogDecl("Form_Mask", {maskedBox("mtextb_Value", ui::fromQt(mask), digitsOnly)});

        auto form = toolkit_.createForm(decl);
        QVERIFY(showActive(*form));
        auto& box = form->textBox("mtextb_Value");
        auto* edit = widgetOf<QLineEdit>(*form, "mtextb_Value");
        box.setFocus();
        edit->setCursorPosition(0);
        typeText(edit, keys);
        QCOMPARE(ui::toQt(box.text()), value);
        QCOMPARE(edit->displayText(), shown);
        QCOMPARE(box.isModified(), !keys.isEmpty());

        ui::HeadlessToolkit headless;
        auto headlessForm = headless.createForm(decl);
        auto& scripted = static_cast<ui::HeadlessForm&>(*headlessForm);
        scripted.show();
        scripted.typeMore("mtextb_Value", ui::fromQt(keys));
        QCOMPARE(ui::toQt(scripted.textBox("mtextb_Value").text()), value);
        QCOMPARE(ui::toQt(scripted.displayText("mtextb_Value")), shown);

        box.setText(ui::fromQt(value)); // the value set from code shows the same way
        QCOMPARE(edit->displayText(), shown);
        QCOMPARE(ui::toQt(box.text()), value);
        QVERIFY(!box.isModified());
    }

    // The header editor's job code box: a capital letter, then any character, every
    // letter typed in lowercase shown and kept in capitals, as in the headless box.
    void jobCodeTypedInLowercaseIsKeptInCapitals() {
        auto form = toolkit_.createForm(formHeaderInfoDecl());
        QVERIFY(showActive(*form));
        auto& box = form->textBox("mtextb_JobCode");
        auto* edit = widgetOf<QLineEdit>(*form, "mtextb_JobCode");
        box.setFocus();
        edit->setCursorPosition(0);
        typeText(edit, "gp");
        QCOMPARE(box.text(), std::string("GP"));
        QCOMPARE(edit->displayText(), QStringLiteral("GP"));

        ui::HeadlessToolkit headless;
        auto headlessForm = headless.createForm(formHeaderInfoDecl());
        auto& scripted = static_cast<ui::HeadlessForm&>(*headlessForm);
        scripted.show();
        scripted.type("mtextb_JobCode", "gp");
        QCOMPARE(scripted.textBox("mtextb_JobCode").text(), box.text());
    }

    void wrappedLinesMatchTheSharedRule_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("short") << "short";
        QTest::newRow("exact") << "exactly10c";
        QTest::newRow("exact then word") << "exactly10c more";
        QTest::newRow("sentence") << "the quick brown fox jumps over the lazy dog";
        QTest::newRow("long word") << "averyveryverylongword here";
        QTest::newRow("long word later") << "one averyveryverylongword";
        QTest::newRow("many blanks") << "two  spaces   between words that wrap";
        QTest::newRow("blanks at the wrap") << "abcdefghij     klm";
        QTest::newRow("leading blanks") << "  leading blanks then words";
        QTest::newRow("leading blanks in a word") << "   mukskpsqsul p";
        QTest::newRow("leading blanks fill a line") << "            pqrst tail end";
        QTest::newRow("only blanks") << "               ";
        QTest::newRow("latin-1") << QString::fromLatin1("caf\xe9 cr\xe8me br\xfbl\xe9"
                                                        "e \xe0 la carte");
        QTest::newRow("trailing blank") << "ends with blank ";
        QTest::newRow("line break") << "line one\r\nline two which is long enough";
        QTest::newRow("break at end") << "trailing break\r\n";
        QTest::newRow("empty lines") << "a\r\n\r\nb";
    }

    void wrappedLinesMatchTheSharedRule() {
        QFETCH(QString, text);
        auto title = control("textb_Title", ControlKind::MultiLineText, "&Title:");
        title.wrapColumns = 10;
        title.visibleLines = 4;
        auto form = toolkit_.createForm(dialogDecl("Form_Wrap", {title}));
        auto& box = form->textBox("textb_Title");
        const std::string program = ui::fromQt(text);
        const auto expected = ui::wrapLines(program, 10);
        auto check = [&] {
            QStringList shown;
            for (int i = 0; i < box.lineCount(); ++i) {
                shown << QLatin1Char('[') + ui::toQt(box.line(i)) + QLatin1Char(']');
            }
            QStringList wanted;
            for (const std::string& line : expected) {
                wanted << QLatin1Char('[') + ui::toQt(line) + QLatin1Char(']');
            }
            QCOMPARE(shown.join(QLatin1Char(' ')), wanted.join(QLatin1Char(' ')));
        };
        box.setText(program); // before the window is ever shown
        check();
        QCOMPARE(box.text(), program);
        QVERIFY(showActive(*form));
        check();
    }

    // The wraps a box lays are no part of its text: copied text has none, Delete at a
    // wrap takes the character after it, and Undo goes back past a new wrap.
    void wrapsStayOutOfCopyDeleteAndUndo() {
        auto comment = control("textb_Comment", ControlKind::MultiLineText, "&Comment:");
        comment.wrapColumns = 10;
        auto form = toolkit_.createForm(dialogDecl("Form_Comment", {comment}));
        QVERIFY(showActive(*form));
        auto& box = form->textBox("textb_Comment");
        auto* edit = widgetOf<QTextEdit>(*form, "textb_Comment");
        box.setFocus();
        typeText(edit, "ABC DEFGH IJK");
        QCOMPARE(box.line(1), std::string("IJK"));
        edit->selectAll();
        edit->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ABC DEFGH IJK"));
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.text(), std::string());
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(box.text(), std::string("ABC DEFGH IJK"));
        edit->moveCursor(QTextCursor::Start);
        QTest::keyClick(edit, Qt::Key_End); // the end of the first line, before its wrap
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(box.text(), std::string("ABC DEFGH JK"));
    }

    void multiLineBoxTypesLineBreaksAsCrLf() {
        auto comment = control("textb_Comment", ControlKind::MultiLineText, "&Comment:");
        comment.wrapColumns = 20;
        comment.limit = 12;
        auto form = toolkit_.createForm(dialogDecl("Form_Comment", {comment}));
        QVERIFY(showActive(*form));
        auto& box = form->textBox("textb_Comment");
        int changes = 0;
        box.events.textChanged = [&] { ++changes; };
        auto* edit = widgetOf<QTextEdit>(*form, "textb_Comment");
        QCOMPARE(edit->font().family(), ui::fixedPitchFont().family());

        box.setFocus();
        typeText(edit, "ab");
        QTest::keyClick(edit, Qt::Key_Return);
        typeText(edit, "cd");
        QCOMPARE(box.text(), std::string("ab\r\ncd"));
        QVERIFY(box.isModified());
        QCOMPARE(box.lineCount(), 2);
        QCOMPARE(box.line(1), std::string("cd"));
        QVERIFY(changes > 0);

        typeText(edit, "efghijkl"); // 6 + 6 reaches the limit of 12
        QCOMPARE(box.text(), std::string("ab\r\ncdefghij"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(box.text(), std::string("ab\r\ncdefghij"));

        changes = 0;
        box.setText("x\r\ny");
        QCOMPARE(changes, 1);
        QCOMPARE(box.text(), std::string("x\r\ny"));
        QVERIFY(!box.isModified());
        box.setModified(true);
        QVERIFY(box.isModified());
    }

    void labelsHeadingsAndCheckBoxes() {
        auto heading = control("textb_Heading", ControlKind::Heading, "SSN  Name");
        auto note = control("label_Note", ControlKind::Label, "Use <b> & blanks   as typed");
        auto fixed = control("checkbox_Fixed", ControlKind::CheckBox, "&Fixed station");
        auto form = toolkit_.createForm(dialogDecl("Form_Labels", {heading, note, fixed}));
        QVERIFY(showActive(*form));

        auto* headingBox = widgetOf<QLineEdit>(*form, "textb_Heading");
        QVERIFY(headingBox->isReadOnly());
        QCOMPARE(headingBox->focusPolicy(), Qt::NoFocus);
        QCOMPARE(headingBox->font().family(), ui::fixedPitchFont().family());
        QCOMPARE(form->label("textb_Heading").text(), std::string("SSN  Name"));
        form->label("textb_Heading").setText("JSIN Code");
        QCOMPARE(headingBox->text(), QStringLiteral("JSIN Code"));

        QCOMPARE(widgetOf<QLabel>(*form, "label_Note")->text(), QStringLiteral("Use <b> & blanks   as typed"));
        QCOMPARE(widgetOf<QLabel>(*form, "label_Note")->textFormat(), Qt::PlainText);

        auto& check = form->checkBox("checkbox_Fixed");
        int clicks = 0;
        check.events.clicked = [&] { ++clicks; };
        check.setChecked(true); // from code: no click
        QCOMPARE(clicks, 0);
        QTest::mouseClick(widgetOf<QCheckBox>(*form, "checkbox_Fixed"), Qt::LeftButton);
        QVERIFY(!check.isChecked());
        QCOMPARE(clicks, 1);
        QCOMPARE(check.text(), std::string("&Fixed station"));
    }

    void dropDownListSelectsWithoutTyping() {
        auto code = control("combo_Code", ControlKind::DropDownList, "&Code:");
        code.items = {"ASH700", "TRM22020", "LEIAT504 long antenna name"};
        auto form = toolkit_.createForm(dialogDecl("Form_Combo", {code}));
        QVERIFY(showActive(*form));
        auto& combo = form->comboBox("combo_Code");
        int selections = 0;
        combo.events.selectionChanged = [&] { ++selections; };
        QCOMPARE(combo.selectedIndex(), -1); // adding items selects nothing
        QCOMPARE(combo.text(), std::string());

        QCOMPARE(combo.selectPrefix("trm"), 1);
        QCOMPARE(combo.text(), std::string("TRM22020"));
        QCOMPARE(selections, 1);
        QCOMPARE(combo.selectPrefix("XYZ"), -1);
        QCOMPARE(combo.selectedIndex(), 1);
        QCOMPARE(selections, 1);

        combo.addItem("NOV600");
        QCOMPARE(combo.count(), 4);
        QCOMPARE(combo.itemText(3), std::string("NOV600"));
        QCOMPARE(combo.itemText(9), std::string());
        combo.setSelectedIndex(-1);
        QCOMPARE(combo.selectedIndex(), -1);
        QCOMPARE(selections, 2);
        combo.setText("ignored"); // a list without typing has no text of its own
        QCOMPARE(combo.text(), std::string());

        auto* box = widgetOf<QComboBox>(*form, "combo_Code");
        QVERIFY(!box->isEditable());
        combo.widenToLongestItem();
        const int longest = box->view()->fontMetrics().horizontalAdvance(QStringLiteral("LEIAT504 long antenna name"));
        QVERIFY(box->view()->minimumWidth() > longest);

        combo.clear();
        QCOMPARE(combo.count(), 0);
        QCOMPARE(selections, 2);
    }

    void dropDownEditTakesTypedText() {
        auto code = control("combo_Antenna", ControlKind::DropDownEdit, "&Antenna:");
        code.items = {"ASH700", "TRM22020"};
        code.limit = 6;
        auto form = toolkit_.createForm(dialogDecl("Form_Edit", {code}));
        QVERIFY(showActive(*form));
        auto& combo = form->comboBox("combo_Antenna");
        int changes = 0;
        int selections = 0;
        combo.events.textChanged = [&] { ++changes; };
        combo.events.selectionChanged = [&] { ++selections; };
        auto* box = widgetOf<QComboBox>(*form, "combo_Antenna");
        QVERIFY(box->isEditable());
        QCOMPARE(combo.selectedIndex(), -1);
        QCOMPARE(combo.text(), std::string());

        combo.setFocus();
        typeText(box, "ash7001");
        QCOMPARE(combo.text(), std::string("ash700")); // no completion, at most 6 characters
        QCOMPARE(changes, 6);
        QCOMPARE(combo.selectedIndex(), -1);
        QTest::keyClick(box, Qt::Key_Return); // Enter adds no item
        QCOMPARE(combo.count(), 2);

        QCOMPARE(combo.selectPrefix("TRM"), 1);
        QCOMPARE(combo.text(), std::string("TRM22020"));
        QCOMPARE(selections, 1);
        combo.setText("typed");
        QCOMPARE(ui::toQt(combo.text()), QStringLiteral("typed"));
        QCOMPARE(changes, 7);
        combo.addItem("NOV600");
        QCOMPARE(ui::toQt(combo.text()), QStringLiteral("typed"));
    }

    // A handler that clears the selection while the user types keeps the typed text
    // and the caret; choosing the item chosen before is then a change of selection.
    void dropDownEditTypingMayClearTheSelection() {
        auto datum = control("combo_Datum", ControlKind::DropDownEdit, "&Datum:");
        datum.items = {"NAD83", "WGS84"};
        auto form = toolkit_.createForm(dialogDecl("Form_Edit", {datum}));
        QVERIFY(showActive(*form));
        auto& combo = form->comboBox("combo_Datum");
        auto* box = widgetOf<QComboBox>(*form, "combo_Datum");
        int selections = 0;
        combo.events.selectionChanged = [&] { ++selections; };
        combo.events.textChanged = [&] { combo.setSelectedIndex(-1); };
        combo.setSelectedIndex(0);

        combo.setFocus();
        box->lineEdit()->setCursorPosition(3);
        typeText(box, "xy");
        QCOMPARE(ui::toQt(combo.text()), QStringLiteral("NADxy83"));
        QCOMPARE(box->lineEdit()->cursorPosition(), 5);
        QCOMPARE(combo.selectedIndex(), -1);
        QCOMPARE(selections, 2);

        box->showPopup();
        box->view()->setCurrentIndex(box->model()->index(0, 0));
        QTest::keyClick(box->view(), Qt::Key_Return);
        QCOMPARE(combo.selectedIndex(), 0);
        QCOMPARE(combo.text(), std::string("NAD83"));
        QCOMPARE(selections, 3);
    }

private:
    ui::QtToolkit& toolkit_;
};

ARDEL_QT_TEST_MAIN(QtControlsTest)
#include "tst_qtcontrols.moc"
