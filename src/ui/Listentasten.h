#pragma once
// Lists and trees keep their own keys: Home, End, the arrows and typing to search act in the
// focused list, not as the window's frame and tool keys. Keys with Ctrl or Alt stay the
// window's.

#include <QEvent>
#include <QKeyEvent>
#include <QObject>

namespace sw::ui {

class Listentasten : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride) {
            auto* k = static_cast<QKeyEvent*>(e);
            const bool eigen = !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier |
                                                   Qt::MetaModifier)) &&
                               k->key() != Qt::Key_Escape && k->key() != Qt::Key_F5 &&
                               k->key() != Qt::Key_Insert;
            if (eigen) {
                e->accept();
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }
};

} // namespace sw::ui
