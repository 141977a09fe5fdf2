#include "ui/Geraetetafel.h"

#include "devices/netz/Strom.h"
#include "ui/Beschriften.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>

namespace sw::ui {

Geraetetafel::Geraetetafel(const Geraete& g, const Dacausgabe& dac, QWidget* eltern)
    : QDockWidget(eltern), g_(g), dac_(dac) {
    setObjectName("dockGeraete");
    tabelle_ = new QTableWidget(0, 6);
    tabelle_->setObjectName("lstGeraetezustand");
    tabelle_->verticalHeader()->hide();
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionMode(QAbstractItemView::NoSelection);
    tabelle_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setWidget(tabelle_);
    auto* takt = new QTimer(this);
    takt->setInterval(500);
    connect(takt, &QTimer::timeout, this, [this] { aktualisieren(); });
    takt->start();
    beschriften(Sprachtexte{});
}

void Geraetetafel::beschriften(const Sprachtexte& t) {
    setWindowTitle(ohneKuerzel(beschriftung(t, text::Geraete)));
    QStringList spalten;
    for (const auto& b : text::TafelSpalten) spalten << beschriftung(t, b);
    tabelle_->setHorizontalHeaderLabels(spalten);
    zustaende_[0] = beschriftung(t, text::Verbunden);
    zustaende_[1] = beschriftung(t, text::NichtGefunden);
    zustaende_[2] = beschriftung(t, text::Stoerung);
    aktualisieren();
}

void Geraetetafel::aktualisieren() {
    int zeile = 0;
    for (int d = 0; d < kGeraete; ++d) {
        const auto zuordnung = g_.HardwareZuordnung[static_cast<std::size_t>(d)];
        if (zuordnung <= 0 || static_cast<std::size_t>(zuordnung) >= g_.Geraeteliste.size())
            continue; // no device on this logical device
        const GeraeteEintrag& e = g_.eintrag(d);
        const QString& zustand = dac_.gestoert(d)                                 ? zustaende_[2]
                                 : e.Typ == Geraetetyp::VirtualDevice || e.Bereit ? zustaende_[0]
                                                                                  : zustaende_[1];
        const Strom* strom = dac_.laufenderStrom(d);
        auto ms = [strom](double sekunden) {
            return strom ? QString::number(sekunden * 1000, 'f', 1) : QString();
        };
        const QStringList spalten{QString::number(d),
                                  QString::fromStdString(e.Anzeigename),
                                  zustand,
                                  QString::number(g_.PPSWert[static_cast<std::size_t>(d)]),
                                  ms(strom ? strom->pufferziel() : 0),
                                  ms(strom ? strom->pufferfuellung() : 0)};
        if (zeile >= tabelle_->rowCount()) tabelle_->insertRow(zeile);
        for (int s = 0; s < spalten.size(); ++s) {
            auto* feld = tabelle_->item(zeile, s);
            if (!feld) tabelle_->setItem(zeile, s, feld = new QTableWidgetItem);
            if (feld->text() != spalten[s]) feld->setText(spalten[s]);
        }
        ++zeile;
    }
    tabelle_->setRowCount(zeile);
}

} // namespace sw::ui
