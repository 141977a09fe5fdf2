#include "medien/MpvMedien.h"

#include "medien/MedienTexte.h"
#include "platform/Sprachtexte.h"
#include "platform/Uhr.h"

#include <mpv/client.h>
#include <mpv/render_gl.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace sw {

namespace {

constexpr const char* kStopFehler =
    "Fehler im modul DS_Stop, klasse DSHowControl. dieser fehler könnte von einem fehlerhafen "
    "oder fehlenden mediaplayer file kommen";
constexpr const char* kDauerFehler =
    "Fehler im Modul DS_GetDuration, Klasse clsDShowControl. Dieser Fehler könnte von einem "
    "fehlenden oder defekten mp3,avi oder sonstigem WindowsMediaplayerfile verursacht sein";

enum Beobachtet : std::uint64_t { kEnde = 2, kDauer = 3 };
// Answers to position requests carry this plus the request's generation.
constexpr std::uint64_t kAbfrage = 1000;

// A report more than this far from the running estimate is taken as it is (seek, stall).
constexpr double kSprung = 0.25;
// How often the player's position is asked for while playing. Its value moves in steps of
// about 10 ms; the change notifications come only every 50 ms or so, too seldom to follow.
constexpr double kAbfrageAbstand = 0.004;
// The pace of the media against the clock is measured over windows of this length.
constexpr double kGangFenster = 2.0;
// How much of the difference one report corrects: small enough that the 10 to 50 ms steps of
// the reports do not show, large enough to follow the player within a few tenths of a second.
constexpr double kNachziehen = 0.2;
// The end reached this far before the duration means the file could not be read on.
constexpr double kVorzeitigesEnde = 0.5;

std::string zahl(double wert) {
    char puffer[32];
    auto [ende, ec] =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, 4);
    (void)ec;
    return std::string(puffer, ende);
}

bool istPlatzhalterName(const std::string& datei) {
    std::string name = std::filesystem::path(datei).filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name == "no.mp3";
}

} // namespace

MpvMedien::MpvMedien(MpvOptionen optionen, Uhr* uhr, Melden melden, const Sprachtexte* texte)
    : optionen_(optionen), uhr_(uhr), eigeneUhr_(uhr ? nullptr : std::make_unique<SystemUhr>()),
      melden_(std::move(melden)), texte_(texte), platzhalter_(uhr ? *uhr : *eigeneUhr_, UhrMedien::kStandardLaenge) {
    if (!uhr_) uhr_ = eigeneUhr_.get();
    platzhalter_.jedeDatei = true;
    // libmpv refuses to start unless numbers are read and written the C way.
    std::setlocale(LC_NUMERIC, "C");
    mpv_ = mpv_create();
    if (!mpv_) throw std::runtime_error("mpv_create failed");
    auto option = [this](const char* name, const char* wert) {
        mpv_set_option_string(mpv_, name, wert);
    };
    option("terminal", "no");
    option("config", "no");
    option("input-default-bindings", "no");
    option("idle", "yes");
    option("keep-open", "yes"); // at the end the player stands there, as the media graph did
    option("pause", "yes");
    option("hr-seek", "yes");
    option("audio-display", "no");
    // Video only into a render context of the caller (see videoSpurWaehlen), never a window of
    // libmpv's own.
    option("vid", "no");
    option("vo", "libmpv");
    option("ao-null-buffer", "0.02");
    if (optionen_.nullAudio) {
        option("ao", "null");
    } else {
        option("audio-fallback-to-null", "yes");
    }
    if (mpv_initialize(mpv_) < 0) {
        mpv_terminate_destroy(mpv_);
        mpv_ = nullptr;
        throw std::runtime_error("mpv_initialize failed");
    }
    mpv_observe_property(mpv_, kEnde, "eof-reached", MPV_FORMAT_FLAG);
    mpv_observe_property(mpv_, kDauer, "duration", MPV_FORMAT_DOUBLE);
}

