// The progress window "Lexorio: Progressi": a selector of the six characters, the chart of the
// chosen one's known words per day and band, and how much of each author those words read.
// In the settings window's red; keyboard only: arrows or Alt+letter choose the character, Esc
// or Enter close.
#pragma once

#include "progressi/progressi.h"
#include "progressi/riepilogo.h"

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QRadioButton;
class QVBoxLayout;

namespace lex::ui {

class ProgressiView : public QDialog {
public:
    // personaggio: the character shown first (1 to 6).
    ProgressiView(const Progressi& progressi, std::optional<TabellaCopertura> tabella, int personaggio,
                  QWidget* genitore = nullptr);

    void mostra(int personaggio); // the chart and the coverage of this character
    int personaggio() const { return personaggio_; }
    QRadioButton* scelta(int n) const { return scelte_[static_cast<std::size_t>(n)]; }
    QLabel* copertura() const { return copertura_; }
    QLabel* avvisi() const { return avvisi_; }
    QWidget* grafico() const { return grafico_; }

private:
    const Progressi& progressi_;
    std::optional<TabellaCopertura> tabella_;
    int personaggio_ = 1;
    std::array<QRadioButton*, 7> scelte_{};
    QVBoxLayout* colonnaGrafico_;
    QWidget* grafico_ = nullptr;
    QLabel *titolo_, *copertura_, *avvisi_;
};

// Reads the coverage table beside the game (nullopt when missing or not ours), then shows the
// window modally, centred on the screen.
void mostraProgressiModale(const Progressi& progressi, FileSistema& fs, int personaggio, QWidget* genitore);

} // namespace lex::ui
