#include "ui/Thema.h"

#include "einstellungen/Einstellungen.h"
#include "ui/Symbole.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <map>
#include <memory>
#include <vector>

namespace sw::ui {

namespace {

Thema& gesetzt() {
    static Thema thema = Thema::Hell;
    return thema;
}

// One hook per owner; an owner's hook goes when the owner goes.
std::map<QObject*, std::function<void()>>& hooks() {
    static std::map<QObject*, std::function<void()>> h;
    return h;
}

QPalette dunklePalette() {
    QPalette p;
    const QColor fenster(0x26, 0x27, 0x2b), grund(0x1b, 0x1c, 0x1f), knopf(0x30, 0x32, 0x37);
    const QColor text(0xd6, 0xd6, 0xd6), schwach(0x8c, 0x8c, 0x90);
    const QColor auswahl(0x2f, 0x5f, 0xa0);
    for (auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(gruppe, QPalette::Window, fenster);
        p.setColor(gruppe, QPalette::WindowText, text);
        p.setColor(gruppe, QPalette::Base, grund);
        p.setColor(gruppe, QPalette::AlternateBase, QColor(0x22, 0x23, 0x27));
        p.setColor(gruppe, QPalette::ToolTipBase, QColor(0x34, 0x36, 0x3b));
        p.setColor(gruppe, QPalette::ToolTipText, text);
        p.setColor(gruppe, QPalette::PlaceholderText, schwach);
        p.setColor(gruppe, QPalette::Text, text);
        p.setColor(gruppe, QPalette::Button, knopf);
        p.setColor(gruppe, QPalette::ButtonText, text);
        p.setColor(gruppe, QPalette::BrightText, QColor(0xff, 0x6b, 0x6b));
        // Fusion draws bevels and frames from these.
        p.setColor(gruppe, QPalette::Light, QColor(0x44, 0x46, 0x4c));
        p.setColor(gruppe, QPalette::Midlight, QColor(0x3a, 0x3c, 0x41));
        p.setColor(gruppe, QPalette::Mid, QColor(0x1f, 0x20, 0x23));
        p.setColor(gruppe, QPalette::Dark, QColor(0x16, 0x17, 0x19));
        p.setColor(gruppe, QPalette::Shadow, QColor(0x0b, 0x0b, 0x0c));
        p.setColor(gruppe, QPalette::Highlight, auswahl);
        p.setColor(gruppe, QPalette::HighlightedText, QColor(0xee, 0xee, 0xee));
        p.setColor(gruppe, QPalette::Link, QColor(0x7a, 0xb0, 0xff));
        p.setColor(gruppe, QPalette::LinkVisited, QColor(0xb0, 0x90, 0xe8));
    }
    // Disabled text stays legible (about 4:1 on the window); the selection of an inactive
    // window stays visible but quieter.
    for (auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rolle, schwach);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x3c, 0x3e, 0x44));
    p.setColor(QPalette::Disabled, QPalette::HighlightedText, schwach);
    p.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0x2a, 0x45, 0x6e));
    return p;
}

} // namespace

QPalette themaPalette(Thema thema) {
    if (thema == Thema::Dunkel) return dunklePalette();
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    return fusion ? fusion->standardPalette() : QPalette();
}

void themaSetzen(QApplication& app, Thema thema) {
    if (app.style()->name().compare("fusion", Qt::CaseInsensitive) != 0)
        app.setStyle(QStyleFactory::create("Fusion"));
    app.setPalette(themaPalette(thema));
    gesetzt() = thema;
    symboleVergessen();
    for (QWidget* w : QApplication::topLevelWidgets()) symboleErneuern(w);
    // A hook may close a window and so remove its own entry: run copies.
    std::vector<std::function<void()>> laufen;
    for (const auto& [besitzer, hook] : hooks()) laufen.push_back(hook);
    for (const auto& hook : laufen) hook();
}

Thema aktuellesThema() {
    return gesetzt();
}

void nachThemawechsel(QObject* besitzer, std::function<void()> hook) {
    const bool neu = !hooks().count(besitzer);
    hooks()[besitzer] = std::move(hook);
    if (neu)
        QObject::connect(besitzer, &QObject::destroyed, [besitzer] { hooks().erase(besitzer); });
}

Thema themaLaden(Einstellungen& e) {
    const float wert = e.zahlLesen(kThemaAbschnitt, kThemaSchluessel, 0);
    return wert == 1 ? Thema::Dunkel : Thema::Hell;
}

void themaSpeichern(Einstellungen& e, Thema thema) {
    e.zahlSchreiben(kThemaAbschnitt, kThemaSchluessel, thema == Thema::Dunkel ? 1.0f : 0.0f);
}

} // namespace sw::ui
