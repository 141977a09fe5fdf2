// Drawing the timeline view. Only what the paint rectangle shows is looked at: the events of
// each row come from the index for the visible time range, bars too narrow to read are merged
// into runs, and names and pictures are drawn only where a bar has room for them.

#include "ui/Zeitleiste.h"

#include "core/Farbpalette.h"
#include "live/KeyTable.h"
#include "ui/Beschriften.h"
#include "ui/Figurziehen.h"
#include "ui/ZeitleisteTexte.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace sw::ui {

namespace zt = zeitleistentext;

namespace {

constexpr int kZeilen = sequenz::kZeilenJeGruppe;
constexpr int kSchmal = 3; // bars narrower than this many pixels merge into runs
constexpr int kKlein = 14; // bars narrower than this have no outline, picture or name

QColor mischen(const QColor& a, const QColor& b, double anteilB) {
    const double a1 = 1 - anteilB;
    return QColor::fromRgbF(static_cast<float>(a.redF() * a1 + b.redF() * anteilB),
                            static_cast<float>(a.greenF() * a1 + b.greenF() * anteilB),
                            static_cast<float>(a.blueF() * a1 + b.blueF() * anteilB));
}

// The selection colour for thin strokes and small marks: brighter on the dark ground, where
// the palette's selection colour is meant as a fill behind light text.
QColor akzent(const QPalette& pal) {
    const QColor h = pal.color(QPalette::Active, QPalette::Highlight);
    return pal.color(QPalette::Base).lightness() < 128 ? h.lighter(170) : h;
}

QColor mitAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// The row (1 to 19) of a track within its group.
int zeileVon(int track) {
    return track - kZeilen * ((track - 1) / kZeilen);
}

// The caption of a device group's button: A to D, then the numbers.
QString gruppenName(int gruppe) {
    return gruppe < 4 ? QString(QChar('A' + gruppe)) : QString::number(gruppe + 1);
}

// A label in a small box beside a point, kept inside the widget.
void schild(QPainter& g, const QWidget& w, QPoint bei, const QString& text, const QColor& grund,
            const QColor& schrift) {
    const QFontMetrics fm = w.fontMetrics();
    QRect r(0, 0, fm.horizontalAdvance(text) + 10, fm.height() + 4);
    r.moveTopLeft(bei);
    if (r.right() > w.width() - 2) r.moveRight(w.width() - 2);
    if (r.top() < 2) r.moveTop(2);
    g.setPen(Qt::NoPen);
    g.setBrush(grund);
    g.drawRoundedRect(r, 4, 4);
    g.setPen(schrift);
    g.drawText(r, Qt::AlignCenter, text);
}

} // namespace

// --- What an event shows -------------------------------------------------------------------

long Zeitleiste::figurVon(const SeqEvent& e) const {
    if (e.kind == sequenz::kEffektwert || e.key < 0) return -2;
    const auto& t = s_.p.live.keyTable;
    if (static_cast<std::size_t>(e.key) >= t.size() || !t[static_cast<std::size_t>(e.key)])
        return -3; // an empty key
    return *t[static_cast<std::size_t>(e.key)];
}

QString Zeitleiste::eventName(const SeqEvent& e) const {
    const Sprachtexte& t = s_.p.texte;
    if (e.kind == sequenz::kEffektwert)
        return beschriftung(t, zt::EffektWert).arg(zeileVon(e.track)).arg(e.value);
    const auto& f = s_.p.figuren;
    const long eintrag = figurVon(e);
    if (eintrag == -1) return beschriftung(t, zt::Blackout);
    if (eintrag < -1 && eintrag != -2 && eintrag != -3) {
        const auto i = static_cast<std::size_t>(-eintrag);
        if (i < f.lstMakros.size()) return QString::fromStdString(f.lstMakros[i]);
    }
    if (eintrag >= 0 && static_cast<std::size_t>(eintrag) < f.lstFiguren.size()) {
        QString name = QString::fromStdString(f.lstFiguren[static_cast<std::size_t>(eintrag)]);
        if (name.endsWith(QStringLiteral(".qvb"), Qt::CaseInsensitive)) name.chop(4);
        return name;
    }
    return beschriftung(t, zt::TasteLeer).arg(e.key);
}

