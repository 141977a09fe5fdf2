#include "medien/MpvDekoder.h"

#include "medien/WavKopf.h"

#include <mpv/client.h>

#include <clocale>
#include <fstream>
#include <string>
#include <vector>

namespace sw {

bool mpvTonDekodieren(const std::filesystem::path& medien, const std::filesystem::path& wav) {
    std::setlocale(LC_NUMERIC, "C");
    mpv_handle* h = mpv_create();
    if (!h) return false;
    // The PCM output's own header is the extensible kind (a 40-byte "fmt "), which the header
    // reader refuses; the raw samples get a plain header of ours instead.
    const std::filesystem::path roh = wav.string() + ".pcm";
    const std::string ziel = roh.string();
    const std::pair<const char*, const char*> optionen[] = {
        {"terminal", "no"},
        {"config", "no"},
        {"vid", "no"},
        {"vo", "null"},
        {"ao", "pcm"},
        {"ao-pcm-file", ziel.c_str()},
        {"ao-pcm-waveheader", "no"},
        {"audio-format", "s16"},
        {"audio-channels", "stereo"},
        {"audio-samplerate", "44100"},
        {"untimed", "yes"},
        {"idle", "no"},
        {"keep-open", "no"},
    };
    for (const auto& [name, wert] : optionen) mpv_set_option_string(h, name, wert);
    bool gut = false;
    if (mpv_initialize(h) >= 0) {
        const std::string quelle = medien.string();
        const char* befehl[] = {"loadfile", quelle.c_str(), nullptr};
        if (mpv_command(h, befehl) >= 0) {
            for (;;) {
                mpv_event* e = mpv_wait_event(h, 60.0);
                if (!e || e->event_id == MPV_EVENT_NONE) break; // no progress for a minute
                if (e->event_id == MPV_EVENT_SHUTDOWN) break;
                if (e->event_id == MPV_EVENT_END_FILE) {
                    const auto* ende = static_cast<mpv_event_end_file*>(e->data);
                    gut = ende && ende->reason == MPV_END_FILE_REASON_EOF;
                    break;
                }
            }
        }
    }
    mpv_terminate_destroy(h);
    std::error_code ec;
    std::vector<std::int16_t> werte;
    {
        std::ifstream f(roh, std::ios::binary);
        const auto groesse = std::filesystem::file_size(roh, ec);
        if (!ec && gut && groesse >= 4) {
            werte.resize(groesse / 2);
            f.read(reinterpret_cast<char*>(werte.data()),
                   static_cast<std::streamsize>(werte.size() * 2));
        }
    }
    std::filesystem::remove(roh, ec);
    if (werte.empty()) return false;
    const auto bytes = wavSchreiben(werte, 2, 44100);
    std::ofstream aus(wav, std::ios::binary | std::ios::trunc);
    aus.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(aus);
}

} // namespace sw
