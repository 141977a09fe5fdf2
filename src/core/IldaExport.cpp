#include "core/IldaExport.h"

#include "core/Dateifehler.h"
#include "core/Meldungen.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"
#include "platform/Vb.h"

#include <algorithm>
#include <charconv>

namespace sw {

namespace {

constexpr long kMaxFrames = 65535;

std::uint8_t farbByte(double wert) {
    return static_cast<std::uint8_t>(std::clamp(vb::runden(wert), 0.0, 255.0));
}

std::uint8_t palettenIndex(const IldaPunkt& p, bool dunkel, bool palettenFarben) {
    if (!palettenFarben) return dunkel ? 0 : 254;
    int index = 39 + (p.R / 51) * 36 + (p.G / 51) * 6 + (p.B / 51);
    return static_cast<std::uint8_t>(index == 39 ? 0 : index);
}

bool istDunkel(const IldaPunkt& p) {
    return p.R == 0 && p.G == 0 && p.B == 0;
}

std::uint8_t recordStatus(const IldaPunkt& p, bool letzter) {
    return static_cast<std::uint8_t>((letzter ? ilda::kStatusLetzter : 0) +
                                     (istDunkel(p) ? ilda::kStatusDunkel : 0));
}

// The operator reads in the chosen language which file failed; the trap text and the reason
// go to the log and to the warning's details.
void meldeZugriffsfehler(Umgebung& env, const char* routine, const std::string& datei,
                         const std::string& grund) {
    dateifehlerMelden(env, Zugriff::Schreiben,
                      "Fehler # " + std::string(" 75. frmHaupt, Sub ") + routine +
                          "          Fehler bei Zugriff auf Datei: " + datei,
                      datei, grund);
}

std::vector<IldaPunkt> framePunkte(const Frame& frame, const Paletten& p) {
    std::vector<IldaPunkt> aus;
    aus.reserve(frame.Punkte.size());
    for (const auto& pt : frame.Punkte) {
        const RGB& c = p.farbe(pt.Farbe);
        aus.push_back(IldaPunkt{pt.X, pt.Y, farbByte(c.R), farbByte(c.G), farbByte(c.B)});
    }
    return aus;
}

} // namespace

void ildaFrameSchreiben(BinaerSchreiber& s, int art, std::span<const IldaPunkt> punkte,
                        std::uint16_t nummer, std::uint16_t gesamt, bool palettenFarben) {
    const auto n = static_cast<std::uint16_t>(punkte.size());
    if (art == 5) {
        ilda::kopfSchreiben(s, 5, n, nummer, gesamt);
        for (std::size_t i = 0; i < punkte.size(); ++i) {
            const auto& p = punkte[i];
            s.i16be(p.X);
            s.i16be(p.Y);
            s.u8(recordStatus(p, i + 1 == punkte.size()));
            s.u8(p.B);
            s.u8(p.G);
            s.u8(p.R);
        }
        return;
    }
    if (art == 1 || art == 2) {
        ilda::kopfFormat3Schreiben(s, n);
        for (const auto& p : punkte) {
            s.u8(p.R);
            s.u8(p.G);
            s.u8(p.B);
        }
    }
    ilda::kopfSchreiben(s, 1, n, nummer, gesamt);
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const auto& p = punkte[i];
        s.i16be(p.X);
        s.i16be(p.Y);
        s.u8(recordStatus(p, i + 1 == punkte.size()));
        s.u8(palettenIndex(p, istDunkel(p), palettenFarben));
    }
}

void ildaPaletteSchreiben(BinaerSchreiber& s, std::span<const RGB> farben) {
    ilda::kopfSchreiben(s, 2, static_cast<std::uint16_t>(farben.size()), 0, 0);
    for (const auto& c : farben) {
        s.u8(farbByte(c.R));
        s.u8(farbByte(c.G));
        s.u8(farbByte(c.B));
    }
}