QColor Zeitleiste::eventFarbe(const SeqEvent& e) const {
    const bool dunkel = palette().color(QPalette::Base).lightness() < 128;
    const long eintrag = figurVon(e);
    if (eintrag == -1) return dunkel ? QColor(0x10, 0x10, 0x12) : QColor(0x3a, 0x3a, 0x40);
    if (eintrag == -3) return dunkel ? QColor(0x55, 0x57, 0x5c) : QColor(0xc4, 0xc6, 0xcb);
    // Each figure its own hue, spread by the golden angle, soft enough for dark text (light
    // look) or light text (dark look).
    const double schluessel = eintrag >= 0 ? static_cast<double>(eintrag) : 1000.0 - eintrag;
    const double farbton = std::fmod(0.57 + schluessel * 0.6180339887, 1.0);
    return dunkel ? QColor::fromHsvF(static_cast<float>(farbton), 0.55f, 0.50f)
                  : QColor::fromHsvF(static_cast<float>(farbton), 0.33f, 0.97f);
}

const QImage& Zeitleiste::figurBild(long figur, int seite) {
    static const QImage leer;
    const auto& s = s_.p.figuren;
    // A figure-list entry that is a figure (not a showpart), loaded.
    if (figur < 0 || static_cast<std::size_t>(figur) >= s.Listentyp.size() ||
        s.Listentyp[static_cast<std::size_t>(figur)] != listentyp::Figur ||
        !s.Figuren.enthaelt(figur) || s.Figuren[figur].Frames.empty())
        return leer;
    const auto& punkte = s.Figuren[figur].Frames.front().Punkte;
    Bild& b = bilder_[figur * 1024 + seite];
    if (b.punkte == punkte.data() && b.anzahl == punkte.size() && b.seite == seite) return b.bild;
    b.punkte = punkte.data();
    b.anzahl = punkte.size();
    b.seite = seite;
    // The first frame as the laser draws it, on black, as small as the row.
    const qreal dpr = devicePixelRatioF();
    b.bild = QImage(QSize(seite, seite) * dpr, QImage::Format_ARGB32_Premultiplied);
    b.bild.setDevicePixelRatio(dpr);
    b.bild.fill(Qt::transparent);
    QPainter g(&b.bild);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0x08, 0x08, 0x0a));
    g.drawRoundedRect(QRectF(0, 0, seite, seite), 2.5, 2.5);
    frameLinienZeichnen(g, s_.p, punkte, QPointF(seite / 2.0, seite / 2.0), (seite - 3) / 65536.0,
                        1.0);
    return b.bild;
}

QString Zeitleiste::eventHilfe(long index) const {
    const auto& seq = s_.p.sequenzer;
    if (index < 1 || index > sequenz::anzahl(seq.Events)) return {};
    const SeqEvent& e = seq.Events[static_cast<std::size_t>(index)];
    const Sprachtexte& t = s_.p.texte;
    QString art;
    if (e.kind == sequenz::kTasteGedrueckt)
        art = beschriftung(t, zt::ArtGedrueckt);
    else if (e.kind == sequenz::kTasteLosgelassen)
        art = beschriftung(t, zt::ArtLosgelassen);
    else if (e.kind == sequenz::kEffektwert)
        art = beschriftung(t, zt::ArtEffekt);
    else
        art = beschriftung(t, zt::ArtAndere).arg(e.kind);
    return beschriftung(t, zt::EventHilfe)
        .arg(eventName(e))
        .arg(zeileVon(e.track))
        .arg(QString::fromStdString(zeitText(e.start, 10)),
             QString::fromStdString(zeitText(e.off, 10)), art)
        .arg(e.key)
        .arg(e.value);
}

