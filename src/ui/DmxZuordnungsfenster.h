#pragma once
// frmDMXZuordnung ("DMX input Routing"): which input DMX comes from (a DAC library's DMX input,
// Art-Net, sACN or OLA, with the universe), per DMX channel the row it acts on (optEffektspur)
// and the device groups (checkAusgabeAuf), ".DMXInMap" open and save, and a live view of the
// 512 incoming channels (picDmxKanaele) that follows the frames the engine takes in.
// GUI thread only.

#include "ui/Werkzeugfenster.h"

#include "live/eingang/Eingang.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace sw::ui {

// The 512 channels as a grid of 32 x 16 cells, brighter the higher the value; routed channels
// are framed, the chosen one marked. A click chooses a channel.
class DmxKanalansicht : public QWidget {
public:
    explicit DmxKanalansicht(QWidget* eltern);
    void setzen(const DmxFrame& werte, const std::array<bool, kDmxKanaele>& geroutet, int kanal);
    const DmxFrame& werte() const { return werte_; }
    std::function<void(int kanal)> gewaehlt; // 1 to 512
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QRectF zelle(int i) const;
    int rand() const;
    DmxFrame werte_{};
    std::array<bool, kDmxKanaele> geroutet_{};
    int kanal_ = 1;
};

class DmxZuordnungsfenster : public Werkzeugfenster {
public:
    DmxZuordnungsfenster(QWidget* eltern, Programm& p);

    // The input list and the chosen channel's routing again from the engine's state.
    void aktualisieren();
    // The live view takes the newest values the engine holds.
    void ansichtAktualisieren();
    DmxKanalansicht* ansicht() const { return ansicht_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void kanalZeigen();
    void kanalGeaendert();
    void eingangGewaehlt();

    QComboBox* cboEingang_ = nullptr;
    QSpinBox* txtUniversum_ = nullptr;
    QSpinBox* txtKanal_ = nullptr;
    QComboBox* optEffektspur_ = nullptr;
    std::array<QCheckBox*, 12> checkAusgabeAuf_{};
    QLabel* lblWert_ = nullptr;
    QLabel* lblSeite_ = nullptr;
    DmxKanalansicht* ansicht_ = nullptr;
};

} // namespace sw::ui
