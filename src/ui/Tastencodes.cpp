#include "ui/Tastencodes.h"

#include <Qt>

namespace sw::ui {

namespace {

struct Paar {
    int qt;
    int code;
};

// Punctuation by the key that carries it. Where the German and the US layout put the same
// character on different keys, the US key wins (',' '.' '-' are on the same keys in both).
constexpr Paar kOem[] = {
    {Qt::Key_Semicolon, 186},    {Qt::Key_Colon, 186},      {Qt::Key_Udiaeresis, 186},
    {Qt::Key_Equal, 187},        {Qt::Key_Plus, 187},       {Qt::Key_Asterisk, 187},
    {Qt::Key_Comma, 188},        {Qt::Key_Less, 226},       {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},   {Qt::Key_Period, 190},     {Qt::Key_Greater, 226},
    {Qt::Key_Slash, 191},        {Qt::Key_Question, 191},   {Qt::Key_NumberSign, 191},
    {Qt::Key_QuoteLeft, 192},    {Qt::Key_AsciiTilde, 192}, {Qt::Key_Odiaeresis, 192},
    {Qt::Key_BracketLeft, 219},  {Qt::Key_BraceLeft, 219},  {Qt::Key_ssharp, 219},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Dead_Acute, 221},
    {Qt::Key_acute, 221},        {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
    {Qt::Key_Adiaeresis, 222},   {Qt::Key_Bar, 226},
};

} // namespace

int tastencode(int t) {
    if (t >= Qt::Key_A && t <= Qt::Key_Z) return 65 + (t - Qt::Key_A);
    if (t >= Qt::Key_0 && t <= Qt::Key_9) return 48 + (t - Qt::Key_0);
    if (t >= Qt::Key_F1 && t <= Qt::Key_F12) return 112 + (t - Qt::Key_F1);
    if (t == Qt::Key_Space) return 32;
    for (const auto& p : kOem)
        if (p.qt == t) return p.code;
    return -1;
}

} // namespace sw::ui
