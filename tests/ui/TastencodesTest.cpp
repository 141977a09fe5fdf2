#include "ui/Tastencodes.h"

#include <Qt>
#include <gtest/gtest.h>

using sw::ui::tastencode;

TEST(Tastencodes, BuchstabenZiffernFTastenLeertasteUndOemCodes) {
    EXPECT_EQ(tastencode(Qt::Key_A), 65);
    EXPECT_EQ(tastencode(Qt::Key_Z), 90);
    EXPECT_EQ(tastencode(Qt::Key_0), 48);
    EXPECT_EQ(tastencode(Qt::Key_9), 57);
    EXPECT_EQ(tastencode(Qt::Key_F1), 112);
    EXPECT_EQ(tastencode(Qt::Key_F12), 123);
    EXPECT_EQ(tastencode(Qt::Key_Space), 32);
    // German keys.
    EXPECT_EQ(tastencode(Qt::Key_Udiaeresis), 186);
    EXPECT_EQ(tastencode(Qt::Key_Odiaeresis), 192);
    EXPECT_EQ(tastencode(Qt::Key_Adiaeresis), 222);
    EXPECT_EQ(tastencode(Qt::Key_ssharp), 219);
    EXPECT_EQ(tastencode(Qt::Key_Plus), 187);
    EXPECT_EQ(tastencode(Qt::Key_NumberSign), 191);
    EXPECT_EQ(tastencode(Qt::Key_Less), 226);
    // US keys.
    EXPECT_EQ(tastencode(Qt::Key_Semicolon), 186);
    EXPECT_EQ(tastencode(Qt::Key_Comma), 188);
    EXPECT_EQ(tastencode(Qt::Key_Minus), 189);
    EXPECT_EQ(tastencode(Qt::Key_Period), 190);
    EXPECT_EQ(tastencode(Qt::Key_BracketLeft), 219);
    EXPECT_EQ(tastencode(Qt::Key_BracketRight), 221);
    EXPECT_EQ(tastencode(Qt::Key_Apostrophe), 222);
    // Unmapped: arrows, Enter, Escape, F13, the backslash, the keypad's Enter.
    for (int t : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return,
                  Qt::Key_Escape, Qt::Key_F13, Qt::Key_Backslash, Qt::Key_Enter, Qt::Key_Shift})
        EXPECT_EQ(tastencode(t), -1) << t;
}
