#pragma once
// A view of the simulation: the OpenGL drawing of both display lists where the platform gives
// an OpenGL context, else the flat drawing of the screen plane (display list 2) with QPainter.
// The output window and the main window's beam preview each hold one. Main thread only.

#include "simulation/SimGeometrie.h"

#include <QWidget>

#include <functional>

namespace sw::ui {

class SimGlFlaeche;

class SimAnsicht : public QWidget {
public:
    SimAnsicht(const SimGeometrie& g, const SimAnzeige& s, QWidget* eltern = nullptr);
    ~SimAnsicht() override;

    // Whether this platform can give a view an OpenGL context; false with the reason. The
    // offscreen platform has no windows to draw OpenGL into (and Qt 6.4 crashes showing one
    // there), so it answers false without a reason. Tests replace it to force the failure.
    static std::function<bool(QString* grund)> openGLPruefen;
    static bool openGLMoeglich(QString* grund);

    // Chooses the renderer: the OpenGL view is made (and its context with it) or removed
    // (releasing its context). False, with the flat drawing kept, when OpenGL is unavailable.
    bool openGLWaehlen(bool an, QString* grund = nullptr);
    bool openGL() const { return gl_ != nullptr; }
    // Draws the geometry as it is now (after the output cycle rebuilt it).
    void neuZeichnen();
    // Frames the OpenGL view has drawn.
    long bilder() const;
    // Told (once the flat drawing has taken over) when the OpenGL view could not start after
    // all, for instance because the context cannot compile the shaders.
    std::function<void(const QString& grund)> openGLFehlgeschlagen;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const SimGeometrie& g_;
    const SimAnzeige& s_;
    SimGlFlaeche* gl_ = nullptr;
};

} // namespace sw::ui
