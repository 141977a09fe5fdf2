#include "show/Playlist.h"

#include "core/Dateifehler.h"
#include "core/Meldungen.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Dialoge.h"
#include "platform/Fehler.h"
#include "platform/Text.h"
#include "show/ShowLaden.h"
#include "show/ShowMeldungen.h"
#include "show/ShowZuletzt.h"
#include "show/WiedergabeMeldungen.h"

#include <algorithm>

namespace sw {

namespace {

namespace fs = std::filesystem;

const char* kSonstiges = "Sonstiges";

void option(PlaylistKontext& k, const char* schluessel, bool& box, bool an) {
    box = an;
    k.show.einstellungen.zahlSchreiben(kSonstiges, schluessel, an ? -1.0f : 0.0f);
}

std::size_t letzterTrenner(const std::string& pfad) {
    return pfad.find_last_of("/\\");
}

// The show loaded with its messages in the log when the playlist plays without messages:
// the show routines see dialogs that answer with their default button.
bool showLaden(PlaylistKontext& k, const std::string& name, const std::string& ordner) {
    if (!k.p.checkPlayOhneMessages) return ShowLaden(k.show, name, ordner);
    SkriptDialoge still;
    Umgebung& env = k.show.env;
    Umgebung stillEnv{still, env.pumpe, env.uhr, env.log, env.texte};
    ShowKontext sk{k.show.show,       k.show.figuren, k.show.paletten, k.show.einstellungen,
                   stillEnv,          k.show.medien,  k.show.teile,    k.show.programmOrdner,
                   k.show.datenOrdner};
    const bool ok = ShowLaden(sk, name, ordner);
    for (const auto& m : still.meldungen) env.log.zeile("Playlist, not shown: " + m);
    return ok;
}

void beenden(PlaylistKontext& k) {
    k.wk.w.playlistLaeuft = false;
    k.wk.w.tmrPlaylist = false;
    k.p.bearbeitbar = true;
}

} // namespace

std::vector<std::string> Playlist::titel() const {
    std::vector<std::string> t;
    for (std::size_t i = 1; i < eintraege.size(); ++i) t.push_back(eintraege[i].titel);
    return t;
}

void playlistOptionenLaden(PlaylistKontext& k) {
    auto& e = k.show.einstellungen;
    k.p.checkAutoLoop = e.zahlLesen(kSonstiges, "CheckAutoLoop", 0) != 0;
    k.p.checkAutoNextShow = e.zahlLesen(kSonstiges, "CheckAutoNextShow", 0) != 0;
    k.p.checkKlickShowstart = e.zahlLesen(kSonstiges, "checkKlickShowstart", 0) != 0;
    k.p.checkPlayOhneMessages = e.zahlLesen(kSonstiges, "checkPlayOhneMessages", 0) != 0;
}

void checkAutoLoop_Click(PlaylistKontext& k, bool an) {
    option(k, "CheckAutoLoop", k.p.checkAutoLoop, an);
}
void checkAutoNextShow_Click(PlaylistKontext& k, bool an) {
    option(k, "CheckAutoNextShow", k.p.checkAutoNextShow, an);
}
void checkKlickShowstart_Click(PlaylistKontext& k, bool an) {
    option(k, "checkKlickShowstart", k.p.checkKlickShowstart, an);
}

void checkPlayOhneMessages_Click(PlaylistKontext& k, bool an) {
    option(k, "checkPlayOhneMessages", k.p.checkPlayOhneMessages, an);
}

void cmdNeu_Click(PlaylistKontext& k) {
    k.p.eintraege.assign(1, PlaylistEntry{});
    k.p.ListIndex = -1;
    k.p.datei.clear();
}

bool playlistLaden(PlaylistKontext& k, const std::string& datei) {
    auto& env = k.show.env;
    const std::string falle = " wurde ausgeloest in Sub cmdLaden_Click frmPlayList von " + datei;
    PlaylistInhalt inhalt;
    try {
        inhalt = playlistDekodieren(dateiLesen(datei));
    } catch (const Laufzeitfehler& e) {
        dateifehlerMelden(env, Zugriff::Lesen, falle, datei, e.what());
        return false;
    } catch (const Formatfehler& e) {
        const bool version =
            e.offset() <= 8 && std::string_view(e.what()).find("ersion") != std::string_view::npos;
        env.log.zeile("Fehler # " + falle + ": " + e.what());
        env.dialoge.warnung(
            meldung::einsetzen(
                version ? env.texte.text(meldung::PlaylistUnbekannt, meldung::PlaylistUnbekanntText)
                        : env.texte.text(meldung::PlaylistDefekt, meldung::PlaylistDefektText),
                datei),
            e.what());
        return false;
    }
    showPfadeAufloesen(inhalt.eintraege, fs::absolute(fs::path(datei)).parent_path());
    k.p.eintraege = std::move(inhalt.eintraege);
    k.p.ListIndex = k.p.n() >= 0 ? 0 : -1;
    k.p.datei = datei;
    zuletztGeoeffneteAufnehmen(k.show, datei);
    return true;
}

void showPfadeAufloesen(std::vector<PlaylistEntry>& eintraege, const fs::path& ordner) {
    for (auto& e : eintraege) {
        if (e.showPfad.empty()) continue;
        std::string p = e.showPfad;
        std::replace(p.begin(), p.end(), '\\', '/');
        fs::path pfad(p);
        if (pfad.is_relative()) pfad = ordner / pfad;
        e.showPfad = pfad.lexically_normal().string();
    }
}

bool cmdLaden_Click(PlaylistKontext& k) {
    DateiAuswahl a;
    a.filter = "(*.pll)|*.pll";
    const std::string datei = k.show.env.dialoge.dateiOeffnen(a);
    return !datei.empty() && playlistLaden(k, datei);
}

bool playlistSpeichern(PlaylistKontext& k, const std::string& datei) {
    std::string bytes;
    try {
        bytes = playlistKodieren(k.p.eintraege);
    } catch (const Formatfehler& e) {
        k.show.env.dialoge.meldung(std::string("Fehler # ") + e.what() +
                                   " wurde ausgeloest in Sub cmdSpeichern_Click frmPlayList von ");
        return false;
    }
    if (!speichernOderMelden(k.show.env, datei, bytes,
                             " wurde ausgeloest in Sub cmdSpeichern_Click frmPlayList von " +
                                 datei))
        return false;
    k.p.datei = datei;
    zuletztGeoeffneteAufnehmen(k.show, datei);
    return true;
}

bool cmdSpeichern_Click(PlaylistKontext& k) {
    auto& env = k.show.env;
    for (;;) {
        DateiAuswahl a;
        a.filter = "(*.pll)|*.pll";
        a.dateiname = k.p.datei;
        const std::string datei = env.dialoge.dateiSpeichern(a);
        if (datei.empty()) return false;
        const auto t = letzterTrenner(datei);
        const std::string name = t == std::string::npos ? datei : datei.substr(t + 1);
        if (umlauteErsetzen(name) != name) {
            env.dialoge.meldung(env.texte.text(meldung::UmlauteImNamen,
                                               "Names must not contain umlauts (ä, ö, ü, ß)."));
            continue;
        }
        return playlistSpeichern(k, datei);
    }
}

bool AddShow2Playlist(PlaylistKontext& k, const std::string& datei) {
    const auto t = letzterTrenner(datei);
    if (t == std::string::npos) return false;
    PlaylistEntry e;
    e.showPfad = datei;
    e.titel = datei.substr(t + 1);
    if (k.teile.zuordnungHolen) e.zuordnung = k.teile.zuordnungHolen();
    if (k.teile.ppsHolen) e.pps = k.teile.ppsHolen();
    e.rate = 1.0;
    k.p.eintraege.push_back(std::move(e));
    return true;
}

bool cmdAdd_Click(PlaylistKontext& k) {
    DateiAuswahl a;
    a.filter = "Laser Show (*.shw)|*.shw";
    const std::string datei = k.show.env.dialoge.dateiOeffnen(a);
    return !datei.empty() && AddShow2Playlist(k, datei);
}

int cmdAlleShowsInPlayliste_Click(PlaylistKontext& k, const fs::path& ordner) {
    auto unterordner = [](const fs::path& o) {
        std::vector<fs::path> liste;
        std::error_code ec;
        for (fs::directory_iterator it(o, ec), ende; !ec && it != ende; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (name == "." || name == ".." || name.find(".zip") != std::string::npos) continue;
            if (it->is_directory(ec)) liste.push_back(it->path());
        }
        std::sort(liste.begin(), liste.end());
        return liste;
    };
    auto shows = [&](const fs::path& o) {
        std::vector<fs::path> liste;
        std::error_code ec;
        for (fs::directory_iterator it(o, ec), ende; !ec && it != ende; it.increment(ec))
            if (it->is_regular_file(ec) && gleichOhneGross(it->path().extension().string(), ".shw"))
                liste.push_back(it->path());
        std::sort(liste.begin(), liste.end());
        int n = 0;
        for (const auto& p : liste) n += AddShow2Playlist(k, p.string()) ? 1 : 0;
        return n;
    };
    int n = 0;
    for (const auto& u : unterordner(ordner)) {
        n += shows(u);
        for (const auto& uu : unterordner(u)) n += shows(uu);
    }
    return n;
}

void cmdLoeschen_Click(PlaylistKontext& k) {
    auto& p = k.p;
    if (!p.bearbeitbar || p.ListIndex < 0 || p.ListIndex > p.n()) return;
    p.eintraege.erase(p.eintraege.begin() + p.ListIndex + 1);
    p.ListIndex = std::min(p.ListIndex, p.n());
}

void cmdUpdDown_Click(PlaylistKontext& k, int index) {
    auto& p = k.p;
    if (!p.bearbeitbar || p.ListIndex < 0 || p.ListIndex > p.n()) return;
    const int ziel = index == 0 ? p.ListIndex - 1 : p.ListIndex + 1;
    if (ziel < 0 || ziel > p.n()) return;
    std::swap(p.eintrag(p.ListIndex), p.eintrag(ziel));
    p.ListIndex = ziel;
}

void Titel_Abspielen(PlaylistKontext& k, int nummer) {
    auto& p = k.p;
    auto& wk = k.wk;
    auto& env = k.show.env;
    if (nummer < 0 || nummer > p.n()) return;
    p.bearbeitbar = false;
    p.ListIndex = nummer;
    // A copy: the wait and the question below let events run that may change the list.
    const PlaylistEntry e = p.eintrag(nummer);
    if (e.showPfad.empty()) {
        p.bearbeitbar = true;
        return;
    }
    Anhalten_Click(wk);
    env.warten(1000);

    const auto t = letzterTrenner(e.showPfad);
    const std::string ordner = t == std::string::npos ? "" : e.showPfad.substr(0, t + 1);
    std::string name = e.showPfad.substr(ordner.size());
    if (name.size() >= 4) name.resize(name.size() - 4);
    if (k.show.teile.sequenzLeeren) k.show.teile.sequenzLeeren();
    wk.medien.DS_Stop();
    wk.w.playlistLaeuft = true;

    showLaden(k, name, ordner);
    Prev_Click(wk);
    if (k.teile.zoomZuruecksetzen) k.teile.zoomZuruecksetzen();

    if (p.checkKlickShowstart &&
        env.dialoge.frage(meldung::PlaylistStartFrage, Knoepfe::OkAbbrechen, Antwort::Ok) ==
            Antwort::Abbrechen) {
        beenden(k);
        return;
    }
    if (k.teile.Mappingaendern) k.teile.Mappingaendern(e);
    wk.medien.DS_SetVolume(e.lautstaerke);
    wk.medien.DS_SetBalance(e.balance);
    if (e.rate >= 0.2 && e.rate <= 2.0) wk.w.rate = e.rate;
    if (e.startverzoegerung >= kMindestVerzoegerung) wk.w.startverzoegerung = e.startverzoegerung;
    cmdStartTimer_Click(wk);
}

void tmrPlaylist_Timer(PlaylistKontext& k) {
    auto& w = k.wk.w;
    if (!w.tmrPlaylist) return;
    w.tmrPlaylist = false;
    // Enabled by the rewind before a start: the show is under way, nothing to move on from.
    if (w.spielt || !w.playlistLaeuft) return;
    if (!k.p.checkAutoNextShow) {
        beenden(k);
        return;
    }
    int naechster = k.p.ListIndex + 1;
    if (naechster > k.p.n()) {
        if (!k.p.checkAutoLoop || k.p.n() < 0) {
            beenden(k);
            return;
        }
        naechster = 0;
    }
    Titel_Abspielen(k, naechster);
}

void cmdPlay_Click(PlaylistKontext& k) {
    Titel_Abspielen(k, std::max(k.p.ListIndex, 0));
}

void cmdNext_Click(PlaylistKontext& k) {
    if (k.p.ListIndex + 1 <= k.p.n()) Titel_Abspielen(k, k.p.ListIndex + 1);
}

void cmdPrev_Click(PlaylistKontext& k) {
    if (k.p.ListIndex - 1 >= 0) Titel_Abspielen(k, k.p.ListIndex - 1);
}

void cmdAnhalten_Click(PlaylistKontext& k) {
    beenden(k);
    Anhalten_Click(k.wk);
}

void eintragSpielen(PlaylistKontext& k, int nummer) {
    if (nummer < 0 || nummer > k.p.n()) return;
    k.p.ListIndex = nummer;
    Titel_Abspielen(k, nummer);
}

void playlistNote(PlaylistKontext& k, int note) {
    switch (note) {
    case 36:
        cmdAnhalten_Click(k);
        return;
    case 38:
        cmdPrev_Click(k);
        return;
    case 40:
        cmdNext_Click(k);
        return;
    case 41:
        cmdPlay_Click(k);
        return;
    default:
        if (note >= kNoteErsterEintrag) eintragSpielen(k, note - kNoteErsterEintrag);
    }
}

void txtPPS_Change(PlaylistKontext& k, int dac, std::int32_t wert) {
    auto& p = k.p;
    if (dac < 0 || dac >= kPlaylistDacs || p.ListIndex < 0 || p.ListIndex > p.n()) return;
    p.eintrag(p.ListIndex).pps[static_cast<std::size_t>(dac)] = wert;
    if (wert <= kPpsGrenze) return;
    auto& e = k.show.einstellungen;
    if (e.zahlLesen("PPS_Warnung", "DAC_Angezeigt", 0) == -1) return;
    k.show.env.dialoge.frage(
        k.show.env.texte.text(meldung::PpsWarnung,
                              "More than 25000 points per second can damage the scanners of "
                              "many lasers. Show this warning again?"),
        Knoepfe::JaNein, Antwort::Ja);
    e.zahlSchreiben("PPS_Warnung", "DAC_Angezeigt", -1);
}

void cmdMidiInfo_Click(PlaylistKontext& k) {
    k.show.env.dialoge.meldung(meldung::MidiInfoText, meldung::MidiInfoTitel);
}

} // namespace sw
