#include "ui/QtDialoge.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace sw::ui {

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}
QString titelOder(const std::string& t) {
    return t.empty() ? QStringLiteral("Strahlwerk") : q(t);
}
} // namespace

std::string qtFilter(const std::string& filter) {
    // Pairs of description and pattern; a description may hold the pattern in front of it.
    std::string aus;
    std::size_t pos = 0;
    while (pos < filter.size()) {
        auto trenner = filter.find('|', pos);
        if (trenner == std::string::npos) break;
        std::string beschreibung = filter.substr(pos, trenner - pos);
        auto ende = filter.find('|', trenner + 1);
        std::string muster = filter.substr(
            trenner + 1, ende == std::string::npos ? std::string::npos : ende - trenner - 1);
        pos = ende == std::string::npos ? filter.size() : ende + 1;
        if (auto klammer = beschreibung.find('(');
            klammer != std::string::npos && beschreibung.back() == ')')
            beschreibung = beschreibung.substr(klammer + 1, beschreibung.size() - klammer - 2);
        if (!aus.empty()) aus += ";;";
        aus += beschreibung + " (" + muster + ")";
    }
    return aus;
}

void QtDialoge::meldung(const std::string& text, const std::string& titel) {
    QMessageBox::information(eltern_, titelOder(titel), q(text));
}

void QtDialoge::warnung(const std::string& text, const std::string& details,
                        const std::string& titel) {
    QMessageBox box(QMessageBox::Warning, titelOder(titel), q(text), QMessageBox::Ok, eltern_);
    box.setDetailedText(q(details));
    box.exec();
}

Antwort QtDialoge::frage(const std::string& text, Knoepfe knoepfe, Antwort standard,
                         const std::string& titel) {
    using B = QMessageBox::StandardButton;
    QMessageBox::StandardButtons knoepfeQt;
    switch (knoepfe) {
    case Knoepfe::Ok:
        knoepfeQt = B::Ok;
        break;
    case Knoepfe::OkAbbrechen:
        knoepfeQt = B::Ok | B::Cancel;
        break;
    case Knoepfe::JaNein:
        knoepfeQt = B::Yes | B::No;
        break;
    case Knoepfe::JaNeinAbbrechen:
        knoepfeQt = B::Yes | B::No | B::Cancel;
        break;
    case Knoepfe::WiederholenAbbrechen:
        knoepfeQt = B::Retry | B::Cancel;
        break;
    case Knoepfe::SpeichernVerwerfenAbbrechen:
        knoepfeQt = B::Save | B::Discard | B::Cancel;
        break;
    }
    const bool speichernFrage = knoepfe == Knoepfe::SpeichernVerwerfenAbbrechen;
    auto nachQt = [speichernFrage](Antwort a) {
        switch (a) {
        case Antwort::Ok:
            return B::Ok;
        case Antwort::Abbrechen:
            return B::Cancel;
        case Antwort::Ja:
            return speichernFrage ? B::Save : B::Yes;
        case Antwort::Nein:
            return speichernFrage ? B::Discard : B::No;
        case Antwort::Wiederholen:
            return B::Retry;
        }
        return B::Ok;
    };
    const auto r =
        QMessageBox::question(eltern_, titelOder(titel), q(text), knoepfeQt, nachQt(standard));
    switch (r) {
    case B::Yes:
    case B::Save:
        return Antwort::Ja;
    case B::No:
    case B::Discard:
        return Antwort::Nein;
    case B::Retry:
        return Antwort::Wiederholen;
    case B::Cancel:
        return Antwort::Abbrechen;
    default:
        return Antwort::Ok;
    }
}

std::optional<std::string> QtDialoge::eingabe(const std::string& text, const std::string& vorgabe,
                                              const std::string& titel) {
    bool ok = false;
    const QString s = QInputDialog::getText(eltern_, titelOder(titel), q(text), QLineEdit::Normal,
                                            q(vorgabe), &ok);
    if (!ok) return std::nullopt;
    return s.toStdString();
}

std::string QtDialoge::dateiOeffnen(const DateiAuswahl& a) {
    return QFileDialog::getOpenFileName(eltern_, titelOder(a.titel), q(a.ordner + a.dateiname),
                                        q(qtFilter(a.filter)))
        .toStdString();
}

std::string QtDialoge::dateiSpeichern(const DateiAuswahl& a) {
    return QFileDialog::getSaveFileName(eltern_, titelOder(a.titel), q(a.ordner + a.dateiname),
                                        q(qtFilter(a.filter)))
        .toStdString();
}

} // namespace sw::ui
