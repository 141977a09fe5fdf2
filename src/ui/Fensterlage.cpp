#include "ui/Fensterlage.h"

#include "app/Programmstart.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace sw::ui {

void fensterlageLaden(QWidget& w, Programm& p, int breite, int hoehe) {
    const QScreen* schirm = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    const QRect frei = schirm ? schirm->availableGeometry() : QRect(0, 0, 1366, 768);
    w.resize(std::min(breite, frei.width()), std::min(hoehe, frei.height()));
    const auto pos = fensterpositionLesen(p, w.objectName().toStdString());
    if (!pos) return;
    QRect r(pos->links, pos->oben, pos->rechts - pos->links, pos->unten - pos->oben);
    r.setSize(r.size().boundedTo(frei.size()).expandedTo(w.minimumSizeHint()));
    r.moveLeft(std::clamp(r.left(), frei.left(), std::max(frei.left(), frei.right() - r.width())));
    r.moveTop(std::clamp(r.top(), frei.top(), std::max(frei.top(), frei.bottom() - r.height())));
    w.setGeometry(r);
}

void fensterlageSpeichern(const QWidget& w, Programm& p) {
    const QRect r = w.normalGeometry().isValid() ? w.normalGeometry() : w.geometry();
    fensterpositionSpeichern(
        p, w.objectName().toStdString(),
        Fensterposition{w.isMaximized() ? 3 : 1, r.left(), r.top(), r.right() + 1, r.bottom() + 1});
}

} // namespace sw::ui
