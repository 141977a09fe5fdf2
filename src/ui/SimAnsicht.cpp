#include "ui/SimAnsicht.h"

#include "simulation/SimRenderer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

namespace sw::ui {

// The OpenGL drawing: uploads the arrays when a new cycle was built, draws every repaint.
class SimGlFlaeche : public QOpenGLWidget {
public:
    SimGlFlaeche(const SimGeometrie& g, const SimAnzeige& s, QWidget* eltern)
        : QOpenGLWidget(eltern), g_(g), s_(s) {
        setObjectName("picSimulationGL");
    }
    ~SimGlFlaeche() override {
        // The base class destroys the context after this part of the object is gone: the
        // handler below must not run then.
        QObject::disconnect(kontextWeg_);
        if (!kontextDa_) return;
        makeCurrent();
        aufraeumen();
        doneCurrent();
    }
    // A slow renderer (Mesa's software one with a dense show) must not hold up the output:
    // after a frame that took t, the next is drawn t later at the earliest, so drawing takes
    // at most half of the time and the cycles run in between.
    void neu() {
        neu_ = true;
        if (wartet_) return;
        const qint64 frei = naechstesBild_ - uhr_.elapsed();
        if (!uhr_.isValid() || frei <= 0) {
            update();
            return;
        }
        wartet_ = true;
        QTimer::singleShot(static_cast<int>(frei), this, [this] {
            wartet_ = false;
            update();
        });
    }
    long bilder = 0;
    std::function<void(const QString&)> fehlgeschlagen;

protected:
    void initializeGL() override {
        kontextDa_ = true;
        // The context can go before the widget (re-parenting, a new screen): free the buffers
        // while it is still current.
        QObject::disconnect(kontextWeg_);
        kontextWeg_ = connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
            makeCurrent();
            aufraeumen();
            doneCurrent();
            kontextDa_ = false;
        });
        QString grund;
        if (!r_.starten(&grund) && fehlgeschlagen)
            // Not from inside the paint: the handler removes this widget.
            QTimer::singleShot(0, this, [this, grund] { fehlgeschlagen(grund); });
        neu_ = true;
    }
    void paintGL() override {
        if (!uhr_.isValid()) uhr_.start();
        const qint64 anfang = uhr_.elapsed();
        if (neu_) {
            r_.hochladen(g_);
            neu_ = false;
        }
        r_.zeichnen(s_);
        // Waits for the picture, so the time measured is what drawing it cost.
        context()->functions()->glFinish();
        const qint64 ende = uhr_.elapsed();
        naechstesBild_ = ende + (ende - anfang);
        ++bilder;
    }

private:
    void aufraeumen() { r_.beenden(); }

    const SimGeometrie& g_;
    const SimAnzeige& s_;
    SimRenderer r_;
    bool neu_ = true, kontextDa_ = false, wartet_ = false;
    QElapsedTimer uhr_;
    qint64 naechstesBild_ = 0; // ms on uhr_
    QMetaObject::Connection kontextWeg_;
};

std::function<bool(QString*)> SimAnsicht::openGLPruefen = &SimAnsicht::openGLMoeglich;

bool SimAnsicht::openGLMoeglich(QString* grund) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return false;
    QOpenGLContext k;
    if (!k.create()) {
        if (grund) *grund = QStringLiteral("no pixel format (no OpenGL context)");
        return false;
    }
    QOffscreenSurface f;
    f.setFormat(k.format());
    f.create();
    if (!f.isValid() || !k.makeCurrent(&f)) {
        if (grund) *grund = QStringLiteral("the OpenGL context cannot be made current");
        return false;
    }
    k.doneCurrent();
    return true;
}

SimAnsicht::SimAnsicht(const SimGeometrie& g, const SimAnzeige& s, QWidget* eltern)
    : QWidget(eltern), g_(g), s_(s) {
    setObjectName("picSimulation");
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    setMinimumSize(120, 120);
}

SimAnsicht::~SimAnsicht() = default;

bool SimAnsicht::openGLWaehlen(bool an, QString* grund) {
    if (an == openGL()) return true;
    if (!an) {
        delete gl_; // releases its context
        gl_ = nullptr;
        update();
        return true;
    }
    QString warum; // the check always gets somewhere to write its reason
    if (!openGLPruefen || !openGLPruefen(&warum)) {
        if (grund) *grund = warum;
        return false;
    }
    gl_ = new SimGlFlaeche(g_, s_, this);
    gl_->fehlgeschlagen = [this](const QString& warum) {
        openGLWaehlen(false);
        if (openGLFehlgeschlagen) openGLFehlgeschlagen(warum);
    };
    layout()->addWidget(gl_);
    return true;
}

void SimAnsicht::neuZeichnen() {
    if (gl_)
        gl_->neu();
    else
        update();
}

long SimAnsicht::bilder() const {
    return gl_ ? gl_->bilder : 0;
}

// The flat drawing: the lines of the screen plane, added up like light.
void SimAnsicht::paintEvent(QPaintEvent*) {
    if (gl_) return;
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    const double bx = width() / 2.0, by = height() / 2.0;
    auto punkt = [&](const SimVertex& v) { return QPointF(bx * (1 + v.x), by * (1 - v.y)); };
    const auto linien = g_.Leinwand.alle();
    QPen stift;
    stift.setWidthF(1.5);
    for (std::size_t i = 0; i + 1 < linien.size(); i += 2) {
        const SimVertex& a = linien[i];
        stift.setColor(QColor::fromRgbF(a.r, a.g, a.b, a.a));
        p.setPen(stift);
        p.drawLine(punkt(a), punkt(linien[i + 1]));
    }
}

} // namespace sw::ui