MpvMedien::~MpvMedien() {
    // The owner of the OpenGL context should have freed the render context already; libmpv's
    // handle must not outlive it in any case.
    renderKontextFreigeben();
    if (mpv_) mpv_terminate_destroy(mpv_);
}

void MpvMedien::neuesBildGemeldet(void* selbst) {
    auto* m = static_cast<MpvMedien*>(selbst);
    if (m->neuesBild_) m->neuesBild_();
}

bool MpvMedien::renderKontextErzeugen(GlAdresse adresse, void* ctx,
                                      std::function<void()> neuesBild) {
    if (render_) return true;
    mpv_opengl_init_params gl{adresse, ctx};
    const char* api = MPV_RENDER_API_TYPE_OPENGL;
    mpv_render_param parameter[] = {{MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(api)},
                                    {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl},
                                    {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (mpv_render_context_create(&render_, mpv_, parameter) < 0) {
        render_ = nullptr;
        return false;
    }
    // Set before libmpv can call it and left alone until the context is freed, which waits
    // for a call under way: the callback never sees it change.
    neuesBild_ = std::move(neuesBild);
    mpv_render_context_set_update_callback(render_, &MpvMedien::neuesBildGemeldet, this);
    videoSpurWaehlen();
    return true;
}

void MpvMedien::renderKontextFreigeben() {
    if (!render_) return;
    // The track goes first, so libmpv takes its video output down while it still has the
    // context; freeing waits until it is gone.
    mpv_render_context* r = render_;
    render_ = nullptr;
    videoSpurWaehlen();
    mpv_render_context_free(r);
    neuesBild_ = nullptr;
}

// The video track plays where there is a picture area and a context to draw it into.
void MpvMedien::videoSpurWaehlen() {
    if (!mpv_) return;
    const bool an = videoGewuenscht_ && render_;
    mpv_set_property_string(mpv_, "vid", an ? "auto" : "no");
}

bool MpvMedien::zeichnen(int fbo, int breite, int hoehe) {
    if (!render_) return false;
    mpv_opengl_fbo ziel{fbo, breite, hoehe, 0};
    int umdrehen = 1;
    mpv_render_param parameter[] = {{MPV_RENDER_PARAM_OPENGL_FBO, &ziel},
                                    {MPV_RENDER_PARAM_FLIP_Y, &umdrehen},
                                    {MPV_RENDER_PARAM_INVALID, nullptr}};
    // Takes the frame that is due; the flags it returns tell nothing the caller needs.
    mpv_render_context_update(render_);
    return mpv_render_context_render(render_, parameter) >= 0;
}

// Asked of the player directly: reading the events here could bring up a message in the middle
// of a paint.
bool MpvMedien::bildDa() {
    if (!render_ || !videoGewuenscht_) return false;
    int bereit = 0;
    mpv_get_property(mpv_, "vo-configured", MPV_FORMAT_FLAG, &bereit);
    return bereit != 0;
}

bool MpvMedien::seitenverhaeltnisBehalten() {
    int flag = 1;
    mpv_get_property(mpv_, "keepaspect", MPV_FORMAT_FLAG, &flag);
    return flag != 0;
}

double MpvMedien::jetzt() const {
    return uhr_->sekunden();
}

void MpvMedien::befehl(std::initializer_list<const char*> argumente) {
    std::vector<const char*> a(argumente);
    a.push_back(nullptr);
    mpv_command(mpv_, a.data());
}

void MpvMedien::pause(bool an) {
    int flag = an ? 1 : 0;
    if (mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &flag) < 0 && offen_ && !an)
        fehler(kStopFehler);
}

void MpvMedien::fehler(const char* text) {
    if (melden_) melden_(text);
}

void MpvMedien::ereignisseLesen(double warteSekunden) {
    for (;;) {
        mpv_event* e = mpv_wait_event(mpv_, warteSekunden);
        warteSekunden = 0;
        if (!e || e->event_id == MPV_EVENT_NONE) return;
        switch (e->event_id) {
        case MPV_EVENT_FILE_LOADED:
            geladen_ = true;
            break;
        case MPV_EVENT_END_FILE: {
            const auto* ende = static_cast<mpv_event_end_file*>(e->data);
            if (ende && ende->reason == MPV_END_FILE_REASON_ERROR) {
                if (!geladen_)
                    ladeFehler_ = true;
                else if (offen_ && !platzhalterAktiv_)
                    aufPlatzhalterWechseln(true);
            }
            break;
        }
        case MPV_EVENT_GET_PROPERTY_REPLY: {
            abfrageOffen_ = false;
            const auto* p = static_cast<mpv_event_property*>(e->data);
            // An answer from before a seek or a pause tells nothing about now.
            if (e->error < 0 || e->reply_userdata != kAbfrage + generation_ || !p ||
                p->format != MPV_FORMAT_DOUBLE || !p->data)
                break;
            const double wert = *static_cast<double*>(p->data);
            // The value changed after the request before and holds since its own step: the
            // middle between the two requests is the best guess of that step's moment.
            if (wert != gemeldet_)
                positionGemeldet(wert, vorigeAbfrage_ < 0 ? abfrageZeit_
                                                          : (vorigeAbfrage_ + abfrageZeit_) / 2);
            vorigeAbfrage_ = abfrageZeit_;
            break;
        }
        case MPV_EVENT_PLAYBACK_RESTART:
            if (sucht_) {
                sucht_ = false;
                ankerZeit_ = jetzt();
            }
            break;
        case MPV_EVENT_PROPERTY_CHANGE: {
            const auto* p = static_cast<mpv_event_property*>(e->data);
            if (!p || p->format == MPV_FORMAT_NONE || !p->data) break;
            if (e->reply_userdata == kDauer)
                dauer_ = *static_cast<double*>(p->data);
            else if (e->reply_userdata == kEnde && *static_cast<int*>(p->data) && offen_ &&
                     geladen_ && !sucht_) {
                // Where the player stands now: the last answer may be old when nobody asked
                // for a while.
                double stand = gemeldet_;
                mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &stand);
                if (stand < dauer_ - kVorzeitigesEnde && !platzhalterAktiv_) {
                    aufPlatzhalterWechseln(true);
                } else {
                    ende_ = true;
                    spielt_ = false;
                    boden_ = dauer_;
                }
            }
            break;
        }
        default:
            break;
        }
    }
}

