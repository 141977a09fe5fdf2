#pragma once
// The video window: a show whose media is a video shows its picture here while the sequencer
// plays. The picture is drawn by the player (libmpv's render API) into an OpenGL area; without
// OpenGL the area stays black and only the sound plays. The window tells the show its picture
// area (`ShowZustand::videofenster`): a handle that is not 0 while it is shown and can draw, so
// a file opened then plays its video here. Its menu "Video" (also on the right mouse button)
// holds the modes; a double-click toggles full screen, Esc leaves it. GUI thread only.

#include "app/Showsteuerung.h"
#include "medien/Videomodus.h"
#include "ui/VideoBild.h"
#include "ui/Werkzeugfenster.h"

class QAction;
class QMenuBar;

namespace sw::ui {

class Videofenster : public Werkzeugfenster {
public:
    Videofenster(QWidget* eltern, Showsteuerung& s);

    // The video menu's modes: the whole screen, stretched to the window, or with the
    // picture's own aspect ratio kept (the last two exclude each other).
    void vollbild(bool an);
    void strecken(bool an);
    void seitenverhaeltnisKorrigieren(bool an);

    const Videomodus& modus() const { return modus_; }
    // The OpenGL area, or null where the black fallback stands in.
    VideoGlBild* glBild() const { return gl_; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void bereichMelden(bool sichtbar);
    void menueAbgleichen();
    void einmalMelden(const text::Beschriftung& b);
    QSize bildgroesse() const;

    Showsteuerung& s_;
    Videomodus modus_;
    QMenuBar* leiste_ = nullptr;
    QWidget* bild_ = nullptr;
    VideoGlBild* gl_ = nullptr;
    QAction* vollbild_ = nullptr;
    QAction* strecken_ = nullptr;
    QAction* seitenverhaeltnis_ = nullptr;
    bool gemeldet_ = false;
};

} // namespace sw::ui
