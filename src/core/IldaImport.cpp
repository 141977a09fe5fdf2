#include "core/IldaImport.h"

#include "core/Dateifehler.h"
#include "core/FigurDatei.h"
#include "core/IldaFormat.h"
#include "core/Meldungen.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Speicherblock.h"
#include "platform/Vb.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace sw {

namespace {

using Byte = unsigned char;

// The next n bytes of the reader, which the caller has checked are there.
const Byte* roheBytes(const BinaerLeser& l, std::size_t n) {
    return reinterpret_cast<const Byte*>(l.vorschau(n).data());
}

std::int16_t wort(const Byte* b) { // big-endian
    return static_cast<std::int16_t>((b[0] << 8) | b[1]);
}

std::int16_t koordinate(double wert) {
    return static_cast<std::int16_t>(std::clamp(vb::runden(wert), -32768.0, 32767.0));
}

// What the colour byte of an indexed record becomes.
struct Farbwahl {
    const std::int32_t* standard; // index byte -> standard colour's index; null keeps the index
    bool echtfarbRiegel;          // after a true-colour section: the point keeps its colour
};

// The points of one picture section (all its records present): X, Y and, for 3-D records, Z
// (dividing when asked to and Z is not 0), status, then a colour index or blue, green, red.
// A last point ends the frame; the frame's later points stay as they were.
template <bool DreiD, bool Indiziert>
void punkteLesen(const Byte* r, std::vector<Punkt>& punkte, const Farbwahl& farbwahl, bool teilen) {
    constexpr std::size_t kStatus = DreiD ? 6 : 4;
    constexpr std::size_t kGroesse = kStatus + (Indiziert ? 2 : 4);
    for (auto& p : punkte) {
        const std::int16_t x = wort(r), y = wort(r + 2);
        const std::int16_t z = DreiD ? wort(r + 4) : 0;
        if (DreiD && teilen && z != 0) {
            p.X = koordinate(static_cast<double>(x) / z);
            p.Y = koordinate(static_cast<double>(y) / z);
        } else {
            p.X = x;
            p.Y = y;
        }
        const int status = r[kStatus];
        p.Status = 0;
        if constexpr (Indiziert) {
            const int index = r[kStatus + 1];
            if (farbwahl.standard)
                p.Farbe = farbwahl.standard[index];
            else if (!farbwahl.echtfarbRiegel)
                p.Farbe = index;
        } else {
            p.Farbe = FarbIndexAusRGB(r[kStatus + 3], r[kStatus + 2], r[kStatus + 1]);
        }
        if (status == ilda::kStatusDunkel || status > ilda::kStatusLetzter) p.Farbe = -1;
        if (status >= ilda::kStatusLetzter) break;
        r += kGroesse;
    }
}

// The picture sections before the end-of-file marker, counted from the headers alone (up to
// the first one that does not fit), so that the frame table is sized once.
std::size_t bildAbschnitte(std::string_view bytes) {
    std::size_t anzahl = 0;
    std::size_t pos = 0;
    while (bytes.size() - pos >= ilda::kKopfFormat3 && bytes.substr(pos, 4) == "ILDA") {
        const auto* k = reinterpret_cast<const Byte*>(bytes.data() + pos);
        const int format = k[7];
        const std::size_t groesse = ilda::recordGroesse(format);
        std::uint64_t ende = pos;
        if (format == 3) {
            ende += ilda::kKopfFormat3 + groesse * ((std::uint64_t{k[12]} << 24) | (k[13] << 16) |
                                                   (k[14] << 8) | k[15]);
        } else {
            if (bytes.size() - pos < ilda::kKopf || groesse == 0) break;
            const std::size_t records = (k[24] << 8) | k[25];
            if (ilda::istBild(format) && records == 0) break;
            anzahl += ilda::istBild(format);
            ende += ilda::kKopf + groesse * records;
        }
        if (ende > bytes.size()) break;
        pos = static_cast<std::size_t>(ende);
    }
    return anzahl;
}

// One import run: the reader, the questions' state and the figure's frame counter.
class Import {
public:
    Import(FigurenSpeicher& s, Paletten& p, Umgebung& env, std::string_view bytes,
           IldaIndexFarben indexFarben)
        : s_(s), p_(p), env_(env), l_(bytes), groesse_(bytes.size()), indexFarben_(indexFarben) {
        frames_.reserve(bildAbschnitte(bytes));
    }

