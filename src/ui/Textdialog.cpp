#include "ui/Textdialog.h"

#include "core/FigurDatei.h"
#include "core/Meldungen.h"
#include "generators/TextTexte.h"
#include "ui/Beschriften.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

namespace sw::ui {

namespace {

namespace tt = gen::texte;

QString tx(const Sprachtexte& t, const tt::Beschriftung& x) {
    return QString::fromStdString(t.text(x.nummer, x.englisch));
}

// The values of the last text figure, offered again the next time in this run.
gen::TextOptionen& letzte() {
    static gen::TextOptionen o = [] {
        gen::TextOptionen s;
        s.text = "Strahlwerk";
        return s;
    }();
    return o;
}

} // namespace

const text::Beschriftung& textwerkzeugBeschriftung() {
    static const text::Beschriftung b{tt::Menue.nummer, tt::Menue.deutsch, tt::Menue.englisch};
    return b;
}

QString textwerkzeugHilfe(const Sprachtexte& t) {
    return tx(t, tt::MenueHilfe);
}

Textdialog::Textdialog(QWidget* eltern, Programm& p) : QDialog(eltern), p_(p) {
    setObjectName("frmText");
    const Sprachtexte& t = p.texte;
    setWindowTitle(tx(t, tt::Titel));
    const gen::TextOptionen& o = letzte();

    txtText_ = new QLineEdit(QString::fromStdString(o.text), this);
    txtText_->setObjectName("txtText");
    txtText_->setMinimumWidth(320);

    cboSchrift_ = new QComboBox(this);
    cboSchrift_->setObjectName("cboSchrift");
    cboSchrift_->setEditable(true);
    cboSchrift_->setInsertPolicy(QComboBox::NoInsert);
    cboSchrift_->addItems(QFontDatabase::families());
    cboSchrift_->setCurrentText(QString::fromStdString(o.schrift));
    cboSchrift_->setToolTip(tx(t, tt::SchriftHilfe));
    auto* datei = new QPushButton(tx(t, tt::Datei), this);
    datei->setObjectName("cmdSchriftdatei");
    connect(datei, &QPushButton::clicked, this, [this] {
        DateiAuswahl a;
        a.titel = ohneKuerzel(tx(p_.texte, tt::Schrift)).toStdString();
        a.filter = "TrueType / OpenType (*.ttf, *.otf)|*.ttf;*.otf;*.TTF;*.OTF";
        const std::string name = p_.env.dialoge.dateiOeffnen(a);
        if (!name.empty()) cboSchrift_->setCurrentText(QString::fromStdString(name));
    });
    auto* schriftZeile = new QHBoxLayout;
    schriftZeile->addWidget(cboSchrift_, 1);
    schriftZeile->addWidget(datei);

    txtGroesse_ = new QDoubleSpinBox(this);
    txtGroesse_->setObjectName("txtGroesse");
    txtGroesse_->setRange(1, 100);
    txtGroesse_->setDecimals(1);
    txtGroesse_->setValue(o.groesse);
    txtGroesse_->setSuffix(" %");

    txtFarbe_ = new QSpinBox(this);
    txtFarbe_->setObjectName("txtFarbe");
    txtFarbe_->setRange(0, 65535);
    txtFarbe_->setValue(o.farbe);

    checkLaufschrift_ = new QCheckBox(tx(t, tt::Laufschrift), this);
    checkLaufschrift_->setObjectName("checkLaufschrift");
    checkLaufschrift_->setChecked(o.laufschrift);
    checkLaufschrift_->setToolTip(tx(t, tt::LaufschriftHilfe));

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->setObjectName("knoepfe");
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tx(t, tt::Textfeld), txtText_);
    auto* schriftName = new QLabel(tx(t, tt::Schrift), this);
    schriftName->setBuddy(cboSchrift_); // a row of two widgets gets no buddy of its own
    form->addRow(schriftName, schriftZeile);
    form->addRow(tx(t, tt::Groesse), txtGroesse_);
    form->addRow(tx(t, tt::Farbe), txtFarbe_);
    form->addRow(QString(), checkLaufschrift_);
    form->addRow(knoepfe);
}

gen::TextOptionen Textdialog::optionen() const {
    gen::TextOptionen o;
    o.text = txtText_->text().toStdString();
    o.schrift = cboSchrift_->currentText().trimmed().toStdString();
    o.groesse = txtGroesse_->value();
    o.farbe = txtFarbe_->value();
    o.laufschrift = checkLaufschrift_->isChecked();
    o.qualitaet = static_cast<int>(p_.modell.zahl("Optionen_Text_SMS", "SchriftartQualitaet"));
    return o;
}

bool textWerkzeug(QMainWindow* fenster, Programm& p) {
    Textdialog d(fenster, p);
    if (d.exec() != QDialog::Accepted) return false;
    const gen::TextOptionen o = d.optionen();
    letzte() = o;
    const gen::TextErgebnis e = gen::textfigurErzeugen(o, p.env);
    const std::string satz = gen::textMeldung(e, o, p.texte);
    if (!e.ok()) {
        p.env.dialoge.meldung(satz);
        return false;
    }
    // As "new figure": figure 0 on the editor track, its former content in the undo snapshots.
    if (!aenderungenSichernFragen(p.figuren, p.env, {0})) return false;
    cmdNeu_Click(p.figuren);
    p.figuren.Figuren[0] = e.figur;
    alsGeaendertMarkieren(p.figuren, 0);
    if (!satz.empty()) p.env.dialoge.meldung(satz);
    const auto frames = e.figur.Frames.size();
    fenster->statusBar()->showMessage(
        frames == 1
            ? tx(p.texte, tt::ErzeugtEinFrame)
            : QString::fromStdString(meldung::einsetzen(
                  p.texte.text(tt::Erzeugt.nummer, tt::Erzeugt.englisch), std::to_string(frames))));
    return true;
}

} // namespace sw::ui
