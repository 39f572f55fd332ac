// Each Tool-menu item and its check box show the same state, whichever of them is used.
#include "tests/gui/GuiFixture.h"

#include <QAction>
#include <QCheckBox>

namespace velundia::testing {
namespace {

using ToolMirrorTest = WindowTest;

TEST_F(ToolMirrorTest, ItemAndBoxAgreeAfterEitherIsUsedTwice) {
    struct Case {
        const char* item;
        const char* box;
        bool startChecked;
    };
    const Case cases[] = {{"Clip", "CheckBox4", false}, {"Move", "CheckBox1", false}, {"Br", "CheckBox5", false},
                          {"Roo", "CheckBox2", true},   {"GBack", "CheckBox6", false}, {"Twelve", "CheckBox3", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        QAction* item = child<QAction>(c.item);
        QCheckBox* box = child<QCheckBox>(c.box);
        ASSERT_TRUE(item && box);
        EXPECT_EQ(item->isChecked(), c.startChecked);
        EXPECT_EQ(box->isChecked(), c.startChecked);
        bool expected = c.startChecked;
        for (int round = 0; round < 2; ++round) {
            item->trigger();
            expected = !expected;
            EXPECT_EQ(box->isChecked(), expected) << "after the item, round " << round;
            EXPECT_EQ(item->isChecked(), expected) << "after the item, round " << round;
            box->click();
            expected = !expected;
            EXPECT_EQ(box->isChecked(), expected) << "after the box, round " << round;
            EXPECT_EQ(item->isChecked(), expected) << "after the box, round " << round;
        }
    }
}

TEST_F(ToolMirrorTest, SettingsFollowTheirBoxes) {
    child<QAction>("Br")->trigger();
    EXPECT_EQ(window->viewSettings().brushShape, 2);
    child<QAction>("Clip")->trigger();
    EXPECT_EQ(window->viewSettings().clippingOn, 1);
    child<QAction>("GBack")->trigger();
    EXPECT_EQ(window->viewSettings().numberBackClear, 0);
    child<QCheckBox>("CheckBox5")->click();
    child<QCheckBox>("CheckBox4")->click();
    child<QCheckBox>("CheckBox6")->click();
    EXPECT_EQ(window->viewSettings().brushShape, 1);
    EXPECT_EQ(window->viewSettings().clippingOn, 0);
    EXPECT_EQ(window->viewSettings().numberBackClear, 1);
}

TEST_F(ToolMirrorTest, PrintLeadNameFlipsItsOwnMark) {
    QAction* item = child<QAction>("PrintLeadName");
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(item->isChecked());
}

}  // namespace
}  // namespace velundia::testing
