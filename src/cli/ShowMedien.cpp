#include "cli/ShowMedien.h"

#include "live/eingang/RtMidiEingang.h"
#include "medien/Medienwahl.h"
#include "medien/MtcMedien.h"
#include "platform/Sprachtexte.h"

#include <iostream>

namespace sw::cli {

namespace {

void meldenAufStderr(const std::string& zeile) {
    std::cerr << zeile << "\n";
}

// The time code layer owning what it reads from: the wrapped player and the MIDI port. Each
// position query first takes what arrived at the port.
class ZeitcodeSpieler : public MtcMedien {
public:
    ZeitcodeSpieler(std::unique_ptr<Medienschicht> medien, std::unique_ptr<MidiEingang> port,
                    Uhr& uhr)
        : MtcMedien(*medien, uhr), medien_(std::move(medien)), port_(std::move(port)) {}

    double DS_GetPosition() override {
        abholen(*port_);
        return MtcMedien::DS_GetPosition();
    }

private:
    std::unique_ptr<Medienschicht> medien_;
    std::unique_ptr<MidiEingang> port_;
};

const Sprachtexte& texte() {
    static const Sprachtexte leer;
    return leer;
}

} // namespace

std::function<std::unique_ptr<Medienschicht>(Uhr&, bool)> showMedienErzeugen =
    [](Uhr& uhr, bool nullAudio) {
        return medienWaehlen(nullAudio ? Audiowahl::Null : audiowahlAusUmgebung(), uhr,
                             meldenAufStderr);
    };

std::function<std::unique_ptr<Medienschicht>(std::unique_ptr<Medienschicht>, const std::string&,
                                             Uhr&)>
    zeitcodeMedien = [](std::unique_ptr<Medienschicht> medien, const std::string& port, Uhr& uhr)
    -> std::unique_ptr<Medienschicht> {
    auto eingang = std::make_unique<RtMidiEingang>(texte(), meldenAufStderr);
    if (!eingang->waehlen(port))
        std::cerr << "MIDI port " << port
                  << " is not there yet; the time code is taken as soon as it appears.\n";
    return std::make_unique<ZeitcodeSpieler>(std::move(medien), std::move(eingang), uhr);
};

} // namespace sw::cli
