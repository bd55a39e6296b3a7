// Showing the settings window and the About box modally over the main window.
#pragma once

#include "shell/finestre.h"

#include <functional>

class QWidget;

namespace lex::ui {

class FinestreQt : public Finestre {
public:
    QWidget* genitore = nullptr;
    std::function<void()> dopo; // mirror the main window once a modal window has closed
    std::function<bool()> ripasso; // the review window, wired by main
    std::function<bool()> testo;   // "Vocaboli da un testo", wired by main
    void mostraImpostazioni(Impostazioni& imp) override;
    void mostraInfo() override;
    bool mostraRipasso() override;
    std::function<void()> progressi; // the progress window, wired by main
    void mostraProgressi() override;
    bool mostraTesto() override;
};

// Provided by the settings window's view.
void mostraImpostazioniModale(Impostazioni& imp, QWidget* genitore);

} // namespace lex::ui
