#include "core/FrameOperationen.h"

#include "platform/Fehlerfalle.h"
#include "platform/Vb.h"

#include <algorithm>

namespace sw {

namespace {

std::vector<Frame>& frames(FigurenSpeicher& s) {
    return s.aktuelleFigur().Frames;
}
long ober(FigurenSpeicher& s) {
    return static_cast<long>(frames(s).size()) - 1;
}

void bereichPruefen(const FigurenSpeicher& s, const FrameAuswahl& a, long U) {
    (void)s;
    if (a.MarkierungVon < 0 || a.MarkierungBis > U || a.MarkierungVon > a.MarkierungBis)
        throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
}

void undo(FigurenSpeicher& s) {
    if (s.hooks.undoSchreiben) s.hooks.undoSchreiben();
}

std::size_t idx(long i) {
    return static_cast<std::size_t>(i);
}

} // namespace

void FramesKopieren(FigurenSpeicher& s, FrameAuswahl& a, Umgebung& env) {
    mitFehlerfalle(
        env, " wurde ausgeloest in Sub frmhaupt sub FramesKopieren von ", Meldeart::Nachricht, [&] {
            auto& f = frames(s);
            bereichPruefen(s, a, ober(s));
            a.FrameAblage.assign(f.begin() + a.MarkierungVon, f.begin() + a.MarkierungBis + 1);
        });
}

void Frames_Einfuegen(FigurenSpeicher& s, FrameAuswahl& a, Umgebung& env) {
    if (a.FrameAblage.empty()) return;
    undo(s);
    mitFehlerfalle(env, " wurde ausgeloest in Sub frmhaupt sub Frames_Einfuegen von ",
                   Meldeart::Nachricht, [&] {
                       auto& f = frames(s);
                       long cf = s.SpurAuswahl[s.EditorSpur].Frame;
                       if (cf < 0 || cf > ober(s))
                           throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
                       f.insert(f.begin() + cf, a.FrameAblage.begin(), a.FrameAblage.end());
                       FrameBalkenAktualisieren(s, env);
                   });
}

void FramesDazuAddieren(FigurenSpeicher& s, FrameAuswahl& a, Umgebung& env) {
    if (a.FrameAblage.empty()) return;
    undo(s);
    mitFehlerfalle(env, " wurde ausgeloest in Sub frmhaupt sub FramesDazuAddieren von ",
                   Meldeart::Nachricht, [&] {
                       auto& f = frames(s);
                       long cf = s.SpurAuswahl[s.EditorSpur].Frame;
                       if (cf < 0 || cf > ober(s))
                           throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
                       const long C = static_cast<long>(a.FrameAblage.size()) - 1;
                       if (ober(s) < cf + C) f.resize(idx(cf + C + 1));
                       const long B = static_cast<long>(f[idx(cf)].Punkte.size()) - 1;
                       for (long j = 0; j <= C; ++j) {
                           const auto& quelle = a.FrameAblage[idx(j)].Punkte;
                           auto& ziel = f[idx(cf + j)].Punkte;
                           const long neu = B + static_cast<long>(quelle.size()) - 1;
                           if (neu + 1 > kMaxPunkteProFrame)
                               throw Laufzeitfehler(fehlernummer::Ueberlauf);
                           ziel.resize(idx(neu + 1));
                           for (std::size_t k = 1; k < quelle.size(); ++k)
                               ziel[idx(B) + k] = quelle[k];
                       }
                       FrameBalkenAktualisieren(s, env);
                   });
}

void FramesLoeschen(FigurenSpeicher& s, FrameAuswahl& a, Umgebung& env) {
    undo(s);
    mitFehlerfalle(env, " wurde ausgeloest in Sub frmhaupt sub FramesLoeschen von ",
                   Meldeart::Nachricht, [&] {
                       auto& f = frames(s);
                       bereichPruefen(s, a, ober(s));
                       f.erase(f.begin() + a.MarkierungVon, f.begin() + a.MarkierungBis + 1);
                       if (f.empty()) f.emplace_back();
                       auto& cf = s.SpurAuswahl[s.EditorSpur].Frame;
                       if (cf > ober(s)) cf = static_cast<std::int16_t>(ober(s));
                       FrameBalkenAktualisieren(s, env);
                   });
}

void cmdInsertFrame_Click(FigurenSpeicher& s, Umgebung& env) {
    undo(s);
    mitFehlerfalle(env, " in frmHaupt cmdInsertFrame_Click", Meldeart::Nachricht, [&] {
        auto& f = frames(s);
        long cf = s.SpurAuswahl[s.EditorSpur].Frame;
        if (cf < 0 || cf > ober(s)) throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
        Frame neu;
        neu.Punkte[0] = f[idx(cf)].Punkte[0];
        f.insert(f.begin() + cf, std::move(neu));
        FrameBalkenAktualisieren(s, env);
    });
}

void JedenZweitenFrameVerwerfen(FigurenSpeicher& s, FrameAuswahl& a, Umgebung& env) {
    undo(s);
    mitFehlerfalle(env, " wurde ausgeloest in Sub frmhaupt sub JedenZweitenFrameVerwerfen von ",
                   Meldeart::Nachricht, [&] {
                       auto& f = frames(s);
                       a.FrameAblage.assign(1, Frame{});
                       for (std::size_t i = 1; i < f.size(); i += 2) a.FrameAblage.push_back(f[i]);
                       f = a.FrameAblage;
                       auto& cf = s.SpurAuswahl[s.EditorSpur].Frame;
                       if (cf > ober(s)) cf = static_cast<std::int16_t>(ober(s));
                       FrameBalkenAktualisieren(s, env);
                   });
}

Frame morphFrame(const Frame& von, const Frame& bis, double t) {
    const std::size_t n = std::max(von.Punkte.size(), bis.Punkte.size());
    Frame aus;
    aus.Punkte.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Punkt& a = von.Punkte[std::min(i, von.Punkte.size() - 1)];
        const Punkt& b = bis.Punkte[std::min(i, bis.Punkte.size() - 1)];
        Punkt& p = aus.Punkte[i];
        p.X = static_cast<std::int16_t>(vb::runden(a.X + (b.X - a.X) * t));
        p.Y = static_cast<std::int16_t>(vb::runden(a.Y + (b.Y - a.Y) * t));
        const Punkt& naeher = t < 0.5 ? a : b;
        p.Farbe = naeher.Farbe;
        p.Status = naeher.Status;
    }
    return aus;
}

