#include "medien/MtcMedien.h"

#include "live/eingang/Eingang.h"
#include "platform/Uhr.h"

#include <cmath>

namespace sw {

void MtcMedien::empfangen(const MidiNachricht& n) {
    dekoder_.nachricht(n, uhr_.sekunden());
}

void MtcMedien::systemEmpfangen(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xF1)
        dekoder_.nachricht({0xF1, bytes[1], 0}, uhr_.sekunden());
    else
        dekoder_.systemNachricht(bytes, uhr_.sekunden());
}

void MtcMedien::abholen(MidiEingang& eingang) {
    for (const auto& ereignis : eingang.abholen())
        for (const auto& n : ereignis) empfangen(n);
    for (const auto& bytes : eingang.systemAbholen()) systemEmpfangen(bytes);
}

void MtcMedien::DS_Pause() {
    angehalten_ = true;
    medienLaufen_ = false;
    medien_.DS_Pause();
}

void MtcMedien::DS_Stop() {
    angehalten_ = true;
    medienLaufen_ = false;
    medien_.DS_Stop();
}

double MtcMedien::DS_GetPosition() {
    const double jetzt = uhr_.sekunden();
    const auto p = dekoder_.position(jetzt);
    if (!p) return 0.0;
    folgen(*p, dekoder_.laeuft(jetzt));
    return *p;
}

void MtcMedien::folgen(double position, bool laeuft) {
    const bool sprung = dekoder_.sprungAbholen();
    if (angehalten_) return;
    const double dauer = medien_.DS_GetDuration();
    const bool innen = position < dauer;
    if (innen && (sprung || std::abs(medien_.DS_GetPosition() - position) > erlaubteAbweichung))
        medien_.DS_SetPosition(position);
    if (laeuft && innen && !medienLaufen_) {
        medien_.DS_Play();
        medienLaufen_ = true;
    } else if ((!laeuft || !innen) && medienLaufen_) {
        medien_.DS_Pause();
        medienLaufen_ = false;
    }
}

} // namespace sw
