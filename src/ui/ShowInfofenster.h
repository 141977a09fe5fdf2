#pragma once
// The show-information window (frmShowInfo): the show's record of facts, its picture and free
// text, in pages (general, picture, projectors, output routing, DMX, other, the free text of
// "[INFO].txt"). The controls hold what the operator types until "Apply" copies them into the
// show's record (and offers to save the show); loading a show or the default record fills them
// again. GUI thread only.

#include "app/Showsteuerung.h"
#include "ui/Werkzeugfenster.h"

#include <QImage>

#include <functional>
#include <vector>

class QTabWidget;

namespace sw::ui {

class Bildflaeche;

class ShowInfofenster : public Werkzeugfenster {
public:
    // The pages in their order; the free text is the one a show's load may switch to.
    enum Seite { Allgemein, Bild, Projektoren, Ausgabe, Dmx, Sonstiges, Text, kSeiten };

    ShowInfofenster(QWidget* eltern, Showsteuerung& s);

    // Every control from the show's record, the caption and the free text (the record's
    // values as the window shows them).
    void anzeigen();
    // The controls as a record, the picture as its text. An option group without a choice
    // keeps the record's value.
    ShowInfo auslesen() const;
    // The show's information was loaded: shown at once when the window is visible, else when
    // it is shown next; the page the load chose is selected, and the window is shown (with the
    // focus on that page) when the load asks for it.
    void nachShowLaden();

    // The buttons. Apply copies the controls into the record and asks whether to save the
    // show; "save as default" takes the controls into the record as well (without asking) and
    // writes "Standard.info"; "load default" fills the record and the window from it.
    void uebernehmen();
    void alsStandardSpeichern();
    void standardLaden();
    // Puts the picture of an image file on the picture page (into the record on Apply); false
    // after a message when it is no readable picture.
    bool bildLaden(const QString& datei);
    // The picture the window shows (null when none).
    QImage bild() const;

    QTabWidget* seiten() const { return reiter_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* allgemeinBauen();
    QWidget* bildBauen();
    QWidget* projektorenBauen();
    QWidget* ausgabeBauen();
    QWidget* dmxBauen();
    QWidget* sonstigesBauen();
    QWidget* textBauen();
    QWidget* knoepfeBauen();
    void titelSetzen();

    // How one control is filled from the record and read back into it.
    void bindung(std::function<void(const ShowInfo&)> zeigen, std::function<void(ShowInfo&)> lesen);

    Showsteuerung& s_;
    QTabWidget* reiter_ = nullptr;
    Bildflaeche* bildflaeche_ = nullptr;
    std::string bildText_;  // the picture as the record's text
    ShowInfo angezeigt_;    // the record the controls were last filled from
    bool veraltet_ = false; // a show was loaded while the window was hidden
    std::vector<std::function<void(const ShowInfo&)>> zeiger_;
    std::vector<std::function<void(ShowInfo&)>> leser_;
};

} // namespace sw::ui
