#include "live/LiveDateien.h"

#include "core/Meldungen.h"
#include "platform/Datei.h"
#include "platform/Fehlerfalle.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

void zuletzt(LiveKontext& k, const fs::path& datei) {
    if (k.live.hooks.zuletztGeoeffnet) k.live.hooks.zuletztGeoeffnet(datei.string());
}

} // namespace

bool LiveShowladen(LiveKontext& k, const fs::path& datei) {
    bool genommen = false;
    mitFehlerfalle(
        k.env, " wurde ausgeloest in Sub LiveShowLaden frmLive von ", Meldeart::Nachricht, [&] {
            if (k.live.hooks.ordnerZeigen && datei.has_parent_path())
                k.live.hooks.ordnerZeigen(datei.parent_path());
            const std::string bytes = dateiLesen(datei);
            try {
                k.live.fenster.show = liveShowDekodieren(bytes);
            } catch (const std::exception& e) {
                k.env.log.zeile(datei.string() + ": " + e.what());
                k.env.dialoge.meldung(meldung::einsetzen(
                    k.env.texte.text(meldung::LiveShowDefekt, meldung::LiveShowDefektText),
                    datei.string()));
                return;
            }
            genommen = true;
            auto& f = k.live.fenster;
            if (k.live.hooks.Refresh_Optionen)
                k.live.hooks.Refresh_Optionen(f.aktuelleTaste, f.Live_Shift);
            if (k.live.hooks.neuLayout) k.live.hooks.neuLayout();
        });
    return genommen;
}

bool LiveShowSpeichern(LiveKontext& k, const fs::path& datei) {
    const bool ok = mitFehlerfalle(
        k.env, " wurde ausgeloest in Sub cmdLiveShowSpeichern frmLive von ", Meldeart::Nachricht,
        [&] { atomarSchreiben(datei, liveShowKodieren(k.live.fenster.show)); });
    if (ok) zuletzt(k, datei);
    return ok;
}

void cmdLiveShowOeffnen_Click(LiveKontext& k) {
    std::string datei;
    mitFehlerfalle(k.env, " wurde ausgeloest in Sub cmdLiveShowÖffnen frmLive von ",
                   Meldeart::Nachricht, [&] {
                       datei = k.env.dialoge.dateiOeffnen(
                           {"Open Live Show", kLiveFilter, {}, k.live.ordner.string()});
                       if (!datei.empty()) zuletzt(k, datei);
                   });
    if (!datei.empty()) LiveShowladen(k, datei);
}

void cmdLiveShowSpeichern_Click(LiveKontext& k) {
    const std::string datei =
        k.env.dialoge.dateiSpeichern({"Save Live Show", kLiveFilter,
                                      k.live.fenster.show.name + ".live", k.live.ordner.string()});
    if (datei.empty()) return;
    LiveShowSpeichern(k, datei);
}

void mnuNeueLiveShow_Click(LiveKontext& k) {
    const std::string datei = k.env.dialoge.dateiSpeichern(
        {"Create New Live Show", kLiveFilter, {}, k.live.ordner.string()});
    if (datei.empty()) return;
    liveShowZuruecksetzen(k.live.fenster.show);
    zuletzt(k, datei);
}

void lblShowname_Click(LiveKontext& k) {
    const auto name = k.env.dialoge.eingabe(
        k.env.texte.text(meldung::LiveShowUmbenennen, meldung::LiveShowUmbenennenText),
        k.live.fenster.show.name);
    if (name) k.live.fenster.show.name = *name;
}

} // namespace sw
