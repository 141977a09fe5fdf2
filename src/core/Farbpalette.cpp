#include "core/Farbpalette.h"

#include "core/Dateifehler.h"
#include "platform/Binaer.h"
#include "platform/Datei.h"
#include "platform/Fehler.h"
#include "platform/Text.h"
#include "platform/Vb.h"

#include <charconv>
#include <cmath>

namespace sw {

namespace {

constexpr const char* kKopf = "Farbpalette fuer QV-Trac_2";
constexpr const char* kFueller = "RealPalette not used";
constexpr long kAktuelleGroesse = kFarbObergrenze + 1;
const std::string kLieblingsfarbeSchluessel = "frmhaupt.Pic_Lieblingsfarbe(";

constexpr std::array<std::array<int, 3>, kLieblingsfarben> kStandardLieblinge = {{
    {0, 0, 0},       {255, 0, 0},     {255, 128, 0},   {255, 255, 0},   {128, 255, 0},
    {0, 255, 0},     {0, 255, 128},   {0, 255, 255},   {0, 128, 255},   {0, 0, 255},
    {128, 0, 255},   {255, 0, 255},   {255, 0, 128},   {255, 255, 255}, {128, 255, 255},
    {128, 128, 255}, {255, 128, 255}, {255, 128, 128}, {255, 255, 128}, {128, 255, 128},
}};

void tabellenwechsel(Paletten& p) {
    if (p.farbenKorrigieren) p.farbenKorrigieren();
    if (p.anzeigeAktualisieren) p.anzeigeAktualisieren();
}

// The lines of a text file with CR LF or LF endings, one at a time, so that reading the
// values needs neither a copy nor a list of the lines.
class ZeilenLeser {
public:
    explicit ZeilenLeser(std::string_view text) : text_(text) {}

