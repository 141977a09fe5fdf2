#pragma once
// One cycle's simulation drawn into an image, off screen: an OpenGL context on an offscreen
// surface renders into a framebuffer object. Needs a QGuiApplication on a platform with OpenGL
// (an X display or Xvfb on Linux).

#include "simulation/SimGeometrie.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace sw {

// The image, or a null image and the reason in `grund`.
QImage simulationsBild(const SimGeometrie& g, const SimAnzeige& s, QSize groesse,
                       QString* grund = nullptr);

} // namespace sw
