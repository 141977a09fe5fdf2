#pragma once
// dockGeraete: a small panel with the state of every logical device that has a device: its
// name and kind, whether it is connected or has a fault, its points per second, and for a
// streaming device that plays its buffer target and fill in milliseconds. It reads the device
// list, the output's fault marks and the streams twice a second and changes nothing.

#include "devices/Treiber.h"
#include "platform/Sprachtexte.h"

#include <QDockWidget>

class QTableWidget;

namespace sw::ui {

class Geraetetafel : public QDockWidget {
public:
    Geraetetafel(const Geraete& g, const Dacausgabe& dac, QWidget* eltern = nullptr);
    void aktualisieren();
    // Captions in the chosen language.
    void beschriften(const Sprachtexte& t);

private:
    const Geraete& g_;
    const Dacausgabe& dac_;
    QTableWidget* tabelle_ = nullptr;
    QString zustaende_[3]; // connected, not found, fault
};

} // namespace sw::ui
