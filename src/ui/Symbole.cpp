#include "ui/Symbole.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>
#include <QWidget>

namespace sw::ui {

namespace {

// The property under which an action or button keeps its icon's name.
constexpr const char* kSymbolEigenschaft = "strahlwerkSymbol";

QHash<QString, QIcon>& zwischenspeicher() {
    static QHash<QString, QIcon> icons;
    return icons;
}

QPixmap zeichnen(QSvgRenderer& svg, int groesse, qreal dpr) {
    const int pixel = qRound(groesse * dpr);
    QPixmap bild(pixel, pixel);
    bild.fill(Qt::transparent);
    QPainter g(&bild);
    g.setRenderHint(QPainter::Antialiasing);
    svg.render(&g, QRectF(0, 0, pixel, pixel));
    g.end();
    bild.setDevicePixelRatio(dpr);
    return bild;
}

// Adds the pixmaps of one mode, drawn in `farbe`.
void modusHinzu(QIcon& icon, const QByteArray& quelle, const QColor& farbe, QIcon::Mode modus) {
    QByteArray text = quelle;
    text.replace(kSymbolPlatzhalter, farbe.name(QColor::HexRgb).toLatin1());
    QSvgRenderer svg(text);
    if (!svg.isValid()) return;
    for (int groesse : {16, 24, 32, 48})
        for (qreal dpr : {1.0, 1.5, 2.0}) icon.addPixmap(zeichnen(svg, groesse, dpr), modus);
}

} // namespace

const QStringList& symbolNamen() {
    static const QStringList namen = {"werkzeug-hand",
                                      "werkzeug-punkt",
                                      "werkzeug-linie",
                                      "werkzeug-polylinie",
                                      "werkzeug-polygon",
                                      "werkzeug-rechteck",
                                      "werkzeug-ellipse",
                                      "werkzeug-freihand",
                                      "werkzeug-radierer",
                                      "werkzeug-pipette",
                                      "werkzeug-auswahl",
                                      "werkzeug-zoom",
                                      "abspielen",
                                      "stoppen",
                                      "simulation",
                                      "rueckgaengig",
                                      "wiederholen",
                                      "neu",
                                      "ordner-oeffnen",
                                      "neu-laden",
                                      "speichern",
                                      "speichern-unter",
                                      "ilda-import",
                                      "ilda-export",
                                      "beenden",
                                      "einpassen",
                                      "zoom-100",
                                      "zoom-plus",
                                      "zoom-minus",
                                      "raster",
                                      "laser-frei",
                                      "blackout",
                                      "helligkeit",
                                      "erster-frame",
                                      "letzter-frame",
                                      "frame-einfuegen",
                                      "frames-kopieren",
                                      "frames-einfuegen",
                                      "frames-loeschen",
                                      "morph",
                                      "palette-laden",
                                      "palette-speichern",
                                      "palette-neu",
                                      "geraete",
                                      "hilfe",
                                      "tastatur",
                                      "info",
                                      "thema",
                                      "text",
                                      "aufnahme",
                                      "schleife",
                                      "uhr",
                                      "schneller",
                                      "langsamer",
                                      "ausschneiden",
                                      "verschieben"};
    return namen;
}

QIcon symbol(const QString& name) {
    auto& icons = zwischenspeicher();
    if (auto it = icons.constFind(name); it != icons.constEnd()) return *it;
    QIcon icon;
    QFile datei(":/symbole/" + name + ".svg");
    if (datei.open(QIODevice::ReadOnly)) {
        const QByteArray quelle = datei.readAll();
        const QPalette palette = QApplication::palette();
        modusHinzu(icon, quelle, palette.color(QPalette::Active, QPalette::WindowText),
                   QIcon::Normal);
        // Qt's own greying of a disabled icon loses a light line on a dark ground; draw the
        // disabled icon in the palette's disabled text colour instead.
        modusHinzu(icon, quelle, palette.color(QPalette::Disabled, QPalette::WindowText),
                   QIcon::Disabled);
    }
    icons.insert(name, icon);
    return icon;
}

void symboleVergessen() {
    zwischenspeicher().clear();
}

void symbolSetzen(QAction* aktion, const QString& name) {
    aktion->setProperty(kSymbolEigenschaft, name);
    aktion->setIcon(symbol(name));
}

void symbolSetzen(QAbstractButton* knopf, const QString& name) {
    knopf->setProperty(kSymbolEigenschaft, name);
    knopf->setIcon(symbol(name));
}

void symboleErneuern(QWidget* wurzel) {
    if (!wurzel) return;
    auto erneuern = [](QObject* o) {
        const QString name = o->property(kSymbolEigenschaft).toString();
        if (name.isEmpty()) return;
        if (auto* a = qobject_cast<QAction*>(o))
            a->setIcon(symbol(name));
        else if (auto* k = qobject_cast<QAbstractButton*>(o))
            k->setIcon(symbol(name));
    };
    erneuern(wurzel);
    for (QObject* o : wurzel->findChildren<QObject*>()) erneuern(o);
}

} // namespace sw::ui