    IldaImportErgebnis lesen(const std::function<void(double)>& fortschritt);

private:
    enum class Weiter { Ja, Ende };

    Weiter bildLesen(const ilda::Kopf& k);
    bool standardFarbenNehmen(const ilda::Kopf& k);
    void uebernehmen();
    void paletteLesen(const ilda::Kopf& k);
    void farbtabelleLesen(const ilda::Kopf& k);
    void zFragen(const ilda::Kopf& k);
    void abgeschnitten();

    FigurenSpeicher& s_;
    Paletten& p_;
    Umgebung& env_;
    BinaerLeser l_;
    std::size_t groesse_;
    IldaImportErgebnis ergebnis_;
    IldaIndexFarben indexFarben_;

    // What the file brings, taken over only when a frame was read.
    std::vector<Frame> frames_;
    std::vector<std::pair<long, RGB>> paletteAenderungen_;

    long frameZaehler_ = -1;
    bool frage89_ = true;
    bool zGefragt_ = false;
    bool zTeilen_ = false;
    bool echtfarbRiegel_ = false; // from the first true-colour section on
    bool farbtabelleGelesen_ = false;
    bool tabelleWartet_ = false; // a format 3 table waits for its picture section
    bool paletteGelesen_ = false;
    bool standardFragenOffen_ = true; // text 1940 not yet decided in this import
    bool standardFarben_ = false;
    std::array<std::int32_t, 256> standardFarbe_{}; // index byte -> its standard colour's index
};

void Import::abgeschnitten() {
    ergebnis_.problem =
        "the file ends in the middle of a section at byte " + std::to_string(l_.position());
    env_.dialoge.meldung(
        env_.texte.text(meldung::IldaAbgeschnitten, meldung::IldaAbgeschnittenText));
}

// Asks once per import, before the section is read, whether 3-D records are divided by Z:
// no table reference is held while the question is open.
void Import::zFragen(const ilda::Kopf& k) {
    const std::size_t groesse = ilda::recordGroesse(k.format);
    const auto* r = roheBytes(l_, groesse * k.records);
    for (std::uint32_t i = 0; i < k.records; ++i, r += groesse) {
        if (wort(r + 4) != 0) {
            zGefragt_ = true;
            zTeilen_ = env_.dialoge.frage(env_.texte.text(meldung::IldaDurchZTeilen),
                                          Knoepfe::OkAbbrechen, Antwort::Abbrechen) == Antwort::Ok;
            return;
        }
        if (r[6] >= ilda::kStatusLetzter) return;
    }
}

Import::Weiter Import::bildLesen(const ilda::Kopf& k) {
    const int gesamt = k.gesamt == 0 ? 1 : k.gesamt;
    if (k.nummer > gesamt - 1 && frage89_) {
        if (env_.dialoge.frage(env_.texte.text(meldung::IldaMehrFramesAlsAngekuendigt),
                               Knoepfe::JaNein, Antwort::Ja) == Antwort::Nein) {
            ergebnis_.vollstaendig = true;
            return Weiter::Ende;
        }
        frage89_ = env_.dialoge.frage(env_.texte.text(meldung::IldaWeiterFragen), Knoepfe::JaNein,
                                      Antwort::Nein) == Antwort::Ja;
    }
    const std::size_t groesse = ilda::recordGroesse(k.format);
    if (static_cast<std::uint64_t>(groesse) * k.records > l_.rest()) {
        abgeschnitten();
        return Weiter::Ende;
    }

    const bool dreiD = k.format == 0 || k.format == 4;
    if (dreiD && !zGefragt_) zFragen(k);
    const bool indiziert = k.format == 0 || k.format == 1;
    // Indices before any palette section mean the ILDA standard palette.
    const bool standard =
        indiziert && !echtfarbRiegel_ && !paletteGelesen_ && standardFarbenNehmen(k);

    ++frameZaehler_;
    if (static_cast<long>(frames_.size()) < frameZaehler_ + 1)
        frames_.resize(static_cast<std::size_t>(frameZaehler_ + 1));
    tabelleWartet_ = false;
    auto& punkte = frames_[static_cast<std::size_t>(frameZaehler_)].Punkte;
    punkte.resize(k.records);

    // The whole section is in the file (checked above): its records are read from the bytes
    // directly, one loop per record layout.
    const auto* r = roheBytes(l_, groesse * k.records);
    const Farbwahl farbwahl{standard ? standardFarbe_.data() : nullptr, echtfarbRiegel_};
    switch (k.format) {
    case 0:
        punkteLesen<true, true>(r, punkte, farbwahl, zTeilen_);
        break;
    case 1:
        punkteLesen<false, true>(r, punkte, farbwahl, zTeilen_);
        break;
    case 4:
        punkteLesen<true, false>(r, punkte, farbwahl, zTeilen_);
        break;
    default:
        punkteLesen<false, false>(r, punkte, farbwahl, zTeilen_);
        break;
    }
    // Records after a last point are skipped, so that the next section is read in step.
    l_.ueberspringen(groesse * k.records);
    return Weiter::Ja;
}

// Decided once per import, at the first indexed section: not asked when the table already is
// the ILDA one (the indices show the standard colours as they are) or when the section was
// written by our own export, whose indices are those of our tables.
bool Import::standardFarbenNehmen(const ilda::Kopf& k) {
    if (!standardFragenOffen_) return standardFarben_;
    standardFragenOffen_ = false;
    if (istIldaFarbtabelle(p_) || indexFarben_ == IldaIndexFarben::Index ||
        k.name + k.firma == ilda::kKennung)
        return false;
    standardFarben_ = indexFarben_ == IldaIndexFarben::Standardpalette ||
                      env_.dialoge.frage(env_.texte.text(meldung::IldaStandardpaletteFrage,
                                                         meldung::IldaStandardpaletteFrageText),
                                         Knoepfe::JaNein, Antwort::Ja) == Antwort::Ja;
    if (standardFarben_) {
        const auto& palette = ildaStandardpalette();
        standardFarbe_.fill(0); // indices the standard leaves open are dark
        for (std::size_t i = 0; i < palette.size(); ++i)
            standardFarbe_[i] = FarbIndexAusRGB(palette[i].R, palette[i].G, palette[i].B);
    }
    return standardFarben_;
}

void Import::paletteLesen(const ilda::Kopf& k) {
    paletteGelesen_ = true;
    for (std::uint32_t i = 0; i < k.records; ++i) {
        const double r = l_.u8(), g = l_.u8(), b = l_.u8();
        if (i > 0 && i < 255) paletteAenderungen_.emplace_back(static_cast<long>(i), RGB{r, g, b});
    }
}

void Import::farbtabelleLesen(const ilda::Kopf& k) {
    const auto index = static_cast<std::size_t>(frameZaehler_ + 1);
    if (frames_.size() < index + 1) frames_.resize(index + 1);
    auto& punkte = frames_[index].Punkte;
    punkte.assign(std::max<std::uint32_t>(k.records, 1), Punkt{});
    for (std::uint32_t j = 0; j < k.records; ++j) {
        const int r = l_.u8(), g = l_.u8(), b = l_.u8();
        punkte[j].Farbe = FarbIndexAusRGB(r, g, b);
    }
    tabelleWartet_ = true;
    farbtabelleGelesen_ = true;
}

IldaImportErgebnis Import::lesen(const std::function<void(double)>& fortschritt) {
    ergebnis_.geoeffnet = true;
    for (;;) {
        if (l_.amEnde()) {
            ergebnis_.vollstaendig = true;
            break;
        }
        if (l_.vorschau(4) != "ILDA") {
            if (l_.rest() < 4) {
                abgeschnitten();
            } else {
                ergebnis_.problem =
                    "there is no \"ILDA\" signature at byte " + std::to_string(l_.position());
                env_.dialoge.meldung(env_.texte.text(meldung::IldaKeineSignatur));
            }
            break;
        }
        ilda::Kopf k;
        try {
            k = ilda::kopfLesen(l_);
        } catch (const Formatfehler&) {
            abgeschnitten();
            break;
        }
        if (k.format == 3 || k.format == 4 || k.format == 5) echtfarbRiegel_ = true;

        if (ilda::istBild(k.format)) {
            if (k.records == 0) { // the end-of-file marker
                ergebnis_.vollstaendig = true;
                break;
            }
            if (bildLesen(k) == Weiter::Ende) break;
        } else if (k.format == 2 || k.format == 3) {
            if (static_cast<std::uint64_t>(k.records) * 3 > l_.rest()) {
                abgeschnitten();
                break;
            }
            if (k.format == 2)
                paletteLesen(k);
            else
                farbtabelleLesen(k);
        } else {
            ergebnis_.problem = "the section at byte " + std::to_string(l_.position() - k.laenge) +
                                " has the unknown format " + std::to_string(k.format);
            env_.dialoge.meldung(env_.texte.text(meldung::IldaUnbekanntesFormat,
                                                 meldung::IldaUnbekanntesFormatText));
            break;
        }
        if (fortschritt) fortschritt(static_cast<double>(l_.position()) / groesse_);
    }

    ergebnis_.frames = frameZaehler_ + 1;
    if (ergebnis_.frames > 0) uebernehmen();
    return ergebnis_;
}

// Figure 0 becomes the frames read: "new figure" on it records the undo snapshot of what it
// held and clears it; then the palette sections and a true-colour table's standard table apply.
void Import::uebernehmen() {
    // A colour table whose picture section never came leaves no frame behind.
    frames_.resize(static_cast<std::size_t>(frameZaehler_ + 1));
    s_.SpurAuswahl[s_.EditorSpur].Figur = 0;
    cmdNeu_Click(s_);
    s_.Figuren[0].Frames = std::move(frames_);

    for (const auto& [index, farbe] : paletteAenderungen_) p_.Farbpalette[index] = farbe;
    if (farbtabelleGelesen_)
        StandardPaletteErstellen(p_);
    else if (paletteGelesen_) {
        if (p_.farbenKorrigieren) p_.farbenKorrigieren();
        if (p_.anzeigeAktualisieren) p_.anzeigeAktualisieren();
    }

    const long ober = ergebnis_.frames - 1;
    if (ober > kMaxFrameObergrenze) {
        s_.FrameBalkenMax = kMaxFrameObergrenze;
        env_.dialoge.meldung("To manny frames in figure");
    } else {
        s_.FrameBalkenMax = ober;
    }
}

} // namespace