double MpvMedien::schaetzung() const {
    if (!spielt_ || sucht_) return anker_;
    return anker_ + (jetzt() - ankerZeit_) * rate_ * gang_;
}

void MpvMedien::verankern(double position) {
    ++generation_;
    vorigeAbfrage_ = -1;
    anker_ = position;
    ankerZeit_ = jetzt();
    gangZeit_ = -1; // the pace is measured afresh from the next report
}

// The request is answered on the player's thread and read as an event: the output cycle never
// waits for the player, however busy the machine is.
void MpvMedien::abfragen() {
    if (!spielt_ || sucht_ || !offen_ || abfrageOffen_) return;
    const double t = jetzt();
    if (t - abfrageZeit_ < kAbfrageAbstand) return;
    abfrageZeit_ = t;
    if (mpv_get_property_async(mpv_, kAbfrage + generation_, "time-pos", MPV_FORMAT_DOUBLE) >= 0)
        abfrageOffen_ = true;
}

// `t`: when the player's value was new. The player answers at once when asked, so that is
// near the request rather than when the answer is read (up to a pass later).
void MpvMedien::positionGemeldet(double p, double t) {
    gemeldet_ = p;
    ++meldungenAnzahl_;
    if (!spielt_ || sucht_) return;
    // The pace: a loaded machine lets even the null output fall a few per cent behind.
    if (gangZeit_ < 0) {
        gangPosition_ = p;
        gangZeit_ = t;
    } else if (t - gangZeit_ >= kGangFenster) {
        const double gang = (p - gangPosition_) / ((t - gangZeit_) * rate_);
        if (gang > 0.8 && gang < 1.2) gang_ = gang;
        gangPosition_ = p;
        gangZeit_ = t;
    }
    const double schaetz = anker_ + (t - ankerZeit_) * rate_ * gang_;
    const double abweichung = p - schaetz;
    if (std::abs(abweichung) > kSprung) {
        anker_ = p;
        gang_ = 1.0;
        gangZeit_ = -1;
    } else {
        anker_ = schaetz + kNachziehen * abweichung;
    }
    ankerZeit_ = t;
}