    // The next line without its ending; false after the last line.
    bool naechste(std::string_view& zeile) {
        if (start_ >= text_.size()) return false;
        const auto nl = text_.find('\n', start_);
        beendet_ = nl != std::string_view::npos;
        const auto ende = beendet_ ? nl : text_.size();
        zeile = text_.substr(start_, ende - start_);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        start_ = ende + 1;
        ++anzahl_;
        return true;
    }
    // Whether the line returned last ended in a line feed.
    bool beendet() const { return beendet_; }
    std::size_t anzahl() const { return anzahl_; }

private:
    std::string_view text_;
    std::size_t start_ = 0;
    std::size_t anzahl_ = 0;
    bool beendet_ = false;
};

std::string kopfZeile(std::string_view text) {
    ZeilenLeser leser(text);
    std::string_view zeile;
    return leser.naechste(zeile) ? cp1252NachUtf8(zeile) : std::string();
}

// A value line as a 16-bit integer: blanks around it allowed, an empty line is 0.
std::int16_t wertLesen(std::string_view zeile, std::size_t nummer) {
    auto t = trimmen(zeile);
    if (t.empty()) return 0;
    // Whole numbers, which is what the writer writes, need no floating-point parse.
    int ganz = 0;
    auto [endeGanz, ecGanz] = std::from_chars(t.data(), t.data() + t.size(), ganz);
    if (ecGanz == std::errc() && endeGanz == t.data() + t.size() && ganz >= -32768 && ganz <= 32767)
        return static_cast<std::int16_t>(ganz);
    double wert = 0;
    auto [ende, ec] = std::from_chars(t.data(), t.data() + t.size(), wert);
    if (ec != std::errc() || ende != t.data() + t.size())
        throw Formatfehler(nummer, "line " + std::to_string(nummer) + " (\"" + std::string(t) +
                                       "\") is not a number");
    try {
        return vb::CInt(wert);
    } catch (const Laufzeitfehler&) {
        throw Formatfehler(nummer, "line " + std::to_string(nummer) + " is out of range");
    }
}

// Numbers as the runtime's Str writes them: a leading blank for values that are not negative.
std::string zahlText(double wert) {
    char puffer[32];
    auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    std::string s(puffer, ende);
    return wert >= 0 ? " " + s : s;
}

} // namespace

Paletten::Paletten() : Farbpalette(-1, kFarbObergrenze) {
    StandardPaletteErstellen(*this);
    LieblingsfarbenResetBelegen(*this);
}

void StandardPaletteErstellen(Paletten& p) {
    for (int r = 0; r < 16; ++r)
        for (int g = 0; g < 16; ++g)
            for (int b = 0; b < 16; ++b)
                p.Farbpalette[r * 256 + g * 16 + b] = RGB{r * 17.0, g * 17.0, b * 17.0};
    tabellenwechsel(p);
}

std::array<RGB, kAltePalettenGroesse> altePalette() {
    std::array<RGB, kAltePalettenGroesse> t{};
    const RGB sieben[] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},    {255, 255, 0},
                          {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    for (int k = 0; k <= 42; k += 7)
        for (int i = 0; i < 7; ++i) t[static_cast<std::size_t>(k + 1 + i)] = sieben[i];
    t[254] = RGB{255, 255, 255};
    std::size_t index = 39;
    for (int r = 0; r <= 255; r += 51)
        for (int g = 0; g <= 255; g += 51)
            for (int b = 0; b <= 255; b += 51)
                t[index++] =
                    RGB{static_cast<double>(r), static_cast<double>(g), static_cast<double>(b)};
    return t;
}

void alte_PaletteErstellen(Paletten& p) {
    const auto t = altePalette();
    for (long i = 1; i < kAltePalettenGroesse; ++i)
        p.Farbpalette[i] = t[static_cast<std::size_t>(i)];
    tabellenwechsel(p);
}

void LieblingsfarbenResetBelegen(Paletten& p) {
    for (std::size_t i = 0; i < kLieblingsfarben; ++i) {
        const auto& c = kStandardLieblinge[i];
        p.Lieblingsfarben[i] = FarbIndexAusRGB(c[0], c[1], c[2]);
    }
}

void cmdNewFarbpalette_Click(Paletten& p) {
    StandardPaletteErstellen(p);
    p.Lieblingsfarben.fill(0);
    LieblingsfarbenResetBelegen(p);
    if (p.anzeigeAktualisieren) p.anzeigeAktualisieren();
}

void LieblingsfarbenLaden(Paletten& p, Einstellungen& e) {
    for (int i = 0; i < kLieblingsfarben; ++i) {
        auto& tag = p.Lieblingsfarben[static_cast<std::size_t>(i)];
        float wert =
            e.zahlLesen("Allgemein", kLieblingsfarbeSchluessel + std::to_string(i) + ").tag",
                        static_cast<float>(tag), e.IniDateiAktuell);
        long index = std::lround(wert);
        if (p.Farbpalette.enthaelt(index)) tag = static_cast<std::int32_t>(index);
    }
}

void Pic_Lieblingsfarbe_DragDrop(Paletten& p, Einstellungen& e, int i, std::int32_t index) {
    if (i < 0 || i >= kLieblingsfarben || !p.Farbpalette.enthaelt(index)) return;
    p.Lieblingsfarben[static_cast<std::size_t>(i)] = index;
    e.zahlSchreiben("Allgemein", kLieblingsfarbeSchluessel + std::to_string(i) + ").tag",
                    static_cast<float>(index), e.IniDateiAktuell);
    if (p.anzeigeAktualisieren) p.anzeigeAktualisieren();
}

PalettenKopf palettenKopfErkennen(const std::string& ersteZeile) {
    if (ersteZeile.find("Farbpalette") == std::string::npos) return PalettenKopf::Unbekannt;
    if (ersteZeile.find("QV-Trac_2") != std::string::npos) return PalettenKopf::Aktuell;
    if (ersteZeile.find('2') == std::string::npos) return PalettenKopf::Alt;
    return PalettenKopf::Unbekannt;
}

PalettenInhalt palettendateiDekodieren(std::string_view bytes) {
    ZeilenLeser leser(bytes);
    std::string_view zeile;
    PalettenInhalt inhalt;
    inhalt.kopf = leser.naechste(zeile) ? cp1252NachUtf8(zeile) : std::string();
    auto art = palettenKopfErkennen(inhalt.kopf);
    if (art == PalettenKopf::Unbekannt)
        throw Formatfehler(0, "the first line \"" + inhalt.kopf + "\" is no palette header");
    inhalt.alteArt = art == PalettenKopf::Alt;
    const std::size_t n = inhalt.alteArt ? kAltePalettenGroesse : kAktuelleGroesse;
    auto fehlt = [&] {
        return Formatfehler(leser.anzahl(), "the file ends after " +
                                                std::to_string(leser.anzahl()) + " lines; its " +
                                                std::to_string(n) + " colours need " +
                                                std::to_string(1 + 3 * n));
    };
    auto wert = [&] {
        if (!leser.naechste(zeile)) throw fehlt();
        return wertLesen(zeile, leser.anzahl());
    };
    inhalt.eintraege.resize(n);
    for (auto& e : inhalt.eintraege) {
        e.R = wert();
        e.G = wert();
        e.B = wert();
    }
    // The last value line must be complete: a file cut inside it would give a wrong value.
    if (!leser.beendet()) throw fehlt();
    return inhalt;
}

std::string palettendateiKodieren(const Paletten& p) {
    std::string aus = kKopf;
    aus += "\r\n";
    aus.reserve(static_cast<std::size_t>(kAktuelleGroesse) * 3 * 26);
    for (long i = 0; i <= kFarbObergrenze; ++i) {
        const RGB& c = p.Farbpalette[i];
        for (double wert : {c.R, c.G, c.B}) aus += zahlText(wert) + "\r\n";
    }
    for (long i = 0; i < 3 * kAktuelleGroesse; ++i) {
        aus += kFueller;
        aus += "\r\n";
    }
    return aus;
}

namespace {
std::string paletteFalle(const std::string& datei) {
    return "Fehler # " +
           std::string(" 75. frmHaupt, Sub FarbpaletteLaden          Fehler bei Zugriff auf Datei: ") +
           datei;
}
} // namespace

bool FarbpaletteLaden(Paletten& p, Umgebung& env) {
    const std::string datei = p.Palettendatei;
    std::string bytes;
    try {
        bytes = dateiLesen(datei);
    } catch (const Laufzeitfehler& e) {
        dateifehlerMelden(env, Zugriff::Lesen, paletteFalle(datei), datei, e.what());
        return false;
    }
    const auto kopf = kopfZeile(bytes);
    if (palettenKopfErkennen(kopf) == PalettenKopf::Unbekannt) {
        env.log.roh(std::string(65, '*'));
        env.log.roh(std::to_string(env.log.sekunden()) +
                    "  Problem: Farbpalette laden. Dateiname: " + datei +
                    "        ErsteZeile=" + kopf);
        env.log.roh(std::string(65, '*'));
        cmdNewFarbpalette_Click(p);
        return false;
    }
    PalettenInhalt inhalt;
    try {
        inhalt = palettendateiDekodieren(bytes);
    } catch (const Formatfehler& e) {
        dateifehlerMelden(env, Zugriff::Lesen, paletteFalle(datei), datei, e.what());
        return false;
    }
    for (std::size_t i = 0; i < inhalt.eintraege.size(); ++i)
        p.Farbpalette[static_cast<long>(i)] = inhalt.eintraege[i];
    if (inhalt.alteArt) p.Farbpalette[255] = RGB{255, 255, 0};
    tabellenwechsel(p);
    return true;
}

bool FarbpaletteSpeichern(const Paletten& p, Umgebung& env) {
    return speichernOderMelden(
        env, p.Palettendatei, palettendateiKodieren(p),
        "Fehler # " +
            std::string(" 75. frmHaupt, Sub FarbpaletteSpeichern_ was unable to safe file: ") +
            p.Palettendatei);
}

bool mnuPangolinFarbtabelleLaden_Click(Paletten& p, Umgebung& env,
                                       const std::filesystem::path& programmOrdner) {
    const std::string bisher = p.Palettendatei;
    p.Palettendatei = (programmOrdner / "Pangolin_Farbtabelle.qvp").string();
    bool ok = FarbpaletteLaden(p, env);
    p.Palettendatei = bisher;
    return ok;
}

std::array<PalettenZelle, 256> Palette_Darstellen(const Paletten& p, int achse, int wert) {
    std::array<PalettenZelle, 256> zellen{};
    for (int a = 0; a < 16; ++a)
        for (int b = 0; b < 16; ++b) {
            long index = achse == 1   ? wert * 256 + a * 16 + b
                         : achse == 2 ? a * 256 + wert * 16 + b
                                      : a * 256 + b * 16 + wert;
            auto& z = zellen[static_cast<std::size_t>(b * 16 + a)];
            z.spalte = a;
            z.zeile = b;
            z.index = index;
            z.farbe = p.farbe(index);
        }
    return zellen;
}

const std::array<RGB, kIldaStandardFarben>& ildaStandardpalette() {
    static const std::array<RGB, kIldaStandardFarben> palette = {{
        {255, 0, 0},     {255, 16, 0},    {255, 32, 0},    {255, 48, 0},    {255, 64, 0},
        {255, 80, 0},    {255, 96, 0},    {255, 112, 0},   {255, 128, 0},   {255, 144, 0},
        {255, 160, 0},   {255, 176, 0},   {255, 192, 0},   {255, 208, 0},   {255, 224, 0},
        {255, 240, 0},   {255, 255, 0},   {224, 255, 0},   {192, 255, 0},   {160, 255, 0},
        {128, 255, 0},   {96, 255, 0},    {64, 255, 0},    {32, 255, 0},    {0, 255, 0},
        {0, 255, 36},    {0, 255, 73},    {0, 255, 109},   {0, 255, 146},   {0, 255, 182},
        {0, 255, 219},   {0, 255, 255},   {0, 227, 255},   {0, 198, 255},   {0, 170, 255},
        {0, 142, 255},   {0, 113, 255},   {0, 85, 255},    {0, 56, 255},    {0, 28, 255},
        {0, 0, 255},     {32, 0, 255},    {64, 0, 255},    {96, 0, 255},    {128, 0, 255},
        {160, 0, 255},   {192, 0, 255},   {224, 0, 255},   {255, 0, 255},   {255, 32, 255},
        {255, 64, 255},  {255, 96, 255},  {255, 128, 255}, {255, 160, 255}, {255, 192, 255},
        {255, 224, 255}, {255, 255, 255}, {255, 224, 224}, {255, 192, 192}, {255, 160, 160},
        {255, 128, 128}, {255, 96, 96},   {255, 64, 64},   {255, 32, 32},
    }};
    return palette;
}

bool istIldaFarbtabelle(const Paletten& p) {
    const auto& standard = ildaStandardpalette();
    for (long i = 1; i < kIldaStandardFarben; ++i)
        if (p.Farbpalette[i] != standard[static_cast<std::size_t>(i)]) return false;
    return true;
}

} // namespace sw