std::string ildaKodieren(const Figur& figur, const Paletten& p, int art, bool palettenFarben) {
    if (art == 0) art = 3;
    BinaerSchreiber s;
    std::size_t groesse = 2 * ilda::kKopf + 3 * kAltePalettenGroesse;
    for (const auto& frame : figur.Frames) groesse += ilda::kKopf + 16 + frame.Punkte.size() * 11;
    s.reservieren(groesse);
    if (art == 2 || art == 4) {
        // The palette section holds the old 255-colour table; the current table is not touched.
        const auto alt = altePalette();
        ildaPaletteSchreiben(s, alt);
    }
    const auto gesamt = static_cast<std::uint16_t>(figur.Frames.size());
    for (std::size_t f = 0; f < figur.Frames.size(); ++f)
        ildaFrameSchreiben(s, art, framePunkte(figur.Frames[f], p), static_cast<std::uint16_t>(f),
                           gesamt, palettenFarben);
    if (art == 5) ilda::kopfSchreiben(s, 5, 0, 0, gesamt);
    return s.nehmen();
}

std::optional<int> IldaArtFragen(Umgebung& env) {
    std::string text;
    int zeile = 0;
    for (const char* standard : meldung::IldaExportArtenTexte) {
        if (!text.empty()) text += "\n";
        text += env.texte.text(meldung::IldaExportArten + zeile++, standard);
    }
    auto antwort = env.dialoge.eingabe(text, "5");
    if (!antwort) return std::nullopt;
    auto t = trimmen(*antwort);
    int art = -1;
    auto [ende, ec] = std::from_chars(t.data(), t.data() + t.size(), art);
    // 0 is the old answer for kind 3 and still taken.
    if (ec != std::errc() || ende != t.data() + t.size() || art < 0 || art > 5) {
        env.dialoge.meldung(meldung::einsetzen(
            env.texte.text(meldung::IldaUnbekannteArt, meldung::IldaUnbekannteArtText),
            std::string(t)));
        return std::nullopt;
    }
    return art;
}

bool IldaSpeichern(FigurenSpeicher& s, const Paletten& p, Umgebung& env,
                   const std::filesystem::path& Dateiname, bool IldaPalettenFarben,
                   std::optional<int> art, std::string* grund) {
    if (!art) art = IldaArtFragen(env);
    if (!art) return false;
    const long figurNr = s.SpurAuswahl[s.EditorSpur].Figur;
    if (!s.Figuren.enthaelt(figurNr)) return false;
    const Figur& figur = s.Figuren[figurNr];
    if (static_cast<long>(figur.Frames.size()) > kMaxFrames) {
        if (grund) *grund = "ILDA files hold at most 65535 frames";
        env.dialoge.meldung(
            env.texte.text(meldung::IldaZuVieleFrames, meldung::IldaZuVieleFrameText));
        return false;
    }
    try {
        atomarSchreiben(Dateiname, ildaKodieren(figur, p, *art, IldaPalettenFarben));
        return true;
    } catch (const Laufzeitfehler& e) {
        if (grund) *grund = e.what();
        meldeZugriffsfehler(env, "IldaSpeichern", Dateiname.string(), e.what());
        return false;
    }
}

bool cmdExportIlda_Click(FigurenSpeicher& s, const Paletten& p, Umgebung& env,
                         std::string& IldaDateiname, bool IldaPalettenFarben) {
    DateiAuswahl auswahl;
    auswahl.titel = env.texte.text(meldung::IldaExportTitel, meldung::IldaExportTitelText);
    auswahl.filter = "*.ild(Ilda)|*.ild";
    auswahl.ordner = s.lstDirPfad.string();
    std::string name = env.dialoge.dateiSpeichern(auswahl);
    if (name.empty()) return false;
    if (!gleichOhneGross(std::filesystem::path(name).extension().string(), ".ild")) name += ".ild";
    IldaDateiname = name;
    return IldaSpeichern(s, p, env, name, IldaPalettenFarben);
}

bool IldaFarbPalettenHeaderSchreiben(const Paletten& p, Umgebung& env,
                                     const std::filesystem::path& Dateiname) {
    std::vector<RGB> farben;
    for (long i = 0; i < kAltePalettenGroesse; ++i) farben.push_back(p.Farbpalette[i]);
    BinaerSchreiber s;
    ildaPaletteSchreiben(s, farben);
    try {
        atomarSchreiben(Dateiname, s.daten());
        return true;
    } catch (const Laufzeitfehler& e) {
        meldeZugriffsfehler(env, "IldaFarbPalettenHeaderSchreiben", Dateiname.string(), e.what());
        return false;
    }
}