void MpvMedien::aufPlatzhalterWechseln(bool meldenJetzt) {
    const bool lief = spielt_;
    const double bei = std::max(boden_, schaetzung());
    platzhalter_.uebernehmen(dauer_ > 0 ? dauer_ : platzhalterLaenge, bei, lief, rate_);
    platzhalterAktiv_ = true;
    spielt_ = false;
    befehl({"stop"});
    if (meldenJetzt && melden_) {
        const std::string text = texte_ ? texte_->text(medientext::MedienVerschwunden)
                                        : std::string(medientext::MedienVerschwunden.englisch);
        melden_(text + " " + datei_);
    }
}

bool MpvMedien::DS_OpenFile(const std::string& datei, const Videofenster& fenster) {
    // Whatever was open goes first, as the media graph was removed.
    befehl({"stop"});
    ereignisseLesen();
    datei_ = datei;
    offen_ = geladen_ = ladeFehler_ = false;
    spielt_ = ende_ = sucht_ = false;
    dauer_ = gemeldet_ = 0;
    anker_ = boden_ = 0;
    ++generation_; // answers about the file before are of no use
    platzhalterAktiv_ = false;
    videoGewuenscht_ = fenster.handle != 0;
    videoSpurWaehlen();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(datei, ec)) {
        platzhalter_.zuruecksetzen(platzhalterLaenge);
        platzhalterAktiv_ = true;
        return istPlatzhalterName(datei);
    }
    pause(true);
    befehl({"loadfile", datei.c_str()});
    // The wait is on the machine's clock: a test clock that stands would wait for ever.
    const auto bis = std::chrono::steady_clock::now() +
                     std::chrono::duration<double>(optionen_.oeffnenZeitlimit);
    while (!geladen_ && !ladeFehler_ && std::chrono::steady_clock::now() < bis)
        ereignisseLesen(0.05);
    if (!geladen_) {
        befehl({"stop"});
        platzhalter_.zuruecksetzen(platzhalterLaenge);
        platzhalterAktiv_ = true;
        return false;
    }
    double d = 0;
    if (mpv_get_property(mpv_, "duration", MPV_FORMAT_DOUBLE, &d) >= 0) dauer_ = d;
    offen_ = true;
    double r = rate_;
    mpv_set_property(mpv_, "speed", MPV_FORMAT_DOUBLE, &r);
    if (balance_ != 0) DS_SetBalance(balance_);
    return true;
}

double MpvMedien::DS_GetDuration() {
    if (platzhalterAktiv_) return platzhalter_.DS_GetDuration();
    if (!offen_) return 0.0;
    ereignisseLesen();
    if (dauer_ <= 0) fehler(kDauerFehler);
    return dauer_;
}

void MpvMedien::DS_Play() {
    if (platzhalterAktiv_) return platzhalter_.DS_Play();
    if (!offen_) return;
    ereignisseLesen();
    if (spielt_) return;
    if (ende_ || boden_ >= dauer_) DS_SetPosition(0);
    ende_ = false;
    verankern(boden_);
    spielt_ = true;
    pause(false);
}

void MpvMedien::DS_Pause() {
    if (platzhalterAktiv_) return platzhalter_.DS_Pause();
    if (!offen_) return;
    boden_ = DS_GetPosition();
    spielt_ = false;
    verankern(boden_);
    pause(true);
}

void MpvMedien::DS_Stop() {
    if (platzhalterAktiv_) return platzhalter_.DS_Stop();
    if (!offen_) return;
    DS_Pause();
}

