#pragma once
// frmText: the text tool. A small dialog asks for the text, the font (an installed family or a
// font file), the size, the colour index and whether the text scrolls; the text figure then
// replaces figure 0 as "new figure" does (with its undo snapshot), and the editor shows it.
// GUI thread only.

#include "app/Programm.h"
#include "generators/Textfigur.h"
#include "ui/Beschriftungen.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QMainWindow;
class QSpinBox;

namespace sw::ui {

// The menu command's caption and tool text.
const text::Beschriftung& textwerkzeugBeschriftung();
QString textwerkzeugHilfe(const Sprachtexte& t);

class Textdialog : public QDialog {
public:
    Textdialog(QWidget* eltern, Programm& p);

    // The dialog's values as options of the text figure (quality from the settings).
    gen::TextOptionen optionen() const;

private:
    Programm& p_;
    QLineEdit* txtText_ = nullptr;
    QComboBox* cboSchrift_ = nullptr;
    QDoubleSpinBox* txtGroesse_ = nullptr;
    QSpinBox* txtFarbe_ = nullptr;
    QCheckBox* checkLaufschrift_ = nullptr;
};

// Asks with the dialog and puts the text figure into figure 0; false when nothing changed
// (cancelled, a failure that was shown, or unsaved changes of figure 0 kept).
bool textWerkzeug(QMainWindow* fenster, Programm& p);

} // namespace sw::ui
