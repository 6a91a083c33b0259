// The two warning prompts as Qt dialogs: what they show, the keys and buttons that
// end them, and the suppressed flag and answer each way of ending them leaves.
#include "QtTestSupport.h"

#include "utilities/WarningPrompts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace ardel;
using namespace ardel::testing;

namespace {

const QString kDoNotShow = QStringLiteral("Do not show me this warning message again.");
const QString kDoNoShow = QStringLiteral("Do no show me this warning message again.");

QCheckBox* checkBoxOf(QWidget& dialog) {
    return dialog.findChild<QCheckBox*>("checkbox_warning");
}

// Checks the message and the unticked check box, then ends the dialog as `act` does.
DialogAnswerer::Action shown(const QString& message, const QString& checkBoxText, std::function<void(QWidget&)> act) {
    return [=](QWidget& dialog) {
        QCOMPARE(dialog.findChild<QLabel*>("label_1")->text(), message);
        QCOMPARE(checkBoxOf(dialog)->text(), checkBoxText);
        QVERIFY2(!checkBoxOf(dialog)->isChecked(), "unticked each time it opens");
        act(dialog);
    };
}

void tick(QWidget& dialog) {
    QTest::mouseClick(checkBoxOf(dialog), Qt::LeftButton);
}

void click(QWidget& dialog, const char* button) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
}

} // namespace

class WarningPromptsTest : public QObject {
    Q_OBJECT

public:
    explicit WarningPromptsTest(ui::QtToolkit& toolkit) : toolkit_(toolkit) {}

private slots:
    void cleanup() { closeLeftOverWindows(); }

    void warningEndsWithOkOrItsCloseBox() {
        Form_Warning warning(toolkit_);
        const std::string longArgument(3000, 'x');
        DialogAnswerer answerer;
        answerer.expectModal("Warning", shown(QString::fromStdString("Session " + longArgument + " \n  is lost."),
                                              kDoNotShow, [](QWidget& dialog) {
                                                  QVERIFY(dialog.findChild<QPushButton*>("cb_OK")->isDefault());
                                                  tick(dialog);
                                                  QTest::keyClick(checkBoxOf(dialog), Qt::Key_Return);
                                              }));
        warning.show("Session %s \n  is lost.", longArgument.c_str());
        QVERIFY2(warning.isSuppressed(), "Return presses OK with the box ticked");

        warning.setSuppressed(false);
        answerer.expectModal("Warning", shown("closed", kDoNotShow, [](QWidget& dialog) {
                                 tick(dialog);
                                 dialog.close();
                             }));
        warning.show("closed");
        QVERIFY2(!warning.isSuppressed(), "the close box records nothing");
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
    }

    void questionAnswersYesOrNoAndItsCloseBoxCountsAsNo() {
        Form_Warning_YesNo question(toolkit_);
        DialogAnswerer answerer;
        answerer.expectModal("Warning", shown("Continue?", kDoNoShow, [](QWidget& dialog) {
                                 QCOMPARE(dialog.findChild<QPushButton*>("cb_Yes")->text(), QStringLiteral("YES"));
                                 QCOMPARE(dialog.findChild<QPushButton*>("cb_No")->text(), QStringLiteral("NO"));
                                 tick(dialog);
                                 QTest::keyClick(checkBoxOf(dialog), Qt::Key_Return); // no default button
                                 QVERIFY(dialog.isVisible());
                                 click(dialog, "cb_No");
                             }));
        question.show("Continue?");
        QCOMPARE(question.answer(), 0);
        QVERIFY(question.isSuppressed());

        question.setSuppressed(false);
        answerer.expectModal("Warning", shown("Continue?", kDoNoShow, [](QWidget& dialog) {
                                 auto* yes = dialog.findChild<QPushButton*>("cb_Yes");
                                 yes->setFocus();
                                 QTest::keyClick(yes, Qt::Key_Return); // Enter presses the focused button
                             }));
        question.show("Continue?");
        QCOMPARE(question.answer(), 1);
        QVERIFY(!question.isSuppressed());

        answerer.expectModal("Warning", shown("Continue?", kDoNoShow, [](QWidget& dialog) {
                                 tick(dialog);
                                 QTest::keyClick(&dialog, Qt::Key_Escape);
                             }));
        question.show("Continue?");
        QCOMPARE(question.answer(), 0);
        QVERIFY2(!question.isSuppressed(), "closing without a button records nothing");
        QVERIFY2(answerer.failures().isEmpty(), qPrintable(answerer.failures().join('\n')));
    }

private:
    ui::QtToolkit& toolkit_;
};

ARDEL_QT_TEST_MAIN(WarningPromptsTest)
#include "tst_warningprompts.moc"
