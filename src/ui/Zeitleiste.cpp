#include "ui/Zeitleiste.h"

#include "show/SequenzBearbeiten.h"

namespace sw::ui {

// Placeholder until the view is drawn: the interface the sequencer window builds on.
Zeitleiste::Zeitleiste(QWidget* eltern, Showsteuerung& s) : QWidget(eltern), s_(s) {
    setObjectName("picSpur");
}

void Zeitleiste::neuZeichnen(double, double) {
    update();
}
void Zeitleiste::wellenformNeu() {}
double Zeitleiste::sichtAnfang() const {
    return 0;
}
double Zeitleiste::sichtBreite() const {
    return s_.p.sequenzer.Medienlaenge > 0 ? s_.p.sequenzer.Medienlaenge : 60000;
}
void Zeitleiste::zoomEinpassen() {}
void Zeitleiste::zoomen(double, double) {}
void Zeitleiste::wiedergabeFolgen(bool) {}
bool Zeitleiste::figurAblegen(long, QPoint) {
    return false;
}
void Zeitleiste::kopieren() {
    KopyEvents(s_.p.sequenzer);
}
void Zeitleiste::ausschneiden() {
    CutEvents(s_.p.sequenzer, s_.p.env);
}
void Zeitleiste::einfuegen() {
    PastEvents(s_.p.sequenzer, s_.p.env, s_.p.sequenzer.cursorZeit,
               sequenz::track(s_.p.sequenzer.optDeviceNr, 1));
}
void Zeitleiste::loeschen() {
    DelEvents(s_.p.sequenzer, s_.p.env);
}

} // namespace sw::ui