// --- Painting ------------------------------------------------------------------------------

void Zeitleiste::paintEvent(QPaintEvent* ereignis) {
    const auto& seq = s_.p.sequenzer;
    index_.aktualisieren(seq.Events);
    if (!folgen_->isActive()) linie_ = seq.cursorZeit;
    const auto& show = s_.p.show;
    if (welleSchluessel_ != show.Showordner + '|' + show.MediaDatei)
        QTimer::singleShot(0, this, [this] { wellenformNeu(); });
    // The show grew or shrank since the last paint: a part drawn now would not fit the rest.
    if (sichtPruefen() && ereignis->rect() != rect()) update();

    QPainter g(this);
    const QRect bereich = ereignis->rect();
    g.setClipRect(bereich);
    zeichnenSpuren(g, bereich);
    zeichnenZeitleiste(g, bereich);
    const double rand = 100 * sicht_.msProPixel; // labels of markers reach right of them
    zeichnenEvents(g, bereich, zeitBei(bereich.left()) - rand, zeitBei(bereich.right() + 2));
    zeichnenUeberlagerung(g);
}

void Zeitleiste::zeichnenZeitleiste(QPainter& g, const QRect& bereich) {
    const int lineal = linealHoehe(), zeit = zeitHoehe();
    if (bereich.top() >= zeit) return;
    const QPalette& pal = palette();
    const bool dunkel = pal.color(QPalette::Base).lightness() < 128;
    const QColor text = pal.color(QPalette::WindowText);
    const QColor fenster = pal.color(QPalette::Window);
    const int links = linksBreite(), rechts = width();
    const double ende = sicht_.anfang + sichtBreite();

    // Ruler and waveform ground; the group's name in the corner.
    g.fillRect(QRect(links, 0, rechts - links, lineal),
               mischen(fenster, text, dunkel ? 0.06 : 0.04));
    const QColor wellenGrund = dunkel ? QColor(0x14, 0x15, 0x18) : mischen(fenster, text, 0.09);
    g.fillRect(QRect(links, lineal, rechts - links, zeit - lineal), wellenGrund);
    g.fillRect(QRect(0, 0, links, zeit), fenster);
    QFont fett = font();
    fett.setBold(true);
    fett.setPointSizeF(font().pointSizeF() * 1.3);
    g.setFont(fett);
    g.setPen(mischen(text, fenster, 0.25));
    g.drawText(QRect(0, 0, links, zeit), Qt::AlignCenter, gruppenName(s_.p.sequenzer.optDeviceNr));
    g.setFont(font());

    // The media: its waveform, a plain bar where there is none, and a line at its end.
    const double laenge = s_.p.sequenzer.Medienlaenge;
    const int wOben = lineal + 3, wHoehe = zeit - lineal - 6;
    const QColor wellenFarbe = dunkel ? QColor(0x4c, 0xc3, 0x8a) : QColor(0x2e, 0x8b, 0x57);
    g.setPen(mitAlpha(text, 50));
    g.drawLine(QPointF(links, wOben + wHoehe / 2.0), QPointF(rechts, wOben + wHoehe / 2.0));
    const int px0 = std::max(bereich.left(), links), px1 = std::min(bereich.right(), rechts - 1);
    if (!welle_.leer()) {
        QVector<QLineF> linien;
        linien.reserve(px1 - px0 + 1);
        const double f = static_cast<double>(wHoehe) / std::max(1, welle_.hoehe - 1);
        for (int px = px0; px <= px1; ++px) {
            int o = 0, u = 0;
            if (!welle_.bereich(zeitBei(px), zeitBei(px + 1), o, u)) continue;
            linien.append(QLineF(px + 0.5, wOben + o * f, px + 0.5, wOben + u * f + 0.5));
        }
        g.setPen(QPen(wellenFarbe, 1));
        g.drawLines(linien);
    } else if (laenge > 0 && !s_.p.show.MediaDatei.empty() && s_.p.show.MediaDatei != "No.mp3") {
        const double a = std::max<double>(links, x(0)), b = std::min<double>(rechts, x(laenge));
        if (b > a)
            g.fillRect(QRectF(a, wOben + wHoehe * 0.3, b - a, wHoehe * 0.4),
                       mitAlpha(wellenFarbe, 150));
    }
    if (laenge > 0 && x(laenge) >= links && x(laenge) <= rechts) {
        g.setPen(QPen(mitAlpha(text, 140), 1, Qt::DashLine));
        g.drawLine(QPointF(x(laenge), lineal), QPointF(x(laenge), spurenRechteck().bottom()));
    }

    // Ticks and labels; labels at least the width of the longest text apart.
    const QFontMetrics fm = fontMetrics();
    const Linealschritt schritt =
        linealSchritt(sicht_.msProPixel, fm.horizontalAdvance(QStringLiteral("0:00:00.00")) + 16);
    const long long haupt = std::llround(schritt.haupt), neben = std::llround(schritt.neben);
    g.setPen(mischen(text, fenster, 0.35));
    for (long long n = static_cast<long long>(std::floor(sicht_.anfang / neben));; ++n) {
        const long long t = n * neben;
        if (t > ende) break;
        const double px = std::floor(x(static_cast<double>(t))) + 0.5;
        if (px < links) continue;
        const bool gross = t % haupt == 0;
        g.drawLine(QPointF(px, lineal - (gross ? 9 : 4)), QPointF(px, lineal));
        if (gross)
            g.drawText(QPointF(px + 3, fm.ascent() + 3),
                       QString::fromStdString(zeitText(static_cast<double>(t), schritt.haupt)));
    }
    g.setPen(mischen(fenster, text, 0.25));
    g.drawLine(QPointF(links, lineal - 0.5), QPointF(rechts, lineal - 0.5));
    g.drawLine(QPointF(0, zeit - 0.5), QPointF(rechts, zeit - 0.5));
}

