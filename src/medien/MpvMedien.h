#pragma once
// The media layer on libmpv's client interface. One player handle per object; its events are
// read in every call (no thread of ours), so the caller's polling sets the pace.
//
// The position: libmpv's own position moves in steps of about 10 ms; it is asked for at most
// every 4 ms while playing (without waiting: the answer is read with the next call). Between its
// steps the position runs on from the last one with the clock (the program's, when one is given) at
// the pace the media kept against the clock over the last two seconds (a loaded machine slows even
// the null output by a few per cent), and each step pulls it gently towards the player's value; a
// jump of more than a quarter second (a stall, a seek) is taken at once. While playing, the
// position never runs backwards and never past the duration.
//
// Volume and balance are in the media graph's units, hundredths of a decibel: volume -10000
// (silent) to 0 (full) becomes mpv's volume 100 * a^(1/3) for the amplitude a = 10^(dB/20)
// (mpv's volume scale is cubic); balance b > 0 lowers the left channel by b/100 dB, b < 0 the
// right one, through a pan filter.
//
// A video is shown only where the caller gives a picture area (`Videofenster::handle` not 0) and
// has lent the player an OpenGL context for it (`renderKontextErzeugen`): libmpv's render API
// draws the frames into that context's framebuffer (`zeichnen`). Without either only the sound
// plays.
//
// A file that cannot be opened, or that can no longer be read while it plays, leaves the
// player on its placeholder clock (`UhrMedien`) at the same position: the show plays on
// in real time, silently. A missing "No.mp3" (the program's placeholder media) opens the
// placeholder clock directly.

#include "show/UhrMedien.h"
#include "show/Medien.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

struct mpv_handle;
struct mpv_render_context;

namespace sw {

class Uhr;
class Sprachtexte;

struct MpvOptionen {
    // The null audio output (`ao=null`, a 20 ms buffer): the position runs in real time, no
    // sound device needed. Otherwise the usual outputs in turn, and null when none opens.
    bool nullAudio = false;
    // Seconds to wait for a file to open.
    double oeffnenZeitlimit = 10.0;
};

// Every method is called from the user-interface (output cycle) thread.
class MpvMedien : public Medienschicht {
public:
    using Melden = std::function<void(const std::string&)>;

    // `uhr` is the program's clock (the steady clock when null); `melden` receives the one
    // message for media that vanish while playing, the two error messages of the media graph
    // and the player's start failure. Throws std::runtime_error when libmpv cannot start.
    MpvMedien(MpvOptionen optionen, Uhr* uhr = nullptr, Melden melden = {},
              const Sprachtexte* texte = nullptr);
    ~MpvMedien() override;
    MpvMedien(const MpvMedien&) = delete;
    MpvMedien& operator=(const MpvMedien&) = delete;

    bool DS_OpenFile(const std::string& datei, const Videofenster& fenster) override;
    double DS_GetDuration() override;
    void DS_Play() override;
    void DS_Pause() override;
    void DS_Stop() override;
    double DS_GetPosition() override;
    void DS_SetPosition(double sekunden) override;
    double DS_GetRate() override;
    void DS_SetRate(double rate) override;
    bool DS_StillPlaying(int timeoutMs) override;
    void DS_SetVolume(long volume) override;
    long DS_GetBalance() override;
    void DS_SetBalance(long balance) override;
    void DS_FullScreenMovie() override;
    void DS_StretchMovie(int breite, int hoehe) override;
    void DS_UpdateMovie() override;

    // The picture. These are called with the caller's OpenGL context current, the same one each
    // time (here: the video window's, on the user-interface thread).
    //
    // Creates the render context from the OpenGL functions `adresse` finds (`ctx` is passed
    // back to it). From then on a video opened into a picture area is drawn by `zeichnen`; a
    // video already open shows at once. `neuesBild` is called on a thread of libmpv whenever a
    // frame is due: it may only hand the drawing over to the thread that draws. False when
    // libmpv refuses the context (then only the sound plays).
    using GlAdresse = void* (*)(void* ctx, const char* name);
    bool renderKontextErzeugen(GlAdresse adresse, void* ctx, std::function<void()> neuesBild);
    // Frees the render context, before the OpenGL context goes; the sound plays on.
    void renderKontextFreigeben();
    bool renderKontextDa() const { return render_ != nullptr; }
    // Draws the frame that is due into framebuffer object `fbo` of `breite` x `hoehe` pixels
    // (bottom row first, as OpenGL counts). False without a render context.
    bool zeichnen(int fbo, int breite, int hoehe);
    // Whether a video picture stands ready to be drawn (the video output is set up).
    bool bildDa();
    // Whether the picture keeps its aspect ratio (mpv's keepaspect).
    bool seitenverhaeltnisBehalten();

    // Whether the placeholder clock stands in for the media now.
    bool aufPlatzhalter() const { return platzhalterAktiv_; }
    // The audio output libmpv chose ("null", "pulse", ...); empty before a file played.
    std::string audioAusgabe();
    // The placeholder's length for missing media, seconds.
    double platzhalterLaenge = UhrMedien::kStandardLaenge;
    // The player's own position, asked for now (a round trip to its thread): for measuring.
    double spielerPosition();
    // The player's value at its last step (seconds) and the number of steps seen: for measuring.
    double gemeldetePosition() const { return gemeldet_; }
    long meldungen() const { return meldungenAnzahl_; }

    // mpv's volume (0 to 100) for the media graph's volume, and the channel gains for a
    // balance: pure, for tests.
    static double mpvLautstaerke(long volume);
    static void kanalPegel(long balance, double& links, double& rechts);

private:
    double jetzt() const;
    void ereignisseLesen(double warteSekunden = 0);
    void abfragen();
    void positionGemeldet(double p, double t);
    void aufPlatzhalterWechseln(bool melden);
    void verankern(double position);
    double schaetzung() const;
    void befehl(std::initializer_list<const char*> argumente);
    void pause(bool an);
    void fehler(const char* text);
    void videoSpurWaehlen();
    static void neuesBildGemeldet(void* selbst);

    MpvOptionen optionen_;
    Uhr* uhr_;
    std::unique_ptr<Uhr> eigeneUhr_;
    Melden melden_;
    const Sprachtexte* texte_;
    mpv_handle* mpv_ = nullptr;
    mpv_render_context* render_ = nullptr;
    std::function<void()> neuesBild_;
    bool videoGewuenscht_ = false; // the file was opened into a picture area
    UhrMedien platzhalter_;
    bool platzhalterAktiv_ = false;

    std::string datei_;
    bool offen_ = false;
    bool geladen_ = false;    // FILE_LOADED seen for the current file
    bool ladeFehler_ = false; // END_FILE with an error for the current file
    double dauer_ = 0;
    bool spielt_ = false; // running as far as the caller is concerned
    bool ende_ = false;   // eof reached
    bool sucht_ = false;  // a seek is under way; reports wait for the restart
    double rate_ = 1.0;
    long balance_ = 0;
    double anker_ = 0, ankerZeit_ = 0; // estimated position at a time
    double boden_ = 0;                 // the last position given out
    double gemeldet_ = 0;
    double abfrageZeit_ = -1, vorigeAbfrage_ = -1;
    bool abfrageOffen_ = false;               // a position request awaits its answer
    std::uint64_t generation_ = 0;            // counts seeks, plays and pauses
    double gang_ = 1.0;                       // media seconds per clock second, over the rate
    double gangPosition_ = 0, gangZeit_ = -1; // start of the window the pace is measured over
    long meldungenAnzahl_ = 0;
};

} // namespace sw