double MpvMedien::DS_GetPosition() {
    ereignisseLesen();
    abfragen();
    if (platzhalterAktiv_) return platzhalter_.DS_GetPosition();
    if (!spielt_) return boden_;
    double p = std::min(schaetzung(), dauer_);
    p = std::max(p, boden_);
    boden_ = p;
    return p;
}

void MpvMedien::DS_SetPosition(double sekunden) {
    if (platzhalterAktiv_) return platzhalter_.DS_SetPosition(sekunden);
    if (!offen_) return;
    ereignisseLesen();
    double ziel = std::clamp(sekunden, 0.0, dauer_);
    if (mpv_set_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &ziel) < 0) return;
    sucht_ = true;
    ende_ = false;
    boden_ = ziel;
    verankern(ziel);
}

double MpvMedien::DS_GetRate() {
    return platzhalterAktiv_ ? platzhalter_.DS_GetRate() : rate_;
}

void MpvMedien::DS_SetRate(double rate) {
    if (rate <= 0) return;
    platzhalter_.DS_SetRate(rate);
    if (platzhalterAktiv_) return;
    verankern(DS_GetPosition());
    rate_ = rate;
    mpv_set_property(mpv_, "speed", MPV_FORMAT_DOUBLE, &rate);
}

bool MpvMedien::DS_StillPlaying(int timeoutMs) {
    if (platzhalterAktiv_) return platzhalter_.DS_StillPlaying(timeoutMs);
    if (!offen_) return false;
    // The answer is at hand at once: the end arrives as an event, read here.
    (void)timeoutMs;
    ereignisseLesen();
    return !ende_ && DS_GetPosition() < dauer_;
}

double MpvMedien::mpvLautstaerke(long volume) {
    if (volume <= -10000) return 0.0;
    const double dezibel = std::min(0L, volume) / 100.0;
    return 100.0 * std::cbrt(std::pow(10.0, dezibel / 20.0));
}

void MpvMedien::kanalPegel(long balance, double& links, double& rechts) {
    const long b = std::clamp(balance, -10000L, 10000L);
    links = b > 0 ? std::pow(10.0, -b / 2000.0) : 1.0;
    rechts = b < 0 ? std::pow(10.0, b / 2000.0) : 1.0;
}

void MpvMedien::DS_SetVolume(long volume) {
    platzhalter_.DS_SetVolume(volume);
    double v = mpvLautstaerke(volume);
    mpv_set_property(mpv_, "volume", MPV_FORMAT_DOUBLE, &v);
}

long MpvMedien::DS_GetBalance() {
    return balance_;
}

void MpvMedien::DS_SetBalance(long balance) {
    balance_ = std::clamp(balance, -10000L, 10000L);
    platzhalter_.DS_SetBalance(balance_);
    if (!offen_) return;
    befehl({"af", "remove", "@balance"});
    if (balance_ == 0) return;
    // Only a stereo stream has two sides to weigh.
    std::int64_t kanaele = 0;
    mpv_get_property(mpv_, "audio-params/channel-count", MPV_FORMAT_INT64, &kanaele);
    if (kanaele != 2) return;
    double l = 1, r = 1;
    kanalPegel(balance_, l, r);
    const std::string filter =
        "@balance:lavfi=[pan=stereo|c0=" + zahl(l) + "*c0|c1=" + zahl(r) + "*c1]";
    befehl({"af", "add", filter.c_str()});
}

void MpvMedien::DS_FullScreenMovie() {
    // The window that holds the render context goes full screen itself; the picture follows
    // the size of its framebuffer.
}

void MpvMedien::DS_StretchMovie(int, int) {
    // The picture fills the window's area, whatever its aspect.
    mpv_set_property_string(mpv_, "keepaspect", "no");
}

void MpvMedien::DS_UpdateMovie() {
    mpv_set_property_string(mpv_, "keepaspect", "yes");
}

double MpvMedien::spielerPosition() {
    double p = 0;
    mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &p);
    return p;
}

std::string MpvMedien::audioAusgabe() {
    char* ao = mpv_get_property_string(mpv_, "current-ao");
    std::string name = ao ? ao : "";
    mpv_free(ao);
    return name;
}

} // namespace sw
