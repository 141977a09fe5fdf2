// strahlwerk: the desktop program. Arguments: a figure folder to show, or a document (figure,
// show, ".Laser_ini" settings file, ".pll" playlist); --theme light|dark sets the look for this run;
// --screenshot FILE saves a picture of the main window and quits; --open COMMAND runs a menu
// command first (mnuEffekte ...), and the picture then shows the tool window it opened; with
// --options PAGE it is a picture of the options window at that page (0 devices, 1 geometry ...);
// --simulation-screenshot FILE plays the first figure in the simulation and saves a picture of
// the output window; --video-screenshot VIDEO FILE plays VIDEO in the video window and saves a
// picture of it. A show file given opens in the sequencer window.

#include "app/Programmstart.h"
#include "show/ShowLaden.h"
#include "ui/Ausgabefenster.h"
#include "ui/Hauptfenster.h"
#include "ui/Optionenfenster.h"
#include "ui/QtDialoge.h"
#include "ui/QtSprache.h"
#include "ui/Playlistfenster.h"
#include "ui/Sequenzerfenster.h"
#include "ui/ShowMenue.h"
#include "ui/Thema.h"
#include "ui/Videofenster.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <clocale>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Strahlwerk");
    std::setlocale(LC_NUMERIC, "C");

    std::string ordner, argument, bild, thema, simulationsBild, befehl, video, videoBild;
    int optionenSeite = -1;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const std::string a = args[i].toStdString();
        if (a == "--screenshot" && i + 1 < args.size())
            bild = args[++i].toStdString();
        else if (a == "--simulation-screenshot" && i + 1 < args.size())
            simulationsBild = args[++i].toStdString();
        else if (a == "--theme" && i + 1 < args.size())
            thema = args[++i].toStdString();
        else if (a == "--open" && i + 1 < args.size())
            befehl = args[++i].toStdString();
        else if (a == "--video-screenshot" && i + 2 < args.size()) {
            video = args[++i].toStdString();
            videoBild = args[++i].toStdString();
        } else if (a == "--options" && i + 1 < args.size())
            optionenSeite = args[++i].toInt();
        else if (std::filesystem::is_directory(a))
            ordner = std::filesystem::absolute(a).string();
        else
            argument = a;
    }

    sw::ui::QtDialoge dialoge;
    sw::EreignisPumpe pumpe; // window events run between the playback passes, not inside them
    sw::SystemUhr uhr;
    auto programm = std::make_unique<sw::Programm>(dialoge, pumpe, uhr);
    sw::StartHooks hooks;
    hooks.figurenordner = ordner;
    if (sw::Programmstart(*programm, argument, hooks) == sw::Fortsetzung::ProgrammBeenden) return 1;

    // The stored look, unless the command line names one for this run.
    auto gewaehlt = sw::ui::themaLaden(programm->einstellungen);
    if (thema == "dark") gewaehlt = sw::ui::Thema::Dunkel;
    if (thema == "light") gewaehlt = sw::ui::Thema::Hell;
    sw::ui::themaSetzen(app, gewaehlt);
    sw::ui::qtSpracheSetzen(programm->texte.Sprache);
    sw::ui::Hauptfenster fenster(*programm);
    dialoge.elternSetzen(&fenster);
    fenster.show();
    // The first figure of the folder, unless the start put a rescued figure on the editor track.
    const auto& editor = programm->figuren.SpurAuswahl[programm->figuren.EditorSpur];
    if (editor.Figur >= 0)
        fenster.figurWaehlen(editor.Figur);
    else if (programm->figuren.lstFiguren.size() > 1)
        fenster.figurWaehlen(1);
    // A playlist named on the command line opens in its window.
    if (argument.size() > 4 && argument.substr(argument.size() - 4) == ".pll") {
        auto* liste = sw::ui::playlistfenster(fenster);
        liste->dateiLaden(std::filesystem::absolute(argument).string());
        sw::ui::fensterZeigen(liste);
    }
    // A picture shows the window as it fills the screen (there is no window manager to
    // maximise it).
    if (!bild.empty())
        if (auto* schirm = fenster.screen()) fenster.setGeometry(schirm->availableGeometry());
    // A show named on the command line opens in the sequencer window (shown at once unless a
    // window to show was named).
    if (argument.ends_with(".shw")) {
        auto* sequenzer = sw::ui::sequenzerfenster(fenster);
        sequenzer->showOeffnen(std::filesystem::absolute(argument).string());
        if (befehl.empty()) sw::ui::fensterZeigen(sequenzer);
    }
    QWidget* gezeigt = &fenster;
    if (!befehl.empty()) {
        if (auto* a = fenster.findChild<QAction*>(QString::fromStdString(befehl))) a->trigger();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &fenster && w->isVisible() && w->isWindow() && !w->inherits("QMenu"))
                gezeigt = w;
    }
    if (!bild.empty() && optionenSeite >= 0) {
        auto* optionen = sw::ui::optionenZeigen(&fenster, *programm);
        if (auto* reiter = optionen->findChild<QTabWidget*>("tabOptionen"))
            reiter->setCurrentIndex(optionenSeite);
        gezeigt = optionen;
    }
    if (!bild.empty())
        QTimer::singleShot(1500, &fenster, [&] {
            if (!gezeigt->grab().save(QString::fromStdString(bild)))
                std::cerr << "cannot write " << bild << "\n";
            if (gezeigt != &fenster) gezeigt->close();
            fenster.close();
        });
    if (!simulationsBild.empty()) {
        if (auto* simulation = fenster.findChild<QPushButton*>("cmdSimulation"))
            simulation->click();
        fenster.ausgabe()->resize(900, 560);
        QTimer::singleShot(1500, &fenster, [&] {
            if (!fenster.ausgabe()->grab().save(QString::fromStdString(simulationsBild)))
                std::cerr << "cannot write " << simulationsBild << "\n";
            fenster.close();
        });
    }
    if (!videoBild.empty()) {
        auto* v = sw::ui::videofenster(fenster);
        sw::ui::fensterZeigen(v);
        v->resize(800, 500);
        auto& s = sw::ui::showsteuerung(fenster);
        QTimer::singleShot(300, v, [&s, &video] {
            if (s.show.medien.DS_OpenFile(video, s.show.show.videofenster)) s.show.medien.DS_Play();
        });
        QTimer::singleShot(2500, &fenster, [&fenster, v, &videoBild] {
            // The window with the OpenGL picture laid over its area.
            QPixmap aufnahme = v->grab();
            if (auto* gl = v->glBild()) {
                QPainter maler(&aufnahme);
                maler.drawImage(gl->geometry().topLeft(), gl->grabFramebuffer());
            }
            if (!aufnahme.save(QString::fromStdString(videoBild)))
                std::cerr << "cannot write " << videoBild << "\n";
            v->close();
            fenster.close();
        });
    }
    const int ergebnis = app.exec();
    sw::Programmende(*programm);
    return ergebnis;
}
