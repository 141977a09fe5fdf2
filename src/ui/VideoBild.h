#pragma once
// The video window's picture area (object name "picVideo"): the player draws its frames into
// an OpenGL widget through libmpv's render API; where there is no OpenGL (the offscreen
// platform, a context libmpv cannot use) a plain black area. Either shows "No video" while
// there is no picture. GUI thread only.

#include <QOpenGLWidget>
#include <QString>
#include <QTimer>

#include <functional>

namespace sw {
class MpvMedien;
}

namespace sw::ui {

// Frames drawn and what drawing them cost, for measuring.
struct Zeichenzeiten {
    long bilder = 0;    // frames of the video drawn (also while the window is hidden)
    double summeMs = 0; // time spent in libmpv's drawing call
    double laengsteMs = 0;
};

// The black area with the line "No video": the fallback, and what the OpenGL area shows
// without a picture.
class VideoSchwarz : public QWidget {
public:
    explicit VideoSchwarz(QWidget* eltern);
    QString text;

protected:
    void paintEvent(QPaintEvent*) override;
};

// Draws "No video" centred on black with `p`.
void keinVideoMalen(QPainter& p, const QRect& r, const QString& text);

class VideoGlBild : public QOpenGLWidget {
public:
    // `spieler` may be null (a media layer without a picture): the area stays black.
    VideoGlBild(MpvMedien* spieler, QWidget* eltern);
    ~VideoGlBild() override;

    QString text; // the line shown without a picture
    // Told once when libmpv refuses the OpenGL context.
    std::function<void()> ohneRenderkontext;
    // Whether the player draws into this area.
    bool renderkontext() const { return renderkontext_; }
    const Zeichenzeiten& zeiten() const { return zeiten_; }

protected:
    void initializeGL() override;
    void paintGL() override;
    void hideEvent(QHideEvent* e) override;

private:
    void neuesBild();
    void freigeben();
    void zeichnen();

    MpvMedien* spieler_;
    bool renderkontext_ = false;
    bool bildZuletzt_ = false;
    Zeichenzeiten zeiten_;
    QTimer nachsehen_;
    QMetaObject::Connection kontextWeg_;
};

} // namespace sw::ui
