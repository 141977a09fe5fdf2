#include "show/ShowLaden.h"

#include "core/Dateifehler.h"
#include "core/FigurDatei.h"
#include "core/Meldungen.h"
#include "core/Ordnerwechsel.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "show/ShowDatei.h"
#include "show/ShowInfoDatei.h"
#include "show/ShowMeldungen.h"
#include "show/ShowZuletzt.h"

#include <filesystem>
#include <utility>

namespace sw {

namespace {

namespace fs = std::filesystem;

const char* kLadenFalle = " 75. Global, Sub ShowLaden          Fehler bei Zugriff auf Datei: ";

bool endetMit(const std::string& s, std::string_view ende) {
    return s.size() >= ende.size() && s.compare(s.size() - ende.size(), ende.size(), ende) == 0;
}

bool existiert(const std::string& datei) {
    std::error_code ec;
    return fs::is_regular_file(datei, ec);
}

// Step 4: the media named in the show file, else the placeholder from the program folder.
void medienOeffnen(ShowKontext& k, const std::string& ordner) {
    auto& s = k.show;
    const std::string datei = ordner + s.SoundName;
    bool offen = false;
    std::string versucht = datei;
    if (!s.SoundName.empty() && existiert(datei)) {
        s.MediaDatei = s.SoundName;
        s.MediaTyp = endetMit(s.SoundName, "wav") ? "wav" : "mp3";
        const bool video = s.SoundName.find("mp3") == std::string::npos &&
                           s.SoundName.find("wav") == std::string::npos;
        s.videoFensterSichtbar = video;
        if (k.teile.videofensterZeigen) k.teile.videofensterZeigen(video);
        offen = k.medien.DS_OpenFile(datei, s.videofenster);
        if (!offen)
            k.env.dialoge.meldung(
                k.env.texte.text(meldung::MediaNichtGeoeffnet, "The media file cannot be opened.") +
                "File :" + datei);
    }
    if (!offen) {
        // A file that is missing or cannot be opened: the show still loads on the placeholder.
        k.medien.DS_Stop();
        s.MediaDatei = "No.mp3";
        s.MediaTyp = "mp3";
        s.videoFensterSichtbar = false;
        if (k.teile.videofensterZeigen) k.teile.videofensterZeigen(false);
        versucht = (k.programmOrdner / "No.mp3").string();
        offen = k.medien.DS_OpenFile(versucht, s.videofenster);
        if (!offen)
            k.env.dialoge.meldung(
                k.env.texte.text(meldung::MediaNichtGeoeffnet, "The media file cannot be opened.") +
                "File :" + versucht);
    }
    s.MediaLaenge = offen ? k.medien.DS_GetDuration() * 1000.0 : 0.0;
}

} // namespace

bool showOrdnerZeigen(ShowKontext& k, const std::string& ordner) {
    if (k.teile.ordnerZeigen) return k.teile.ordnerZeigen(fs::path(ordner));
    if (!aenderungenSichernFragen(k.figuren, k.env, geaenderteFiguren(k.figuren))) return false;
    lstDir_Change(k.figuren, k.env, fs::path(ordner));
    return true;
}

bool ShowLaden(ShowKontext& k, const std::string& name, const std::string& ordnerText) {
    auto& s = k.show;
    if (s.ShowLadenBusy) return false;
    s.ShowLadenBusy = true;
    struct Freigabe {
        bool& busy;
        ~Freigabe() { busy = false; }
    } freigabe{s.ShowLadenBusy};

    if (name.empty()) {
        k.env.dialoge.meldung(
            "Fehler # fehler in modul Global sub show laden..... es gibt keine alten Shows mehr");
        return false;
    }
    const std::string ordner = ordnerMitTrenner(ordnerText);
    const std::string datei = ordner + name + ".shw";

    // The file is read and checked before anything changes, so a broken one leaves the
    // program showing what it showed.
    std::optional<ShowDateiInhalt> inhalt;
    try {
        inhalt = showdateiDekodieren(dateiLesen(datei));
    } catch (const Laufzeitfehler& e) {
        dateifehlerMelden(k.env, Zugriff::Lesen, kLadenFalle + datei, datei, e.what());
        return false;
    } catch (const Formatfehler& e) {
        k.env.log.zeile(kLadenFalle + datei);
        k.env.dialoge.warnung(
            meldung::einsetzen(
                k.env.texte.text(meldung::ShowDateiDefekt, meldung::ShowDateiDefektText), datei),
            kLadenFalle + datei + "\n" + e.what());
        return false;
    }
    if (!inhalt) {
        k.env.dialoge.meldung(
            k.env.texte.text(meldung::FalscherKopf, "The file has a wrong header.") +
            "File:" + datei);
        return false;
    }

    // The main window's folder browser shows the show folder, so the figure list holds the
    // show's figures.
    if (!showOrdnerZeigen(k, ordner)) return false;

    s.Showname = name;
    s.Showordner = ordner;
    s.ShowName = inhalt->ShowName;
    s.SoundName = inhalt->SoundName;
    s.FaktorDrehenSchieben = inhalt->FaktorDrehenSchieben;
    s.FaktorStauchen = inhalt->FaktorStauchen;
    if (k.teile.faktorenGeaendert) k.teile.faktorenGeaendert();

    medienOeffnen(k, ordner);
    s.cmdNewAudioEnabled = true;

    k.paletten.Palettendatei = ordner + name + ".qvp";
    if (existiert(k.paletten.Palettendatei))
        FarbpaletteLaden(k.paletten, k.env);
    else
        k.env.log.zeile("ShowLaden: no palette " + k.paletten.Palettendatei);

    s.Sequenzdatei = ordner + name + ".seq";
    if (k.teile.sequenzLaden) k.teile.sequenzLaden(s.Sequenzdatei);

    s.mnuShowname = ordner + name;
    LadeShowInfo(k, ordner, name + ".info");
    return true;
}

bool mnuShowLaden_Click(ShowKontext& k) {
    auto& s = k.show;
    std::string datei;
    const bool ausListe = !s.ausstehendeDatei.empty();
    if (ausListe) {
        datei = std::exchange(s.ausstehendeDatei, std::string());
    } else {
        DateiAuswahl a;
        a.titel = k.env.texte.text(meldung::ShowOeffnenTitel, "Open show");
        a.filter = "Laser Show (*.shw)|*.shw";
        a.ordner = s.LetzterShowOrdner;
        datei = k.env.dialoge.dateiOeffnen(a);
    }
    if (datei.empty()) return false;
    if (!existiert(datei)) {
        // A vanished recent file is dropped by the caller without a message.
        if (!ausListe)
            dateifehlerMelden(k.env, Zugriff::Lesen, kLadenFalle + datei, datei,
                              fehlerBeschreibung(fehlernummer::DateiNichtGefunden));
        return false;
    }
    const auto trenner = datei.find_last_of("/\\");
    const std::string ordner = trenner == std::string::npos ? "" : datei.substr(0, trenner + 1);
    std::string name = datei.substr(ordner.size());
    if (name.size() >= 4) name.resize(name.size() - 4);

    s.LetzterShowOrdner = ordner;
    zuletztGeoeffneteAufnehmen(k, datei);
    k.medien.DS_Stop();
    const bool geladen = ShowLaden(k, name, ordner);
    while (s.ShowLadenBusy) k.env.warten(100);
    if (geladen && k.teile.nachShowOeffnen) k.teile.nachShowOeffnen();
    return geladen;
}

void mnuNeueShow_Click(ShowKontext& k) {
    auto& s = k.show;
    k.medien.DS_Stop();
    s.Showname = kKeinShowname;
    s.Showordner.clear();
    s.ShowName.clear();
    s.SoundName.clear();
    s.FaktorDrehenSchieben = "1";
    s.FaktorStauchen = "1";
    s.MediaDatei.clear();
    s.MediaTyp = "mp3";
    s.MediaLaenge = 0;
    s.mnuShowname.clear();
    if (k.teile.faktorenGeaendert) k.teile.faktorenGeaendert();
    if (k.teile.sequenzLeeren) k.teile.sequenzLeeren();
}

} // namespace sw