void Zeitleiste::zeichnenSpuren(QPainter& g, const QRect& bereich) {
    const QPalette& pal = palette();
    const QColor grund = pal.color(QPalette::Base), text = pal.color(QPalette::Text);
    const QColor fenster = pal.color(QPalette::Window);
    const bool dunkel = grund.lightness() < 128;
    const QRect spuren = spurenRechteck();
    const int links = linksBreite();
    const double h = zeilenHoehe();
    const QColor effektTon(0xd9, 0x8c, 0x1f);
    const Sprachtexte& t = s_.p.texte;
    g.fillRect(bereich, grund); // no seam between rows of fractional height stays undrawn
    const QFontMetrics fm = fontMetrics();
    for (int z = 1; z <= kZeilen; ++z) {
        const double oben = zeilenOben(z);
        if (oben > bereich.bottom() || oben + h < bereich.top()) continue;
        QColor c = z % 2 ? grund : mischen(grund, text, dunkel ? 0.05 : 0.035);
        if (z == kZeilen) c = mischen(c, effektTon, dunkel ? 0.10 : 0.08);
        g.fillRect(QRectF(links, oben, spuren.width(), h), c);
        g.fillRect(QRectF(0, oben, links, h),
                   z == kZeilen ? mischen(fenster, effektTon, 0.18) : fenster);
        if (h >= fm.height() - 4) {
            g.setPen(mischen(pal.color(QPalette::WindowText), fenster, 0.2));
            const QString name =
                z == kZeilen ? QStringLiteral("%1 %2").arg(z).arg(beschriftung(t, zt::Effektzeile))
                             : QString::number(z);
            g.drawText(QRectF(4, oben, links - 10, h), Qt::AlignVCenter | Qt::AlignRight, name);
        }
    }
    // Below the rows, beside the scroll bar.
    const int unten = spuren.top() + spuren.height();
    g.fillRect(QRect(0, unten, width(), height() - unten), fenster);
    g.setPen(mischen(fenster, text, 0.25));
    g.drawLine(QPointF(links - 0.5, zeitHoehe()), QPointF(links - 0.5, unten));

    // The grid: a faint line per mark, fewer where they would crowd.
    const auto& r = s_.p.sequenzer.raster;
    if (r.an && !r.marken.empty()) {
        const double von = sicht_.anfang, bis = von + sichtBreite();
        auto a = std::lower_bound(r.marken.begin(), r.marken.end(), von);
        auto b = std::upper_bound(r.marken.begin(), r.marken.end(), bis);
        const auto anzahl = std::distance(a, b);
        const long jede =
            std::max<long>(1, static_cast<long>(anzahl * 4 / std::max(1, spuren.width())) + 1);
        g.setPen(QPen(mitAlpha(effektTon, dunkel ? 120 : 150), 1));
        for (auto i = a; i < b; ++i) {
            if ((i - r.marken.begin()) % jede) continue;
            const double px = std::floor(x(*i)) + 0.5;
            g.drawLine(QPointF(px, linealHoehe() - 5), QPointF(px, unten));
        }
    }
}

