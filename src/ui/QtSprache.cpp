#include "ui/QtSprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace sw::ui {

void qtSpracheSetzen(int sprache) {
    static QTranslator* uebersetzer = nullptr;
    if (uebersetzer) {
        QCoreApplication::removeTranslator(uebersetzer);
        delete uebersetzer;
        uebersetzer = nullptr;
    }
    if (sprache != 0) return; // Qt speaks English by itself
    auto* neu = new QTranslator;
    if (neu->load(QStringLiteral("qtbase_de"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(neu);
        uebersetzer = neu;
    } else {
        delete neu;
    }
}

} // namespace sw::ui
