#pragma once
// dockGeraete: a small panel with the state of every logical device that has a device: its
// name and kind, whether it is connected or has a fault, and its points per second. It reads
// the device list and the output's fault marks twice a second and changes nothing.

#include "devices/Treiber.h"

#include <QDockWidget>

class QTableWidget;

namespace sw::ui {

class Geraetetafel : public QDockWidget {
public:
    Geraetetafel(const Geraete& g, const Dacausgabe& dac, QWidget* eltern = nullptr);
    void aktualisieren();

private:
    const Geraete& g_;
    const Dacausgabe& dac_;
    QTableWidget* tabelle_ = nullptr;
};

} // namespace sw::ui
