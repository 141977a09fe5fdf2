#include "core/FigurenSpeicher.h"

#include "platform/Fehler.h"

namespace sw {

FigurenSpeicher::FigurenSpeicher()
    : Figuren(-3, 0), SpurAuswahl(-1, kSpurZahl - 1), ShowpartAuswahl(-1, kSpurZahl - 1) {}

Frame& FigurenSpeicher::aktuellerFrame() {
    auto& frames = aktuelleFigur().Frames;
    long f = SpurAuswahl[EditorSpur].Frame;
    if (f < 0 || f >= static_cast<long>(frames.size()))
        throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
    return frames[static_cast<std::size_t>(f)];
}

std::int16_t Funktion_Punktzahl(const FigurenSpeicher& s, long NFigur, long NFrame) {
    if (NFigur == -1 || NFrame == -1) return 0;
    const auto& frames = s.Figuren.at(NFigur).Frames;
    if (NFrame < 0 || NFrame >= static_cast<long>(frames.size()))
        throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
    auto ober = static_cast<long>(frames[static_cast<std::size_t>(NFrame)].Punkte.size()) - 1;
    if (ober > 32767) throw Laufzeitfehler(fehlernummer::Ueberlauf);
    return static_cast<std::int16_t>(ober);
}

void UboundChange(FigurenSpeicher& s, long anzahl) {
    auto& punkte = s.aktuellerFrame().Punkte;
    long neu = static_cast<long>(punkte.size()) - 1 + anzahl;
    if (neu < 0) throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
    punkte.resize(static_cast<std::size_t>(neu + 1));
}

void FrameBalkenAktualisieren(FigurenSpeicher& s, Umgebung& env) {
    long figur = s.SpurAuswahl[s.EditorSpur].Figur;
    if (!s.Figuren.enthaelt(figur)) return;
    long ober = static_cast<long>(s.Figuren[figur].Frames.size()) - 1;
    if (ober > kMaxFrameObergrenze) {
        env.dialoge.meldung("To many frames in figure");
        return;
    }
    s.FrameBalkenMax = ober;
}

void cmdNeu_Click(FigurenSpeicher& s) {
    if (s.hooks.undoSchreiben) s.hooks.undoSchreiben();
    auto& auswahl = s.SpurAuswahl[s.EditorSpur];
    auswahl.Figur = 0;
    Figur neu;
    neu.Parameter[parameter::Echtzeitoptimierung] = 1.0;
    neu.Parameter[parameter::Reserviert303] = 2.0;
    s.Figuren[0] = std::move(neu);
    auswahl.Frame = 0;
}

void lstFiguren_Click(FigurenSpeicher& s, long k, double zeitpunktMs) {
    if (k < 0 || k >= static_cast<long>(s.Listentyp.size())) return;
    auto& auswahl = s.SpurAuswahl[s.EditorSpur];
    auto& showpart = s.ShowpartAuswahl[s.EditorSpur];
    if (s.Listentyp[static_cast<std::size_t>(k)] == listentyp::Figur) {
        auswahl.Figur = static_cast<std::int16_t>(k);
        auswahl.Zeitpunkt = zeitpunktMs;
        // The frame index of the previous figure may not exist in this one.
        if (!s.Figuren.enthaelt(k) ||
            auswahl.Frame >= static_cast<long>(s.Figuren[k].Frames.size()))
            auswahl.Frame = 0;
        showpart.Showpart = -1;
        showpart.Zeitpunkt = 0;
    } else {
        auswahl.Figur = -1;
        showpart.Showpart = static_cast<std::int16_t>(k);
    }
}

void FigurenErweitern(FigurenSpeicher& s, long obergrenze) {
    if (obergrenze > s.Figuren.obergrenze())
        s.Figuren.redimPreserve(s.Figuren.untergrenze(), obergrenze);
}

} // namespace sw
