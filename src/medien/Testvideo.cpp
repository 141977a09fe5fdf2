#include "medien/Testvideo.h"

#include <mpv/client.h>

#include <chrono>
#include <clocale>

namespace sw {

bool testvideoSchreiben(const std::filesystem::path& datei, double sekunden, int breite, int hoehe,
                        std::string* grund) {
    auto scheitern = [grund](std::string warum) {
        if (grund) *grund = std::move(warum);
        return false;
    };
    std::setlocale(LC_NUMERIC, "C");
    mpv_handle* mpv = mpv_create();
    if (!mpv) return scheitern("mpv_create failed");
    std::error_code ec;
    std::filesystem::remove(datei, ec);
    const std::string ziel = datei.string();
    // Options libmpv does not know (built without its encoder) fail here.
    bool ok = mpv_set_option_string(mpv, "o", ziel.c_str()) >= 0 &&
              mpv_set_option_string(mpv, "ovc", "mpeg4") >= 0 &&
              mpv_set_option_string(mpv, "oac", "pcm_s16le") >= 0;
    mpv_set_option_string(mpv, "terminal", "no");
    mpv_set_option_string(mpv, "config", "no");
    if (!ok || mpv_initialize(mpv) < 0) {
        mpv_terminate_destroy(mpv);
        return scheitern("this libmpv has no encoder");
    }
    const std::string s = std::to_string(sekunden);
    // Two outputs of one filter graph: the picture and the sound.
    const std::string quelle = "av://lavfi:testsrc=size=" + std::to_string(breite) + "x" +
                               std::to_string(hoehe) + ":rate=25:duration=" + s +
                               "[out0];sine=frequency=440:duration=" + s + "[out1]";
    const char* befehl[] = {"loadfile", quelle.c_str(), nullptr};
    mpv_command(mpv, befehl);
    bool fertig = false, fehler = false;
    const auto bis = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!fertig && std::chrono::steady_clock::now() < bis) {
        mpv_event* e = mpv_wait_event(mpv, 0.5);
        if (e->event_id == MPV_EVENT_END_FILE) {
            fertig = true;
            const auto* ende = static_cast<mpv_event_end_file*>(e->data);
            fehler = ende && ende->reason == MPV_END_FILE_REASON_ERROR;
        }
    }
    // Closing the handle finishes the file.
    mpv_terminate_destroy(mpv);
    if (!fertig) return scheitern("the encoder did not finish within 30 s");
    if (fehler) return scheitern("libavfilter's test sources could not be encoded");
    if (!std::filesystem::is_regular_file(datei, ec) || std::filesystem::file_size(datei, ec) == 0)
        return scheitern("no file came out");
    return true;
}

} // namespace sw
