#pragma once
// The main window's folder browser: the folder tree (lstDir), the recent folders
// (cboLetzteOrdner) and the figure list (lstFiguren), whose entries are those of the engine's
// lstFiguren (entry k is figure k), followed by the folder's ILDA files. The ILDA entries are
// the browser's own: they never enter the engine's list, whose indices are figure numbers.
//
// The browser decides nothing about figures: opening a folder, choosing a figure and importing
// an ILDA file go back to the window through the callbacks, which ask what has to be asked.
// One click on a folder opens it, and so does Enter; the arrow keys only move the cursor, so
// that passing over folders never asks about unsaved changes. The folder shown is drawn bold,
// and the cursor goes back to it when the tree loses the focus, so tree and list agree.
// /proc, /sys and /dev are not offered: they hold no figures, and their files never end.
// Like every widget, it is used from the window thread only.

#include "einstellungen/Einstellungen.h"
#include "app/Einstellungsmodell.h"
#include "core/FigurenSpeicher.h"
#include "platform/Sprachtexte.h"

#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QModelIndex;
class QTimer;
class QTreeView;

namespace sw::ui {

// The browser's captions and tooltips; \xxx\ is filled in where a text has it.
namespace ordnertext {
inline constexpr int Ordner = 1906;
inline constexpr const char* OrdnerText = "Folders";
inline constexpr int OrdnerTipp = 1907;
inline constexpr const char* OrdnerTippText =
    "One click opens a folder. The arrow keys only move the cursor; Enter opens the folder "
    "under it.";
inline constexpr int Zuletzt = 1908;
inline constexpr const char* ZuletztText = "Recent folders";
inline constexpr int ZuletztTipp = 1909;
inline constexpr const char* ZuletztTippText =
    "The folders shown last, the current one first. Choosing one opens it.";
inline constexpr int Figuren = 1910;
inline constexpr const char* FigurenText = "Figures";
inline constexpr int FigurenTipp = 1911;
inline constexpr const char* FigurenTippText =
    "The figures of the folder, then its ILDA files. A double-click (or Enter) on an ILDA file "
    "imports it into figure 0.";
inline constexpr int IldaMarke = 1912;
inline constexpr const char* IldaMarkeText = "ILDA";
inline constexpr int IldaTipp = 1913; // \xxx\ is the file's name
inline constexpr const char* IldaTippText =
    "ILDA file \\xxx\\: a double-click or Enter imports it into figure 0.";
inline constexpr int EinFrameImportiert = 1914; // \xxx\ is the file's name
inline constexpr const char* EinFrameImportiertText = "imported \\xxx\\: 1 frame";
inline constexpr int FramesImportiert = 1915; // the file's name, then the number of frames
inline constexpr const char* FramesImportiertText = "imported \\xxx\\: \\xxx\\ frames";
inline constexpr int OrdnerFehlt = 1916; // \xxx\ is the folder
inline constexpr const char* OrdnerFehltText = "The folder \\xxx\\ is gone.";
} // namespace ordnertext

class Ordnerfilter;

class Ordnerbrowser : public QWidget {
public:
    static constexpr int kLetzteOrdner = 8;

    // `s` gives the folder shown and its list; the recent folders are kept in `modell`
    // ("Optionen_4_FrmHaupt", "LetzterOrdner(0)" to "LetzterOrdner(7)") and stored in `e`.
    Ordnerbrowser(const FigurenSpeicher& s, Einstellungsmodell& modell, Einstellungen& e,
                  QWidget* parent = nullptr);
    ~Ordnerbrowser() override;

    // Opens another folder; false when the operator kept the one shown.
    std::function<bool(const std::filesystem::path&)> ordnerOeffnen;
    // An entry of lstFiguren was chosen (a figure number).
    std::function<void(int)> figurGewaehlt;
    // An ILDA file of the list was double-clicked or entered.
    std::function<void(const std::filesystem::path&)> ildaOeffnen;
    // A short note for the status bar.
    std::function<void(const QString&)> hinweis;

    // Follows the folder shown (after a change, or when the operator kept the old one): the
    // tree's cursor on it, expanded and scrolled to it, and it first among the recent folders.
    void ordnerAnzeigen();
    // Fills the list with the entries of lstFiguren, then the folder's ILDA files, and selects
    // entry `aktuell`. Selecting here calls no callback.
    void listeFuellen(int aktuell);
    // Captions and tooltips in the current language: at start and after a change of language.
    void beschriften(const Sprachtexte& texte);

    QTreeView* baum() const { return baum_; }
    QListWidget* figurenliste() const { return liste_; }
    QComboBox* letzteOrdnerBox() const { return letzte_; }
    const std::vector<std::filesystem::path>& letzteOrdner() const { return letzteOrdner_; }
    // The source model's index of a path as the tree sees it; invalid when not offered.
    QModelIndex baumIndex(const QString& pfad) const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void oeffnen(const QModelIndex& baumIndex);
    void cursorAufGezeigten(bool mitte);
    void letzteOrdnerLesen();
    void letzteOrdnerAktualisieren();
    void ildaAusListe();

    const FigurenSpeicher& s_;
    Einstellungsmodell& modell_;
    Einstellungen& einstellungen_;
    QFileSystemModel* dateisystem_ = nullptr;
    Ordnerfilter* filter_ = nullptr;
    QTreeView* baum_ = nullptr;
    QComboBox* letzte_ = nullptr;
    QListWidget* liste_ = nullptr;
    QLabel* ordnerLabel_ = nullptr;
    QLabel* figurenLabel_ = nullptr;
    QString gezeigt_;       // the folder shown, as the file system model spells paths
    bool folgen_ = false;   // the tree follows the shown folder while its parents load
    QTimer* nachfuehren_ = nullptr;
    int nachfuehrenVersuche_ = 0, nachfuehrenFertig_ = 0;
    bool fuellend_ = false; // the list is being filled: selections are not the operator's
    QString ildaMarke_ = ordnertext::IldaMarkeText;
    QString ildaTipp_ = ordnertext::IldaTippText;
    std::string ordnerFehlt_ = ordnertext::OrdnerFehltText;
    std::vector<std::filesystem::path> letzteOrdner_;
};

} // namespace sw::ui
