// The criminal justice pane in the real window: the crime list reads as on the
// questionnaire, and a click into a count box empties only the reset "0".
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/AppFixture.h"

namespace yrn::test {
namespace {

TEST_F(AppTest, CriminalJusticePaneShowsOneAmpersandAndKeepsATypedCountOnAClick) {
    window->show();
    window->view(5);
    ASSERT_EQ(where(), "CriminalJustice:0");
    Section& cj = current()->section();

    // Row 11 of the three lists, as a person reads it.
    int burglary = 0;
    for (const QLabel* label : current()->findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains("&&")) << label->text().toStdString();
        if (label->text() == "Burglary, larceny, B & E") ++burglary;
    }
    EXPECT_EQ(burglary, 3);

    const auto click = [](QLineEdit* box) {
        QTest::mouseClick(box, Qt::LeftButton);
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    };
    auto* shoplifting = current()->findChild<QLineEdit*>("txtCharges(0)");
    ASSERT_NE(shoplifting, nullptr);
    EXPECT_EQ(shoplifting->text(), "0");
    EXPECT_EQ(shoplifting->maxLength(), 3);
    click(shoplifting);
    EXPECT_EQ(shoplifting->text(), "");
    QTest::keyClicks(shoplifting, "3");
    EXPECT_EQ(cj.text("txtCharges(0)"), "3");
    click(shoplifting);
    EXPECT_EQ(shoplifting->text(), "3");

    // Row 18's count opens its "Specify" box.
    auto* other = current()->findChild<QLineEdit*>("txtOther");
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(other->isEnabled());
    cj.setText("txtCharges(18)", "2");
    EXPECT_TRUE(other->isEnabled());
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
}

}  // namespace
}  // namespace yrn::test
