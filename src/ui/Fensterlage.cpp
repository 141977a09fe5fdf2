#include "ui/Fensterlage.h"

#include "app/Programmstart.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace sw::ui {

namespace {

const char* const kAbschnitt = "Fensterposition";

std::string aufteilungSchluessel(const QWidget& w) {
    return w.objectName().toStdString() + ".Aufteilung";
}

} // namespace

int fensterlageLaden(QWidget& w, Programm& p, int breite, int hoehe, QSize kleinste) {
    const QScreen* schirm = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    const QRect frei = schirm ? schirm->availableGeometry() : QRect(0, 0, 1366, 768);
    w.resize(std::min(breite, frei.width()), std::min(hoehe, frei.height()));
    const auto pos = fensterpositionLesen(p, w.objectName().toStdString());
    if (!pos) return 0;
    if (!kleinste.isValid()) kleinste = w.minimumSizeHint();
    QRect r(pos->links, pos->oben, pos->rechts - pos->links, pos->unten - pos->oben);
    r.setSize(r.size().boundedTo(frei.size()).expandedTo(kleinste.boundedTo(frei.size())));
    r.moveLeft(std::clamp(r.left(), frei.left(), std::max(frei.left(), frei.right() - r.width())));
    r.moveTop(std::clamp(r.top(), frei.top(), std::max(frei.top(), frei.bottom() - r.height())));
    w.setGeometry(r);
    return pos->showCmd;
}

void fensterlageSpeichern(const QWidget& w, Programm& p) {
    const QRect r = w.normalGeometry().isValid() ? w.normalGeometry() : w.geometry();
    const int zustand = w.isMaximized() ? 3 : w.isMinimized() ? 2 : 1;
    fensterpositionSpeichern(
        p, w.objectName().toStdString(),
        Fensterposition{zustand, r.left(), r.top(), r.right() + 1, r.bottom() + 1});
}

void aufteilungSpeichern(const QWidget& w, Programm& p,
                         std::initializer_list<const QSplitter*> teiler) {
    QStringList teile;
    for (const QSplitter* s : teiler) {
        QStringList zahlen;
        for (int v : s->sizes()) zahlen << QString::number(v);
        teile << zahlen.join(',');
    }
    p.einstellungen.textSchreiben(kAbschnitt, aufteilungSchluessel(w),
                                  teile.join(';').toStdString());
}

bool aufteilungLaden(const QWidget& w, Programm& p, std::initializer_list<QSplitter*> teiler) {
    const QStringList teile =
        QString::fromStdString(p.einstellungen.textLesen(kAbschnitt, aufteilungSchluessel(w), ""))
            .split(';');
    if (teile.size() != static_cast<qsizetype>(teiler.size())) return false;
    auto teil = teile.begin();
    for (QSplitter* s : teiler) {
        QList<int> groessen;
        bool unsere = true;
        for (const QString& v : (teil++)->split(',')) {
            bool ok = false;
            const int n = v.toInt(&ok);
            if (!ok || n < 0 || n > 100000) unsere = false; // not ours: the default stays
            groessen << n;
        }
        if (unsere && groessen.size() == s->count()) s->setSizes(groessen);
    }
    return true;
}

} // namespace sw::ui
