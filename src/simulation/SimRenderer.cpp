#include "simulation/SimRenderer.h"

#include <QMatrix4x4>

#include <cstddef>

namespace sw {

namespace {

// Runs on OpenGL 2.1 and ES 2 as well as on the compatibility profiles.
const char* kVertexShader = R"(
attribute vec3 lage;
attribute vec4 farbe;
uniform mat4 drehung;
varying vec4 f;
void main() {
    f = farbe;
    gl_Position = drehung * vec4(lage, 1.0);
}
)";

const char* kFragmentShader = R"(
#ifdef GL_ES
precision mediump float;
#endif
varying vec4 f;
void main() {
    gl_FragColor = f;
}
)";

} // namespace

bool SimRenderer::starten(QString* grund) {
    initializeOpenGLFunctions();
    programm_ = std::make_unique<QOpenGLShaderProgram>();
    if (!programm_->addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader) ||
        !programm_->addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader) ||
        !programm_->link()) {
        if (grund) *grund = programm_->log();
        programm_.reset();
        return false;
    }
    lage_ = programm_->attributeLocation("lage");
    farbe_ = programm_->attributeLocation("farbe");
    drehung_ = programm_->uniformLocation("drehung");
    vao_.create(); // absent on plain OpenGL 2: the attributes are then set per draw
    if (!puffer_.create()) {
        if (grund) *grund = QStringLiteral("no vertex buffer");
        programm_.reset();
        return false;
    }
    puffer_.setUsagePattern(QOpenGLBuffer::StreamDraw);
    glDisable(GL_DEPTH_TEST);
    bereit_ = true;
    return true;
}

void SimRenderer::hochladen(const SimGeometrie& g) {
    if (!bereit_) return;
    strahlen_ = static_cast<int>(g.Strahlen.size());
    kanten_ = static_cast<int>(g.Kanten.size());
    leinwand_ = static_cast<int>(g.Leinwand.size());
    const int v = static_cast<int>(sizeof(SimVertex));
    puffer_.bind();
    // A fresh store each cycle, so the driver need not wait for the previous draw.
    puffer_.allocate((strahlen_ + kanten_ + leinwand_) * v);
    if (strahlen_) puffer_.write(0, g.Strahlen.alle().data(), strahlen_ * v);
    if (kanten_) puffer_.write(strahlen_ * v, g.Kanten.alle().data(), kanten_ * v);
    if (leinwand_)
        puffer_.write((strahlen_ + kanten_) * v, g.Leinwand.alle().data(), leinwand_ * v);
    puffer_.release();
}

void SimRenderer::zeichnen(const SimAnzeige& s) {
    // Black, and opaque: the picture has 24 colour bits and no alpha plane, so its alpha stays
    // 1 and nothing that composes or reads it back divides the colours by a blended alpha.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    if (!bereit_ || strahlen_ + kanten_ + leinwand_ == 0) return;
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE); // additive: light adds up
    glDisable(GL_DEPTH_TEST);

    // About X by Rotation(1), then Y by Rotation(0), then Z by Rotation(2).
    QMatrix4x4 m;
    m.rotate(s.Rotation[1], 1, 0, 0);
    m.rotate(s.Rotation[0], 0, 1, 0);
    m.rotate(s.Rotation[2], 0, 0, 1);

    QOpenGLVertexArrayObject::Binder binder(&vao_);
    programm_->bind();
    programm_->setUniformValue(drehung_, m);
    puffer_.bind();
    const int v = static_cast<int>(sizeof(SimVertex));
    programm_->enableAttributeArray(lage_);
    programm_->enableAttributeArray(farbe_);
    programm_->setAttributeBuffer(lage_, GL_FLOAT, offsetof(SimVertex, x), 3, v);
    programm_->setAttributeBuffer(farbe_, GL_FLOAT, offsetof(SimVertex, r), 4, v);
    if (strahlen_) glDrawArrays(GL_TRIANGLES, 0, strahlen_);
    if (kanten_) glDrawArrays(GL_LINES, strahlen_, kanten_);
    if (leinwand_) glDrawArrays(GL_LINES, strahlen_ + kanten_, leinwand_);
    programm_->disableAttributeArray(lage_);
    programm_->disableAttributeArray(farbe_);
    puffer_.release();
    programm_->release();
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

void SimRenderer::beenden() {
    if (vao_.isCreated()) vao_.destroy();
    if (puffer_.isCreated()) puffer_.destroy();
    programm_.reset();
    bereit_ = false;
}

} // namespace sw
