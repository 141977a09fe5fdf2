#pragma once
// The operator's dialogs with Qt's message boxes, input dialogs and file dialogs.

#include "platform/Dialoge.h"

class QWidget;

namespace sw::ui {

class QtDialoge : public Dialoge {
public:
    explicit QtDialoge(QWidget* eltern = nullptr) : eltern_(eltern) {}
    void elternSetzen(QWidget* eltern) { eltern_ = eltern; }

    void meldung(const std::string& text, const std::string& titel = {}) override;
    void warnung(const std::string& text, const std::string& details,
                 const std::string& titel = {}) override;
    Antwort frage(const std::string& text, Knoepfe knoepfe, Antwort standard,
                  const std::string& titel = {}) override;
    std::optional<std::string> eingabe(const std::string& text, const std::string& vorgabe,
                                       const std::string& titel = {}) override;
    std::string dateiOeffnen(const DateiAuswahl& auswahl) override;
    std::string dateiSpeichern(const DateiAuswahl& auswahl) override;

private:
    QWidget* eltern_;
};

// "*.qvb(QV-Binary Datei)|*.qvb" in Qt's notation: "QV-Binary Datei (*.qvb)".
std::string qtFilter(const std::string& filter);

} // namespace sw::ui
