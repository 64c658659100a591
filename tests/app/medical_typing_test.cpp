// An interviewer answers the medical pane in the real window: the follow-up boxes
// open and close as the answers are clicked, a cigarette count of 100 is refused,
// and tabbing through question 11 keeps the kinds of insurance of question 12.
#include <QComboBox>
#include <QRadioButton>

#include "app/TypingFixture.h"

namespace yrn::test {
namespace {

class MedicalTyping : public TypingTest {
  protected:
    void SetUp() override {
        TypingTest::SetUp();
        window->viewAction(2)->trigger();
        settle();
        ASSERT_EQ(where(), "Medical:0");
    }
    Section& medical() { return current()->section(); }
    template <class W>
    W* widget(const QString& name) {
        W* w = window->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << qPrintable(name);
        return w;
    }
    void click(const QString& radio) {
        QTest::mouseClick(widget<QRadioButton>(radio), Qt::LeftButton);
        settle();
    }
    void pageButton(const QString& name) {
        QTest::mouseClick(current()->button(name), Qt::LeftButton);
        settle();
    }
    // The kinds of insurance as the buttons show them: "Y", "N" or "-" per row, and
    // whether the row can be clicked ("y", "n", "_" when it cannot).
    QString insuranceShown() {
        QString out;
        for (int i = 0; i < 6; ++i) {
            QRadioButton* no = widget<QRadioButton>(QString("optHealthInsurance0(%1)").arg(i));
            QRadioButton* yes = widget<QRadioButton>(QString("optHealthInsurance1(%1)").arg(i));
            const QChar c = yes->isChecked() ? 'Y' : no->isChecked() ? 'N' : '-';
            out += yes->isEnabled() ? c : (c == '-' ? QChar('_') : c.toLower());
        }
        return out;
    }
};

TEST_F(MedicalTyping, APageTypedWithKeysAndQuestion11TabbedThroughKeepsQuestion12) {
    Section& m = medical();

    // Page 0: the count opens question 2; "Yes" to question 3 opens its box.
    typeInto("txtHospitalized", "3");
    tab();
    EXPECT_EQ(m.text("txtHospitalized"), "3");
    EXPECT_EQ(focus(), widget<QComboBox>("cboLastHospitalized"));
    QTest::keyClick(focus(), Qt::Key_Down);
    settle();
    EXPECT_EQ(m.listText("cboLastHospitalized"), "less than 6 months ago");
    click("optChrMedProb0");
    EXPECT_FALSE(box("txtMedicalProblems")->isEnabled());
    click("optChrMedProb1");
    typeInto("txtMedicalProblems", "asthma, diabetes");
    EXPECT_EQ(m.text("txtMedicalProblems"), "asthma, diabetes");
    // Edited through "0" on the way from 3 to 2, question 2 keeps its answer.
    typeInto("txtHospitalized", "0");
    EXPECT_FALSE(widget<QComboBox>("cboLastHospitalized")->isEnabled());
    QTest::keyClick(focus(), Qt::Key_Backspace);
    keys("2");
    tab();
    EXPECT_EQ(m.text("txtHospitalized"), "2");
    EXPECT_EQ(widget<QComboBox>("cboLastHospitalized")->currentText(), "less than 6 months ago");
    EXPECT_TRUE(widget<QComboBox>("cboLastHospitalized")->isEnabled());

    // Page 1: a smoker's 100 cigarettes a day are refused; 15 are taken.
    pageButton("cmdNextM(0)");
    ASSERT_EQ(where(), "Medical:1");
    click("optSmokes1");
    typeInto("txtCigarettes", "100");
    EXPECT_EQ(box("txtCigarettes")->text(), "10");  // two characters at most
    typeInto("txtCigarettes", "15");
    tab();
    EXPECT_EQ(m.text("txtCigarettes"), "15");
    EXPECT_TRUE(prompts.boxes.isEmpty());
    typeInto("txtInsurance", "13");
    tab();
    EXPECT_EQ(lastBox(prompts),
              "Critical|Input Error|Invalid data range or type!\r\n"
              "Must be a numeric value between 0 and 12");
    EXPECT_EQ(focus(), box("txtInsurance"));
    keys("6");
    tab();
    EXPECT_EQ(m.text("txtInsurance"), "6");

    // Page 2: private insurance and Medicaid.
    pageButton("cmdNextM(1)");
    ASSERT_EQ(where(), "Medical:2");
    click("optHealthInsurance1(1)");
    click("optHealthInsurance1(2)");
    click("optHealthInsurance0(3)");
    EXPECT_EQ(insuranceShown(), "-YYN--");

    // Back to question 11: tabbing through it, and correcting 6 to 5, keep them.
    pageButton("cmdBackM(2)");
    ASSERT_EQ(where(), "Medical:1");
    QTest::mouseClick(box("txtInsurance"), Qt::LeftButton);
    settle();
    tab();
    EXPECT_EQ(insuranceShown(), "-YYN--");
    typeInto("txtInsurance", "5");
    tab();
    EXPECT_EQ(insuranceShown(), "-YYN--");
    // No month insured clears and closes them; some months open them again, empty.
    typeInto("txtInsurance", "0");
    tab();
    EXPECT_EQ(insuranceShown(), "______");
    typeInto("txtInsurance", "4");
    tab();
    EXPECT_EQ(insuranceShown(), "------");
    EXPECT_EQ(prompts.boxes.size(), 1);
}

}  // namespace
}  // namespace yrn::test
