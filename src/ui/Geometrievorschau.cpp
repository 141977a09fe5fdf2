#include "ui/Geometrievorschau.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace sw::ui {

namespace {

constexpr double kMitte = 32767;

// A line of the test picture in picture coordinates, cut into pieces of at most 1000 units.
void strecke(std::vector<std::pair<QColor, std::vector<QPointF>>>& bild, QColor farbe,
             std::vector<QPointF> ecken) {
    std::vector<QPointF> punkte{ecken.front()};
    for (std::size_t i = 1; i < ecken.size(); ++i) {
        const QPointF a = ecken[i - 1], b = ecken[i];
        const int teile =
            std::max(1, static_cast<int>(std::hypot(b.x() - a.x(), b.y() - a.y()) / 1000));
        for (int k = 1; k <= teile; ++k) punkte.push_back(a + (b - a) * (double(k) / teile));
    }
    bild.emplace_back(farbe, std::move(punkte));
}

const std::vector<std::pair<QColor, std::vector<QPointF>>>& testbild() {
    static const auto bild = [] {
        std::vector<std::pair<QColor, std::vector<QPointF>>> b;
        const double r = 32000;
        strecke(b, Qt::white, {{-r, -r}, {r, -r}, {r, r}, {-r, r}, {-r, -r}});
        for (double v : {-16000.0, 16000.0}) {
            strecke(b, QColor(60, 140, 255), {{v, -r}, {v, r}});
            strecke(b, QColor(60, 140, 255), {{-r, v}, {r, v}});
        }
        strecke(b, QColor(255, 60, 60), {{-r, 0}, {r, 0}});
        strecke(b, QColor(255, 60, 60), {{0, -r}, {0, r}});
        std::vector<QPointF> kreis;
        for (int w = 0; w <= 360; w += 5)
            kreis.emplace_back(20000 * std::cos(w * M_PI / 180), 20000 * std::sin(w * M_PI / 180));
        strecke(b, QColor(60, 220, 60), kreis);
        // An arrow at the top right shows which way is up and right after mirroring.
        strecke(b, QColor(255, 210, 0), {{20000, 26000}, {28000, 26000}, {24000, 30000}});
        return b;
    }();
    return bild;
}

} // namespace

std::vector<Vorschaulinie> vorschauLinien(const Geometriekorrektur& g) {
    std::vector<Vorschaulinie> linien;
    Rohliste liste;
    for (const auto& [farbe, punkte] : testbild()) {
        liste.leeren();
        for (const QPointF& p : punkte) {
            double x = p.x(), y = p.y(), sichtbar = 1;
            showGroesse(g, x, y, sichtbar, 1);
            Listenpunkt l;
            l.X = static_cast<std::int32_t>(std::lround(x));
            l.Y = static_cast<std::int32_t>(std::lround(y));
            liste.anhaengen(l);
        }
        geometriePass(g, liste);
        Vorschaulinie linie{farbe, {}};
        for (long i = liste.erster(); i <= liste.anzahl(); ++i)
            linie.punkte.emplace_back(liste[i].X, liste[i].Y);
        linien.push_back(std::move(linie));
    }
    return linien;
}

Geometrievorschau::Geometrievorschau(std::function<const Geometriekorrektur&()> geometrie,
                                     std::function<GeraeteFarben&()> farben, QWidget* eltern)
    : QWidget(eltern), geometrie_(std::move(geometrie)), farben_(std::move(farben)) {
    setObjectName("picVorschau");
    // Square in whatever room the page leaves it.
    setMinimumSize(240, 240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::CrossCursor);
}

QRectF Geometrievorschau::flaeche() const {
    const double seite = std::min(width(), height()) - 8;
    return {(width() - seite) / 2, (height() - seite) / 2, seite, seite};
}

QPointF Geometrievorschau::widgetpunkt(QPointF g) const {
    const QRectF f = flaeche();
    return {f.left() + g.x() / 65535 * f.width(), f.bottom() - g.y() / 65535 * f.height()};
}

QPointF Geometrievorschau::geraetepunkt(QPointF w) const {
    const QRectF f = flaeche();
    return {std::clamp((w.x() - f.left()) / f.width() * 65535, 0.0, 65535.0),
            std::clamp((f.bottom() - w.y()) / f.height() * 65535, 0.0, 65535.0)};
}

bool Geometrievorschau::inZone(QPointF g) const {
    const auto& z = farben_().AudienceZone;
    const double x = g.x() - kMitte, y = g.y() - kMitte;
    return x > z[0] && x < z[1] && y > z[2] && y < z[3];
}

void Geometrievorschau::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    const QRectF f = flaeche();
    // The projection area is dark in either theme, as a laser's picture is.
    maler.fillRect(f, QColor(16, 16, 24));
    maler.setPen(QPen(palette().color(QPalette::Mid), 1));
    maler.drawRect(f);

    const auto& z = farben_().AudienceZone;
    if (z[1] > z[0] && z[3] > z[2]) {
        const QRectF zone(widgetpunkt({z[0] + kMitte, z[3] + kMitte}),
                          widgetpunkt({z[1] + kMitte, z[2] + kMitte}));
        const double h = std::clamp(farben_().AudienceHelligkeit, 0.0, 1.0);
        maler.fillRect(zone, QColor(255, 140, 0, static_cast<int>(110 - 70 * h)));
        maler.setPen(QPen(QColor(255, 160, 40), 1.5, Qt::DashLine));
        maler.drawRect(zone);
    }
    for (const auto& linie : vorschauLinien(geometrie_())) {
        QPainterPath pfad;
        for (std::size_t i = 0; i < linie.punkte.size(); ++i) {
            const QPointF w = widgetpunkt(linie.punkte[i]);
            if (i == 0)
                pfad.moveTo(w);
            else
                pfad.lineTo(w);
        }
        maler.setPen(QPen(linie.farbe, 1.6));
        maler.drawPath(pfad);
    }
}

void Geometrievorschau::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    anfang_ = geraetepunkt(e->position());
    zoneAm_ = farben_().AudienceZone;
    ziehen_ = inZone(anfang_) ? Ziehen::Verschieben : Ziehen::Zeichnen;
}

void Geometrievorschau::mouseMoveEvent(QMouseEvent* e) {
    if (ziehen_ == Ziehen::Nichts) return;
    const QPointF jetzt = geraetepunkt(e->position());
    auto& z = farben_().AudienceZone;
    if (ziehen_ == Ziehen::Zeichnen) {
        z = {std::min(anfang_.x(), jetzt.x()) - kMitte, std::max(anfang_.x(), jetzt.x()) - kMitte,
             std::min(anfang_.y(), jetzt.y()) - kMitte, std::max(anfang_.y(), jetzt.y()) - kMitte};
    } else {
        // The zone keeps its size and stays inside the picture.
        const double dx =
            std::clamp(jetzt.x() - anfang_.x(), -kMitte - zoneAm_[0], kMitte + 1 - zoneAm_[1]);
        const double dy =
            std::clamp(jetzt.y() - anfang_.y(), -kMitte - zoneAm_[2], kMitte + 1 - zoneAm_[3]);
        z = {zoneAm_[0] + dx, zoneAm_[1] + dx, zoneAm_[2] + dy, zoneAm_[3] + dy};
    }
    for (double& v : z) v = std::round(v);
    update();
    if (zoneGeaendert) zoneGeaendert();
}

void Geometrievorschau::mouseReleaseEvent(QMouseEvent* e) {
    if (ziehen_ != Ziehen::Nichts) mouseMoveEvent(e);
    ziehen_ = Ziehen::Nichts;
}

} // namespace sw::ui
