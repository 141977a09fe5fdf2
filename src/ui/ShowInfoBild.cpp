#include "ui/ShowInfoBild.h"

#include "show/ShowInfo.h"

#include <QBuffer>
#include <QImageReader>

namespace sw::ui {

namespace {

QByteArray alsPng(const QImage& bild) {
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG", 9);
    return png;
}

} // namespace

std::string bildKodieren(const QImage& bild) {
    if (bild.isNull()) return {};
    QImage b = bild;
    if (b.width() > 1024 || b.height() > 1024)
        b = b.scaled(1024, 1024, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray png = alsPng(b);
    // Each step takes about a quarter of the pixels off; a photograph fits after a few.
    while (static_cast<std::size_t>(png.size()) > kGroessteBilddatei) {
        b = b.scaled(std::max(1, b.width() * 7 / 8), std::max(1, b.height() * 7 / 8),
                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        png = alsPng(b);
    }
    return bildAlsText(std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

QImage bildDekodieren(const std::string& text) {
    const std::string png = bildAusText(text);
    QImage bild;
    if (!png.empty())
        bild.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()));
    return bild;
}

std::optional<std::string> bilddateiKodieren(const QString& datei) {
    QImageReader leser(datei);
    leser.setAutoTransform(true);
    // A very large picture is read at the size it will be kept at, not in full first.
    const QSize gross = leser.size();
    if (gross.width() > 1024 || gross.height() > 1024)
        leser.setScaledSize(gross.scaled(1024, 1024, Qt::KeepAspectRatio));
    const QImage bild = leser.read();
    if (bild.isNull()) return std::nullopt;
    return bildKodieren(bild);
}

} // namespace sw::ui
