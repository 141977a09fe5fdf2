#include "ui/Tastencodes.h"

#include <Qt>
#include <gtest/gtest.h>

#include <iterator>

using sw::ui::tastencode;

TEST(Tastencodes, BuchstabenZiffernFTastenLeertasteUndOemCodes) {
    // Letters, digits, F keys, space; the German keys; the US keys.
    const int tasten[] = {
        Qt::Key_A,          Qt::Key_Z,          Qt::Key_0,           Qt::Key_9,
        Qt::Key_F1,         Qt::Key_F12,        Qt::Key_Space,       Qt::Key_Udiaeresis,
        Qt::Key_Odiaeresis, Qt::Key_Adiaeresis, Qt::Key_ssharp,      Qt::Key_Plus,
        Qt::Key_NumberSign, Qt::Key_Less,       Qt::Key_Semicolon,   Qt::Key_Comma,
        Qt::Key_Minus,      Qt::Key_Period,     Qt::Key_BracketLeft, Qt::Key_BracketRight,
        Qt::Key_Apostrophe};
    const int codes[] = {65,  90,  48,  57,  112, 123, 32,  186, 192, 222, 219,
                         187, 191, 226, 186, 188, 189, 190, 219, 221, 222};
    static_assert(std::size(tasten) == std::size(codes));
    for (std::size_t i = 0; i < std::size(tasten); ++i)
        EXPECT_EQ(tastencode(tasten[i]), codes[i]) << tasten[i];
    // Unmapped: arrows, Enter, Escape, F13, the backslash, the keypad's Enter.
    for (int t : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return,
                  Qt::Key_Escape, Qt::Key_F13, Qt::Key_Backslash, Qt::Key_Enter, Qt::Key_Shift})
        EXPECT_EQ(tastencode(t), -1) << t;
}
