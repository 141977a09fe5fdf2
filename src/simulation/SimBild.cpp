#include "simulation/SimBild.h"

#include "simulation/SimRenderer.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

namespace sw {

QImage simulationsBild(const SimGeometrie& g, const SimAnzeige& s, QSize groesse, QString* grund) {
    auto fehler = [&](const QString& text) {
        if (grund) *grund = text;
        return QImage();
    };
    if (!QGuiApplication::instance()) return fehler(QStringLiteral("no application object"));
    QOpenGLContext kontext;
    if (!kontext.create())
        return fehler(QStringLiteral("no OpenGL context on platform \"%1\"")
                          .arg(QGuiApplication::platformName()));
    QOffscreenSurface flaeche;
    flaeche.setFormat(kontext.format());
    flaeche.create();
    if (!flaeche.isValid() || !kontext.makeCurrent(&flaeche))
        return fehler(QStringLiteral("the OpenGL context cannot be made current"));

    QImage bild;
    {
        QOpenGLFramebufferObject fbo(groesse);
        if (!fbo.isValid() || !fbo.bind()) {
            kontext.doneCurrent();
            return fehler(QStringLiteral("no framebuffer object of %1 x %2")
                              .arg(groesse.width())
                              .arg(groesse.height()));
        }
        kontext.functions()->glViewport(0, 0, groesse.width(), groesse.height());
        SimRenderer r;
        QString warum;
        if (!r.starten(&warum)) {
            kontext.doneCurrent();
            return fehler(QStringLiteral("the simulation cannot be drawn: ") + warum);
        }
        r.hochladen(g);
        r.zeichnen(s);
        kontext.functions()->glFinish();
        // Opaque: the cleared alpha of 0 would make the black background transparent.
        bild = fbo.toImage().convertToFormat(QImage::Format_RGB32);
        r.beenden();
        fbo.release();
    }
    kontext.doneCurrent();
    return bild;
}

} // namespace sw
