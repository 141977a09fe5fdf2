#pragma once
// The show picture between an image and the show information's text: PNG bytes as the record's
// text (`bildAlsText`), so the picture comes back pixel for pixel. A picture whose PNG does not
// fit the record is made smaller until it does. GUI thread only.

#include <QImage>

#include <optional>
#include <string>

namespace sw::ui {

// The record's text of `bild` (empty for a null image). Larger than 1024 x 1024 or too large as
// a PNG for the record, it is scaled down, keeping its proportions.
std::string bildKodieren(const QImage& bild);
// The picture of a record's text; a null image for an empty or unreadable text.
QImage bildDekodieren(const std::string& text);
// The record's text of an image file; nullopt when the file is not a readable picture.
std::optional<std::string> bilddateiKodieren(const QString& datei);

} // namespace sw::ui
