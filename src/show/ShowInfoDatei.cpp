#include "show/ShowInfoDatei.h"

#include "core/Dateifehler.h"
#include "core/Meldungen.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"
#include "show/ShowMeldungen.h"
#include "show/ShowSpeichern.h"

#include <filesystem>

namespace sw {

namespace {

bool existiert(const std::string& datei) {
    std::error_code ec;
    return std::filesystem::is_regular_file(datei, ec);
}

// The record of a file, or nullopt after the failure was reported.
std::optional<ShowInfo> infoLesen(ShowKontext& k, const std::string& datei) {
    const std::string falle = "Fehler # 75 LadeShowInfo, Fehler bei Zugriff auf Datei: " + datei;
    try {
        return showInfoDekodieren(dateiLesen(datei));
    } catch (const Laufzeitfehler& e) {
        dateifehlerMelden(k.env, Zugriff::Lesen, falle, datei, e.what());
    } catch (const Formatfehler& e) {
        k.env.log.zeile(falle);
        k.env.dialoge.warnung(
            meldung::einsetzen(
                k.env.texte.text(meldung::ShowInfoDefekt, meldung::ShowInfoDefektText), datei),
            falle + "\n" + e.what());
    }
    return std::nullopt;
}

} // namespace

void ShowInfos_Clear(ShowZustand& show) {
    show.info = ShowInfo{};
}

void showInfoSchreiben(const ShowInfo& info, const std::string& datei) {
    atomarSchreiben(datei, showInfoKodieren(info));
}

bool LadeShowInfo(ShowKontext& k, const std::string& ordnerText, const std::string& datei) {
    auto& s = k.show;
    const std::string ordner = ordnerMitTrenner(ordnerText);
    // Read first: a broken record leaves the window as it was.
    std::optional<ShowInfo> info;
    const bool mitRecord = existiert(ordner + datei);
    if (mitRecord) {
        info = infoLesen(k, ordner + datei);
        if (!info) return false;
    }

    s.showInfoTitel = "ShowInfo: Datei " + datei;
    ShowInfos_Clear(s);
    s.infoText.clear();
    const std::string freitext = ordner + "[INFO].txt";
    if (existiert(freitext)) {
        try {
            s.infoText = cp1252NachUtf8(dateiLesen(freitext));
            if (s.mnuAutomatischZeigen) {
                s.showInfoSeite = 6;
                s.showInfoZeigen = true;
            }
        } catch (const Laufzeitfehler& e) {
            k.env.log.zeile("LadeShowInfo: " + freitext + ": " + e.what());
        }
    }
    if (info) {
        s.info = std::move(*info);
        s.showInfoSeite = 0;
    }
    if (k.teile.showInfoGeladen) k.teile.showInfoGeladen();
    return mitRecord;
}

bool cmdAlsStandardSpeichern_Click(ShowKontext& k) {
    const std::string datei = (k.datenOrdner / "Standard.info").string();
    try {
        showInfoSchreiben(k.show.info, datei);
        return true;
    } catch (const Laufzeitfehler& e) {
        dateifehlerMelden(k.env, Zugriff::Schreiben,
                          fehlerMeldung(e.nummer(), "cmdAlsStandardSpeichern " + datei), datei,
                          e.what());
        return false;
    }
}

bool cmdStandardLaden_Click(ShowKontext& k) {
    const std::string datei = (k.datenOrdner / "Standard.info").string();
    if (!existiert(datei)) {
        k.env.dialoge.meldung("Fehler # file " + datei + " not found");
        return false;
    }
    auto info = infoLesen(k, datei);
    if (!info) return false;
    k.show.info = std::move(*info);
    return true;
}

void cmd_bernehmen_Click(ShowKontext& k, const ShowInfo& ausDemFenster) {
    k.show.info = ausDemFenster;
    if (k.env.dialoge.frage("Show mit Showinfos speichern?", Knoepfe::JaNein, Antwort::Ja) ==
        Antwort::Ja)
        mnuShowSpeichern_Click(k);
}

} // namespace sw
