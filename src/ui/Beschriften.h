#pragma once
// Looks a caption up in the language table; the English wording stands in while the language
// file lacks it.

#include "platform/Sprachtexte.h"
#include "ui/Beschriftungen.h"

#include <QKeySequence>
#include <QString>

namespace sw::ui {

inline QString beschriftung(const Sprachtexte& t, const text::Beschriftung& b) {
    return QString::fromStdString(t.text(b.nummer, b.englisch));
}

// A caption without its "&" accelerator marks, as tool texts and labels show it.
inline QString ohneKuerzel(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// "Text (Ctrl+S)": a tool text naming the key that does the same.
inline QString mitTaste(const QString& text, const QKeySequence& taste) {
    if (taste.isEmpty()) return text;
    return text + QStringLiteral(" (") + taste.toString(QKeySequence::NativeText) +
           QStringLiteral(")");
}

} // namespace sw::ui