IldaImportErgebnis IldaLesen(FigurenSpeicher& s, Paletten& p, Umgebung& env, std::string_view bytes,
                             const std::function<void(double anteil)>& fortschritt,
                             IldaIndexFarben indexFarben) {
    Import import(s, p, env, bytes, indexFarben);
    return import.lesen(fortschritt);
}

IldaImportErgebnis IldaLaden(FigurenSpeicher& s, Paletten& p, Umgebung& env,
                             const std::filesystem::path& Dateiname,
                             const std::function<void(double anteil)>& fortschritt,
                             IldaIndexFarben indexFarben) {
    Speicherblock bytes;
    try {
        bytes = dateiBlockLesen(Dateiname);
    } catch (const Laufzeitfehler& e) {
        IldaImportErgebnis e2;
        e2.problem = e.nummer() == fehlernummer::DateiNichtGefunden
                         ? "the file does not exist"
                         : std::string("the file cannot be read (") + e.what() + ")";
        dateifehlerMelden(env, Zugriff::Lesen,
                          "Fehler # " + std::string(" 75. frmHaupt, Sub IldaLaden          "
                                                    "Fehler bei Zugriff auf Datei: ") +
                              Dateiname.string(),
                          Dateiname.string(), e2.problem);
        return e2;
    }
    auto ergebnis = IldaLesen(s, p, env, bytes.ansicht(), fortschritt, indexFarben);
    if (!ergebnis.problem.empty())
        env.log.zeile("IldaLaden: " + Dateiname.string() + ": " + ergebnis.problem);
    return ergebnis;
}

IldaImportErgebnis cmdImportIlda_Click(FigurenSpeicher& s, Paletten& p, Umgebung& env,
                                       std::string& IldaDateiname) {
    DateiAuswahl auswahl;
    auswahl.titel = env.texte.text(meldung::IldaImportTitel, meldung::IldaImportTitelText);
    auswahl.filter = "*.ild(Ilda)|*.ild";
    auswahl.ordner = s.lstDirPfad.string();
    std::string name = env.dialoge.dateiOeffnen(auswahl);
    if (name.empty()) return {};
    IldaDateiname = name;
    return IldaLaden(s, p, env, name);
}

IldaImportErgebnis IldaDateiImportieren(FigurenSpeicher& s, Paletten& p, Umgebung& env,
                                        std::string& IldaDateiname,
                                        const std::filesystem::path& Dateiname) {
    if (!aenderungenSichernFragen(s, env, {0})) return {};
    IldaDateiname = Dateiname.string();
    auto ergebnis = IldaLaden(s, p, env, Dateiname);
    if (ergebnis.frames > 0) alsGeaendertMarkieren(s, 0);
    return ergebnis;
}

} // namespace sw
