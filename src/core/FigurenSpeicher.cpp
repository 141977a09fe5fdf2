#include "core/FigurenSpeicher.h"

#include "platform/Fehler.h"

#include <algorithm>

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
    s.SpurAuswahl[s.EditorSpur].Figur = 0;
    s.SpurAuswahl[s.EditorSpur].Frame = 0;
    if (s.hooks.undoSchreiben) s.hooks.undoSchreiben();
    Figur neu;
    neu.Parameter[parameter::Echtzeitoptimierung] = 1.0;
    neu.Parameter[parameter::Reserviert303] = 2.0;
    s.Figuren[0] = std::move(neu);
    alsUnveraendertMarkieren(s, 0);
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
    const long alt = s.Figuren.obergrenze();
    if (obergrenze <= alt) return;
    s.Figuren.redimPreserve(s.Figuren.untergrenze(), obergrenze);
    for (long i = alt + 1; i <= obergrenze; ++i) alsUnveraendertMarkieren(s, i);
}

void alsGeaendertMarkieren(FigurenSpeicher& s, long figur) {
    // Slots below 0 hold test pictures and fixed figures, which the editor does not change.
    if (figur < 0 || !s.Figuren.enthaelt(figur)) return;
    s.Geaendert.insert(figur);
    s.OhneAbsturzkopie.insert(figur);
    s.AbsturzkopienVeraltet = true;
}

void alsUnveraendertMarkieren(FigurenSpeicher& s, long figur) {
    if (s.Geaendert.erase(figur) > 0) s.AbsturzkopienVeraltet = true;
    s.OhneAbsturzkopie.erase(figur);
}

bool istGeaendert(const FigurenSpeicher& s, long figur) {
    return s.Figuren.enthaelt(figur) && s.Geaendert.count(figur) > 0;
}

std::vector<long> geaenderteFiguren(const FigurenSpeicher& s) {
    std::vector<long> aus;
    for (long f : s.Geaendert)
        if (s.Figuren.enthaelt(f)) aus.push_back(f);
    return aus;
}

void aenderungenVergessen(FigurenSpeicher& s) {
    if (!s.Geaendert.empty()) s.AbsturzkopienVeraltet = true;
    s.Geaendert.clear();
    s.OhneAbsturzkopie.clear();
}

std::string figurName(const FigurenSpeicher& s, long figur) {
    if (figur >= 0 && figur < static_cast<long>(s.lstFiguren.size()))
        return s.lstFiguren[static_cast<std::size_t>(figur)];
    return figur == 0 ? std::string("***Figur 0***") : "Figur " + std::to_string(figur);
}

long figurEinreihen(FigurenSpeicher& s, const std::string& name, Figur figur) {
    // The list holds figure 0, the figure files in binary order, then the show parts.
    if (s.lstFiguren.empty()) s.lstFiguren.assign(1, "***Figur 0***");
    s.Listentyp.resize(s.lstFiguren.size(), listentyp::Figur);
    long k = 1;
    while (k < static_cast<long>(s.lstFiguren.size()) &&
           s.Listentyp[static_cast<std::size_t>(k)] == listentyp::Figur &&
           s.lstFiguren[static_cast<std::size_t>(k)] < name)
        ++k;
    const long ober = std::max(s.Figuren.obergrenze(), k - 1);
    s.Figuren.redimPreserve(s.Figuren.untergrenze(), ober + 1);
    for (long i = ober + 1; i > k; --i) s.Figuren[i] = std::move(s.Figuren[i - 1]);
    s.Figuren[k] = std::move(figur);

    auto verschieben = [k](std::set<long>& menge) {
        std::set<long> neu;
        for (long f : menge) neu.insert(f >= k ? f + 1 : f);
        menge = std::move(neu);
    };
    verschieben(s.Geaendert);
    verschieben(s.OhneAbsturzkopie);
    // The crash copies are named by slot: every changed figure gets a fresh one.
    s.OhneAbsturzkopie.insert(s.Geaendert.begin(), s.Geaendert.end());
    s.AbsturzkopienVeraltet = true;
    for (auto& a : s.SpurAuswahl)
        if (a.Figur >= k) ++a.Figur;
    for (auto& a : s.ShowpartAuswahl)
        if (a.Showpart >= k) ++a.Showpart;

    s.lstFiguren.insert(s.lstFiguren.begin() + k, name);
    s.Listentyp.insert(s.Listentyp.begin() + k, listentyp::Figur);
    return k;
}

} // namespace sw
