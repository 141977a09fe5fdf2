#pragma once
// Draws the simulation's vertex arrays with OpenGL: once per output cycle the three arrays go
// into one vertex buffer, then the beam fans, their edge lines and the screen-plane lines are
// drawn with additive blending (source alpha, one) on a black background, turned by the three
// view rotations and without a projection, so the visible cube is -1..1 on every axis.
// Every method runs on the thread of the context, with the context current.

#include "simulation/SimGeometrie.h"

#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QOpenGLVertexArrayObject>

#include <memory>

namespace sw {

class SimRenderer : protected QOpenGLFunctions {
public:
    SimRenderer() = default;
    SimRenderer(const SimRenderer&) = delete;
    SimRenderer& operator=(const SimRenderer&) = delete;
    ~SimRenderer() = default; // call beenden() while the context is current

    // Compiles the shaders and creates the buffer; false (with the reason) when this context
    // cannot draw the simulation.
    bool starten(QString* grund = nullptr);
    bool bereit() const { return bereit_; }
    void hochladen(const SimGeometrie& g);
    // Clears and draws what was uploaded last; "beams" and "graphic" off leave the lists
    // empty, so only the background remains.
    void zeichnen(const SimAnzeige& s);
    // Frees the GL objects before the context goes.
    void beenden();

private:
    bool bereit_ = false;
    std::unique_ptr<QOpenGLShaderProgram> programm_;
    QOpenGLBuffer puffer_{QOpenGLBuffer::VertexBuffer};
    QOpenGLVertexArrayObject vao_;
    int lage_ = -1, farbe_ = -1, drehung_ = -1;
    int strahlen_ = 0, kanten_ = 0, leinwand_ = 0; // vertices uploaded per list
};

} // namespace sw