// The show export.

IldaShowExport::~IldaShowExport() = default;

bool IldaShowExport::starten(Umgebung& env, const std::filesystem::path& datei, int art,
                             bool palettenFarben) {
    if (datei_.offen()) beenden(env);
    pfad_ = datei;
    art_ = art == 0 ? 3 : art;
    palettenFarben_ = palettenFarben;
    frames_ = 0;
    voll_ = false;
    grund_.clear();
    gesamtFelder_.clear();
    puffer_.clear();
    puffer_.reserve(4096);
    try {
        datei_.oeffnen(datei);
    } catch (const Laufzeitfehler& e) {
        fehlschlag(env, e.what());
        return false;
    }
    if (art_ == 2 || art_ == 4) {
        BinaerSchreiber s;
        ildaPaletteSchreiben(s, altePalette());
        return schreiben(env, s.daten());
    }
    return true;
}

void IldaShowExport::IldaShowExport_Feld(double X, double Y, double R, double G, double B) {
    if (!datei_.offen()) return; // stopped or failed: nothing collects
    auto koordinate = [](double v) {
        return static_cast<std::int16_t>(std::clamp(vb::runden(v) - 32767.0, -32768.0, 32767.0));
    };
    puffer_.push_back(
        IldaPunkt{koordinate(X), koordinate(Y), farbByte(R), farbByte(G), farbByte(B)});
}

void IldaShowExport::fehlschlag(Umgebung& env, const std::string& grund) {
    grund_ = grund;
    meldeZugriffsfehler(env, "Ilda_RGBFrameHinzufuegen", pfad_.string(), grund);
    datei_.verwerfen();
}

bool IldaShowExport::schreiben(Umgebung& env, const std::string& bytes) {
    datei_.schreiben(bytes);
    if (!datei_.fehlerhaft()) return true;
    fehlschlag(env, datei_.grund());
    return false;
}

bool IldaShowExport::Ilda_RGBFrameHinzufuegen(Umgebung& env) {
    if (!datei_.offen()) {
        puffer_.clear();
        return false;
    }
    if (frames_ >= kMaxFrames) {
        if (!voll_) env.log.zeile("Ilda show export: 65535 frames recorded, the rest is left out");
        voll_ = true;
        puffer_.clear();
        return false;
    }
    if (puffer_.empty()) puffer_.push_back(IldaPunkt{});
    if (puffer_.size() > 65535) puffer_.resize(65535);
    schreiber_ = BinaerSchreiber();
    ildaFrameSchreiben(schreiber_, art_, puffer_, static_cast<std::uint16_t>(frames_), 0,
                       palettenFarben_);
    // The total-frames field of the picture header, filled in when the recording stops.
    const auto anfang = static_cast<long>(datei_.groesse());
    const long kopf =
        static_cast<long>(schreiber_.daten().size()) -
        static_cast<long>(ilda::kKopf + puffer_.size() * ilda::recordGroesse(art_ == 5 ? 5 : 1));
    gesamtFelder_.push_back(anfang + kopf + 28);
    puffer_.clear();
    ++frames_;
    return schreiben(env, schreiber_.daten());
}

bool IldaShowExport::beenden(Umgebung& env) {
    if (!datei_.offen()) return false;
    const auto gesamt = static_cast<std::uint16_t>(frames_);
    BinaerSchreiber ende;
    ilda::kopfSchreiben(ende, art_ == 5 ? 5 : 1, 0, 0, gesamt);
    if (!schreiben(env, ende.daten())) return false;
    const char feld[2] = {static_cast<char>(gesamt >> 8), static_cast<char>(gesamt & 0xFF)};
    for (long offset : gesamtFelder_)
        datei_.schreibenBei(static_cast<std::uint64_t>(offset), std::string_view(feld, 2));
    try {
        datei_.abschliessen();
        return true;
    } catch (const Laufzeitfehler& e) {
        fehlschlag(env, e.what());
        return false;
    }
}

} // namespace sw
