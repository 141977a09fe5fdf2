#include "ui/VideoBild.h"

#include "medien/MpvMedien.h"

#include <QElapsedTimer>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>

namespace sw::ui {

namespace {

void* glAdresse(void* ctx, const char* name) {
    return reinterpret_cast<void*>(static_cast<QOpenGLContext*>(ctx)->getProcAddress(name));
}

} // namespace

void keinVideoMalen(QPainter& p, const QRect& r, const QString& text) {
    p.fillRect(r, Qt::black);
    // Grey reads on black in the light and the dark theme alike.
    p.setPen(QColor(160, 160, 160));
    p.drawText(r, Qt::AlignCenter, text);
}

VideoSchwarz::VideoSchwarz(QWidget* eltern) : QWidget(eltern) {
    setObjectName("picVideo");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VideoSchwarz::paintEvent(QPaintEvent*) {
    QPainter p(this);
    keinVideoMalen(p, rect(), text);
}

VideoGlBild::VideoGlBild(MpvMedien* spieler, QWidget* eltern)
    : QOpenGLWidget(eltern), spieler_(spieler) {
    setObjectName("picVideo");
    // A picture that comes or goes (a file opened or stopped) is seen within a quarter second.
    nachsehen_.setInterval(250);
    connect(&nachsehen_, &QTimer::timeout, this, [this] {
        if (isVisible() && spieler_ && spieler_->bildDa() != bildZuletzt_) update();
    });
    nachsehen_.start();
}

VideoGlBild::~VideoGlBild() {
    // The base class destroys the context after this part is gone: the handler must not run
    // then, and the render context goes first, with the context current.
    QObject::disconnect(kontextWeg_);
    if (!renderkontext_) return;
    makeCurrent();
    freigeben();
    doneCurrent();
}

void VideoGlBild::freigeben() {
    if (spieler_) spieler_->renderKontextFreigeben();
    renderkontext_ = false;
}

void VideoGlBild::initializeGL() {
    // The context can go before the widget (a new screen, a new parent): the render context
    // is freed while it is still current, and made again in the new one.
    QObject::disconnect(kontextWeg_);
    kontextWeg_ = connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        freigeben();
        doneCurrent();
    });
    if (!spieler_) return;
    // libmpv calls this on a thread of its own: the frame is drawn on this one.
    renderkontext_ = spieler_->renderKontextErzeugen(&glAdresse, context(), [this] {
        QMetaObject::invokeMethod(
            this, [this] { neuesBild(); }, Qt::QueuedConnection);
    });
    if (!renderkontext_ && ohneRenderkontext) ohneRenderkontext();
}

// A frame is due. A hidden window draws it all the same, so the player's pace never waits
// for a window the operator closed.
void VideoGlBild::neuesBild() {
    if (isVisible()) {
        update();
        return;
    }
    if (!renderkontext_) return;
    makeCurrent();
    zeichnen();
    doneCurrent();
}

// A repaint asked for just before the window was hidden never comes, and the player would wait
// for that frame: it is drawn here instead.
void VideoGlBild::hideEvent(QHideEvent* e) {
    QOpenGLWidget::hideEvent(e);
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) neuesBild();
    });
}

void VideoGlBild::zeichnen() {
    const qreal dpr = devicePixelRatioF();
    QElapsedTimer uhr;
    uhr.start();
    spieler_->zeichnen(static_cast<int>(defaultFramebufferObject()),
                       static_cast<int>(width() * dpr), static_cast<int>(height() * dpr));
    const double ms = static_cast<double>(uhr.nsecsElapsed()) / 1e6;
    ++zeiten_.bilder;
    zeiten_.summeMs += ms;
    zeiten_.laengsteMs = std::max(zeiten_.laengsteMs, ms);
}

void VideoGlBild::paintGL() {
    bildZuletzt_ = renderkontext_ && spieler_->bildDa();
    if (bildZuletzt_) {
        zeichnen();
        return;
    }
    auto* f = context()->functions();
    f->glClearColor(0, 0, 0, 1);
    f->glClear(GL_COLOR_BUFFER_BIT);
    QPainter p(this);
    keinVideoMalen(p, rect(), text);
}

} // namespace sw::ui
