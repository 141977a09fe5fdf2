#pragma once
// The main window on a started program with an empty figure folder, for the window tests.

#include "../app/Startumgebung.h"
#include "ui/Hauptfenster.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>

#include <functional>

namespace sw::test {

namespace fs = std::filesystem;

// The named child of a window; a missing one fails the test.
template <typename T> T* kindIn(const QWidget* w, const QString& name) {
    T* k = w->findChild<T*>(name);
    EXPECT_NE(k, nullptr) << name.toStdString();
    return k;
}

// Every named control a mouse can change tells what it does, and no caption still holds the
// tool text behind a '|'. `auchDas` counts further widgets as controls.
inline void alleErklaert(const QWidget* w, const std::function<bool(QWidget*)>& auchDas = {}) {
    for (QWidget* k : w->findChildren<QWidget*>()) {
        const bool bedienbar = qobject_cast<QAbstractButton*>(k) || qobject_cast<QComboBox*>(k) ||
                               qobject_cast<QAbstractSpinBox*>(k) || qobject_cast<QLineEdit*>(k) ||
                               qobject_cast<QAbstractSlider*>(k) || (auchDas && auchDas(k));
        if (!bedienbar || k->objectName().isEmpty() || k->objectName().startsWith("qt_") ||
            qobject_cast<QTabBar*>(k->parentWidget()) ||
            qobject_cast<QAbstractSpinBox*>(k->parentWidget()))
            continue;
        EXPECT_FALSE(k->toolTip().isEmpty())
            << w->objectName().toStdString() << " " << k->objectName().toStdString();
        if (auto* b = qobject_cast<QAbstractButton*>(k)) {
            EXPECT_FALSE(b->text().contains('|')) << k->objectName().toStdString();
        }
    }
}

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
    template <typename T> T* kind(const char* name) { return kindIn<T>(w.get(), name); }
    void ausloesen(const char* aktion) { kind<QAction>(aktion)->trigger(); }
    const Figur& figur(long i) { return p->figuren.Figuren[i]; }
    const Hauptschalter& haupt() const { return p->ausgabe->Haupt; }
};

} // namespace sw::test
