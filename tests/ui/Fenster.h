#pragma once
// The main window on a started program with an empty figure folder, for the window tests.

#include "../app/Startumgebung.h"
#include "ui/Hauptfenster.h"

#include <QAction>

#include <functional>

namespace sw::test {

namespace fs = std::filesystem;

struct Fenster {
    test::Startumgebung s;
    SystemUhr uhr; // playback runs in real time, as the window's event loop does
    std::unique_ptr<Programm> p;
    std::unique_ptr<ui::Hauptfenster> w;

    explicit Fenster(const std::function<void(const fs::path&)>& ordnerFuellen = {}) {
        fs::create_directories(s.tmp / "figuren");
        if (ordnerFuellen) ordnerFuellen(s.tmp / "figuren");
        p = std::make_unique<Programm>(s.dialoge, s.pumpe, uhr);
        StartHooks h;
        h.figurenordner = (s.tmp / "figuren").string();
        Programmstart(*p, "", h);
        w = std::make_unique<ui::Hauptfenster>(*p);
        w->show();
    }
    ~Fenster() {
        w->close();
        w.reset();
        Programmende(*p);
    }
    template <typename T> T* kind(const char* name) {
        T* k = w->findChild<T*>(name);
        EXPECT_NE(k, nullptr) << name;
        return k;
    }
    void ausloesen(const char* aktion) { kind<QAction>(aktion)->trigger(); }
    const Figur& figur(long i) { return p->figuren.Figuren[i]; }
    const Hauptschalter& haupt() const { return p->ausgabe->Haupt; }
};

} // namespace sw::test