void Zeitleiste::zeichnenEvents(QPainter& g, const QRect& bereich, double von, double bis) {
    const auto& seq = s_.p.sequenzer;
    const auto& ev = seq.Events;
    const QPalette& pal = palette();
    const QColor grund = pal.color(QPalette::Base), text = pal.color(QPalette::Text);
    const QColor hervor = pal.color(QPalette::Active, QPalette::Highlight), akz = akzent(pal);
    const QColor dicht = mischen(grund, text, 0.45);
    const QColor effektTon(0xd9, 0x8c, 0x1f);
    const QRect spuren = spurenRechteck();
    const double links = spuren.left(), rechts = spuren.left() + spuren.width();
    const double h = zeilenHoehe();
    const double hh = std::max(3.0, h - 4);
    g.save();
    g.setClipRect(spuren.intersected(bereich));
    g.setRenderHint(QPainter::Antialiasing, false);
    QFont klein = font();
    if (hh - 2 < QFontMetricsF(klein).height())
        klein.setPixelSize(std::max(8, static_cast<int>(hh - 3)));
    g.setFont(klein);
    const QFontMetrics fm(klein);
    const int bildSeite = static_cast<int>(hh) - 2;

    for (int z = 1; z <= kZeilen; ++z) {
        const double y0 = zeilenOben(z) + 2;
        if (y0 > bereich.bottom() || y0 + hh < bereich.top()) continue;
        // A run of bars too narrow to tell apart.
        double lauf0 = 0, lauf1 = -1;
        bool laufMarkiert = false;
        auto laufZeichnen = [&] {
            if (lauf1 < lauf0) return;
            g.fillRect(QRectF(lauf0, y0, std::max(1.0, lauf1 - lauf0), hh),
                       laufMarkiert ? akz : dicht);
            lauf1 = lauf0 - 1;
        };
        index_.sichtbare(ev, sequenz::track(seq.optDeviceNr, z), von, bis, [&](long k) {
            const SeqEvent& e = ev[static_cast<std::size_t>(k)];
            const bool m = markiert(k);
            const double x0 = x(e.start);
            if (e.kind == sequenz::kTasteLosgelassen || e.kind == sequenz::kEffektwert) {
                laufZeichnen();
                if (x0 < links - 200 || x0 > rechts + 4) return;
                const QColor c = m ? akz : e.kind == sequenz::kEffektwert ? effektTon : dicht;
                if (e.kind == sequenz::kTasteLosgelassen) {
                    // A release: a thin stroke with a notch at the top.
                    g.fillRect(QRectF(std::floor(x0), y0, 2, hh), c);
                    g.fillRect(QRectF(std::floor(x0) - 2, y0, 6, 2), c);
                    return;
                }
                // An effect value: a diamond and its value, as far as the next event allows.
                const double r = std::min(hh / 2, 6.0), ym = y0 + hh / 2;
                QPainterPath raute;
                raute.moveTo(x0, ym - r);
                raute.lineTo(x0 + r, ym);
                raute.lineTo(x0, ym + r);
                raute.lineTo(x0 - r, ym);
                raute.closeSubpath();
                g.setRenderHint(QPainter::Antialiasing, true);
                g.fillPath(raute, c);
                g.setRenderHint(QPainter::Antialiasing, false);
                const double platz = std::min(x(e.off), rechts) - x0 - r - 4;
                QString wert = eventName(e);
                if (fm.horizontalAdvance(wert) > platz) wert = QString::number(e.value);
                if (fm.horizontalAdvance(wert) <= platz) {
                    g.setPen(m ? akz : text);
                    g.drawText(QRectF(x0 + r + 3, y0, platz, hh), Qt::AlignVCenter | Qt::AlignLeft,
                               wert);
                }
                return;
            }
            const double x1 = x(std::max(e.off, e.start));
            const double a = std::max(x0, links - 2), b = std::min(x1, rechts + 2);
            if (b < links || a > rechts) return;
            if (x1 - x0 < kSchmal) {
                if (lauf1 >= lauf0 && a <= lauf1 + 1 && m == laufMarkiert) {
                    lauf1 = std::max(lauf1, std::max(b, a + 1));
                } else {
                    laufZeichnen();
                    lauf0 = a;
                    lauf1 = std::max(b, a + 1);
                    laufMarkiert = m;
                }
                return;
            }
            laufZeichnen();
            const QRectF balken(a, y0, b - a, hh);
            QColor fuellung = eventFarbe(e);
            if (m) fuellung = mischen(fuellung, hervor, 0.6);
            if (b - a < kKlein) {
                // Small bars: plain blocks with a darker end, many times cheaper than outlines.
                g.fillRect(balken, m ? akz : fuellung);
                g.fillRect(QRectF(b - 1, y0, 1, hh), fuellung.darker(150));
                return;
            }
            g.setRenderHint(QPainter::Antialiasing, true);
            g.setPen(m ? QPen(akz, 2) : QPen(fuellung.darker(135), 1));
            g.setBrush(fuellung);
            g.drawRoundedRect(balken.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            g.setRenderHint(QPainter::Antialiasing, false);
            // The picture first (it tells a figure at a glance), then the name where at least
            // a few letters fit; both stay in view while the bar starts left of it.
            double innen = std::max(x0, links) + 3;
            const double frei = b - 3;
            const int seite = std::min(bildSeite, static_cast<int>(frei - innen));
            if (seite >= 10) {
                const QImage& bild = figurBild(figurVon(e), seite);
                if (!bild.isNull()) {
                    g.drawImage(QPointF(innen, y0 + (hh - seite) / 2), bild);
                    innen += seite + 4;
                }
            }
            const QString name = eventName(e);
            const int raum = static_cast<int>(frei - innen);
            if (raum >= std::min(fm.horizontalAdvance(name),
                                 fm.horizontalAdvance(QStringLiteral("Mmm…")))) {
                g.setPen(m || fuellung.lightness() < 128 ? QColor(0xf4, 0xf4, 0xf4)
                                                         : QColor(0x1a, 0x1a, 0x1e));
                g.drawText(QRectF(innen, y0, frei - innen, hh), Qt::AlignVCenter | Qt::AlignLeft,
                           fm.elidedText(name, Qt::ElideRight, raum));
            }
        });
        laufZeichnen();
    }
    g.restore();
}

void Zeitleiste::zeichnenUeberlagerung(QPainter& g) {
    const auto& seq = s_.p.sequenzer;
    const QPalette& pal = palette();
    const QColor hervor = pal.color(QPalette::Active, QPalette::Highlight), akz = akzent(pal);
    const QColor schildGrund = mitAlpha(pal.color(QPalette::ToolTipBase), 235);
    const QColor schildText = pal.color(QPalette::ToolTipText);
    const QRect spuren = spurenRechteck();
    const double h = zeilenHoehe();
    const int gruppe = seq.optDeviceNr;

    if (geste_ == Geste::Verschieben) {
        // The marked events where they would land, and the grabbed one's new time.
        g.save();
        g.setClipRect(spuren);
        g.setRenderHint(QPainter::Antialiasing, true);
        g.setPen(QPen(akz, 1.5, Qt::DashLine));
        g.setBrush(mitAlpha(hervor, 70));
        const double von = sicht_.anfang - verschiebung_, bis = von + sichtBreite();
        for (long k : seq.markiert) {
            if (k < 1 || k > sequenz::anzahl(seq.Events)) continue;
            const SeqEvent& e = seq.Events[static_cast<std::size_t>(k)];
            const int zeile = e.track - kZeilen * gruppe;
            if (zeile < 1 || zeile > kZeilen || e.start > bis || std::max(e.off, e.start) < von)
                continue;
            // A release or an effect value is a mark, not a bar: its ghost is small too.
            const bool marke =
                e.kind == sequenz::kTasteLosgelassen || e.kind == sequenz::kEffektwert;
            const double x0 = x(e.start + verschiebung_) - (marke ? 5 : 0);
            const double x1 =
                marke ? x0 + 10 : std::max(x0 + 4, x(std::max(e.off, e.start) + verschiebung_));
            g.drawRoundedRect(QRectF(x0, zeilenOben(zeile) + 2, x1 - x0, std::max(3.0, h - 4)), 3,
                              3);
        }
        g.restore();
        if (gegriffen_ >= 1 && gegriffen_ <= sequenz::anzahl(seq.Events)) {
            const double neu =
                seq.Events[static_cast<std::size_t>(gegriffen_)].start + verschiebung_;
            const QString um = QString(verschiebung_ < 0 ? QChar('-') : QChar('+')) +
                               QString::fromStdString(zeitText(std::abs(verschiebung_), 10));
            schild(g, *this, maus_ + QPoint(14, -fontMetrics().height() - 10),
                   beschriftung(s_.p.texte, zt::VerschiebenNach)
                       .arg(QString::fromStdString(zeitText(neu, 10)), um),
                   schildGrund, schildText);
        }
    }
    if (geste_ == Geste::Band && !band_.isNull()) {
        g.setPen(QPen(akz, 1));
        g.setBrush(mitAlpha(akz, 45));
        g.drawRect(band_.intersected(rect()));
    }
    if (ablage_) {
        const auto [zeile, zeit] = *ablage_;
        const double px = std::floor(x(zeit)) + 0.5;
        g.fillRect(QRectF(spuren.left(), zeilenOben(zeile), spuren.width(), h), mitAlpha(akz, 45));
        g.setPen(QPen(akz, 2));
        g.drawLine(QPointF(px, zeilenOben(zeile) - 3), QPointF(px, zeilenOben(zeile) + h + 3));
        schild(g, *this,
               QPoint(static_cast<int>(px) + 6,
                      static_cast<int>(zeilenOben(zeile) - fontMetrics().height() - 8)),
               beschriftung(s_.p.texte, zt::AblegenBei)
                   .arg(zeile)
                   .arg(QString::fromStdString(zeitText(zeit, 10))),
               schildGrund, schildText);
    }
    // The cursor line over everything, with its head in the ruler.
    const double px = std::floor(x(linie_)) + 0.5;
    if (px >= linksBreite() && px <= width()) {
        const QColor rot(0xe5, 0x39, 0x35);
        g.setRenderHint(QPainter::Antialiasing, true);
        g.setPen(QPen(rot, 2));
        g.drawLine(QPointF(px, 0), QPointF(px, spuren.bottom() + 1));
        QPainterPath kopf;
        kopf.moveTo(px - 6, 0);
        kopf.lineTo(px + 6, 0);
        kopf.lineTo(px, 8);
        kopf.closeSubpath();
        g.fillPath(kopf, rot);
    }
}

} // namespace sw::ui