namespace {

void morphOhneUndo(FigurenSpeicher& s, Umgebung& env, long von, long bis, long schritte) {
    auto& f = frames(s);
    if (von < 0 || bis < 0 || von > ober(s) || bis > ober(s) || schritte < 0)
        throw Laufzeitfehler(fehlernummer::IndexAusserhalb);
    std::vector<Frame> neu;
    neu.reserve(idx(schritte));
    for (long k = 1; k <= schritte; ++k)
        neu.push_back(morphFrame(f[idx(von)], f[idx(bis)],
                                 static_cast<double>(k) / static_cast<double>(schritte + 1)));
    f.insert(f.begin() + von + 1, std::make_move_iterator(neu.begin()),
             std::make_move_iterator(neu.end()));
    if (ober(s) > kMaxFrameObergrenze)
        env.dialoge.meldung("To manny frames in figure !");
    else
        FrameBalkenAktualisieren(s, env);
}

} // namespace

void Morph(FigurenSpeicher& s, Umgebung& env, long VonFrame, long BisFrame, long Schritte) {
    undo(s);
    mitFehlerfalle(env, " in frmHaupt Morph", Meldeart::Nachricht,
                   [&] { morphOhneUndo(s, env, VonFrame, BisFrame, Schritte); });
}

void AutoMorph(FigurenSpeicher& s, Umgebung& env) {
    undo(s);
    mitFehlerfalle(env, " in frmHaupt AutoMorph", Meldeart::Nachricht, [&] {
        const long U0 = ober(s);
        for (long k = 0; k < U0; ++k)
            morphOhneUndo(s, env, k * 21, std::min(k * 21 + 1, ober(s)), 20);
    });
}

} // namespace sw
