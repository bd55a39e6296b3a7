// The settings window "Lexorio: Impostazioni nuova partita": a thin dialog over the rules of
// Impostazioni. It builds its controls once at the designed twips, forwards every event to the
// rules, mirrors the model afterwards, and ends its modal loop when the rules hide the window.
// It never owns the rules: their creator (the main window's rules) creates and destroys them.
#pragma once

#include "settings/impostazioni.h"
#include "shell/ui/pezzo.h"

#include <QDialog>
#include <array>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace lex::ui {

class ImpostazioniView : public QDialog {
public:
    ImpostazioniView(Impostazioni& regole, QWidget* genitore = nullptr);
    ~ImpostazioniView() override;

    void rispecchia(); // the model's state onto the widgets

    // Runs one event of the rules, mirrors, and leaves the modal loop once the window is hidden.
    template <typename F> void esegui(F&& f)
    {
        f();
        rispecchia();
        if (!r_.m.shown && isVisible())
            done(r_.confermata() ? Accepted : Rejected);
    }

protected:
    bool eventFilter(QObject* o, QEvent* ev) override;
    void reject() override; // Esc or the close control: "&Uscita (esc)"

private:
    Pezzo* pezzo(const Elemento& e, Stile stile, QWidget* genitore, std::function<void()> click);

    Impostazioni& r_;
    QGroupBox *frame1_, *frame2_, *frame3_;
    QCheckBox *suoni_, *musica_, *similino_, *primaRipasso_;
    std::array<QCheckBox*, 5> chclassi_{}, chfreq_{};
    QLabel* velocita_;
    QScrollBar* velox_;
    std::array<QRadioButton*, 3> giocatori_{};
    QListWidget* quverbi_;
    std::array<QPushButton*, 3> okay_{};
    std::vector<Pezzo*> pezzi_; // pictures, balloon lines, names and hint, parents first
    QStringList righe_;
};

// Shows the settings window modally over the given parent and returns once the rules have hidden it.
void mostraImpostazioniModale(Impostazioni& imp, QWidget* genitore);

} // namespace lex::ui
