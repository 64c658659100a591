// The family and mental health pages as a person uses them: the relatives'
// grid, the described abuse rows and the follow-ups that close a question.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "AppFixture.h"
#include "app/FieldBinder.h"

namespace yrn::test {
namespace {

class FamilyMentalPages : public AppTest {
  protected:
    PaneView& show(const QString& name, int viewItem) {
        window->view(viewItem);
        PaneView* pane = window->pane(name);
        EXPECT_EQ(current(), pane);
        return *pane;
    }
    template <class T>
    static T* child(const PaneView& pane, const QString& name) {
        return pane.findChild<T*>(name);
    }
    static QLabel* labelWithText(const PaneView& pane, const QString& text) {
        for (QLabel* label : pane.findChildren<QLabel*>())
            if (label->text() == text) return label;
        return nullptr;
    }
};

TEST_F(FamilyMentalPages, TheRelativesGridHasOneGroupOfFourButtonsPerCell) {
    PaneView& fs = show("FamilySocialHistory", 6);
    ASSERT_EQ(where(), "FamilySocialHistory:0");
    for (int i = 0; i < 42; ++i) {
        const QList<QRadioButton*> buttons = fs.binder().optionButtons(arr("optFamilyHistory", i));
        ASSERT_EQ(buttons.size(), 4) << i;
        EXPECT_EQ(buttons.at(3)->text(), "No relative");
        EXPECT_TRUE(buttons.at(0)->isVisible());
    }
    EXPECT_EQ(fs.binder().fieldWidget("optFamilyHistory(20)")->toolTip(),
              "Drug problems: Grandfather (father's side)");
    for (const char* heading : {"MOTHER'S SIDE", "FATHER'S SIDE", "SIBLINGS", "Brother #2",
                                "Alcohol problems", "Psychiatric problems"})
        EXPECT_NE(labelWithText(fs, heading), nullptr) << heading;

    // Each cell is its own group; "No relative" clicked fills the relative's row.
    QTest::mouseClick(child<QRadioButton>(fs, "optFamilyHistory1(0)"), Qt::LeftButton);
    QTest::mouseClick(child<QRadioButton>(fs, "optFamilyHistory2(14)"), Qt::LeftButton);
    EXPECT_TRUE(child<QRadioButton>(fs, "optFamilyHistory1(0)")->isChecked());
    QTest::mouseClick(child<QRadioButton>(fs, "optFamilyHistory3(17)"), Qt::LeftButton);
    for (const char* name :
         {"optFamilyHistory3(3)", "optFamilyHistory3(17)", "optFamilyHistory3(31)"})
        EXPECT_TRUE(child<QRadioButton>(fs, name)->isChecked()) << name;
    EXPECT_EQ(fs.section().choice("optFamilyHistory(0)"), 1);
    EXPECT_EQ(fs.section().choice("optFamilyHistory(28)"), -1);
}

TEST_F(FamilyMentalPages, DescribedRowsAndClosedQuestionsShowAsSuch) {
    PaneView& fs = show("FamilySocialHistory", 6);
    fs.next();
    fs.next();
    ASSERT_EQ(where(), "FamilySocialHistory:2");
    QTest::mouseClick(child<QRadioButton>(fs, "optHomeless0"), Qt::LeftButton);
    QComboBox* place = child<QComboBox>(fs, "cboHomelessLiving");
    EXPECT_FALSE(place->isEnabled());
    EXPECT_EQ(place->palette().color(QPalette::Base), QColor(192, 0, 0));
    QTest::mouseClick(child<QRadioButton>(fs, "optHomeless1"), Qt::LeftButton);
    EXPECT_TRUE(place->isEnabled());
    fs.next();
    QLabel* sexually = labelWithText(fs, "Sexually?");
    ASSERT_NE(sexually, nullptr);
    EXPECT_EQ(sexually->toolTip(), "Rape, forced sexual advances or non-consensual acts");
    EXPECT_EQ(sexually->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_TRUE(labelWithText(fs, "Has anyone ever sexually harassed you?")->toolTip().isEmpty());

    PaneView& mh = show("MentalHealth", 7);
    QTest::mouseClick(child<QRadioButton>(mh, "optPrescMed0"), Qt::LeftButton);
    EXPECT_FALSE(child<QLineEdit>(mh, "txtMedicationPrescribed")->isEnabled());
    QTest::mouseClick(child<QRadioButton>(mh, "optPrescMed30D1"), Qt::LeftButton);
    QLineEdit* medication = child<QLineEdit>(mh, "txtMedicationPrescribed30");
    EXPECT_TRUE(medication->isEnabled());
    EXPECT_EQ(medication->maxLength(), 30);
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

}  // namespace
}  // namespace yrn::test
