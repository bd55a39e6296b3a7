// The window "Lexorio: Vocaboli da un testo": a thin dialog over the rules of FinestraTesto, in
// the review's red. Keys: Tab between the passage, the buttons and the table; in the table the
// arrows, Space for a word's box, F2 to change a translation; access keys; Esc closes.
#pragma once

#include "shell/ui/dialogoqt.h"
#include "testo/finestratesto.h"

#include <array>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace lex::ui {

class TestoView : public DialogoRegole<FinestraTesto> {
public:
    TestoView(FinestraTesto& regole, QWidget* genitore = nullptr);

    void rispecchia() override;

    QPlainTextEdit* testo() const { return testo_; }
    QTableWidget* elenco() const { return elenco_; }
    QLabel* nota() const { return nota_; }
    QLabel* copertura() const { return copertura_; }
    QPushButton* comando(int i) const { return comandi_[static_cast<std::size_t>(i)]; }
    QPushButton* okay(int i) const { return okay_[static_cast<std::size_t>(i)]; }

protected:
    void reject() override; // Esc or the close control: "&Chiudi (esc)"

private:
    void cellaCambiata(QTableWidgetItem* cella);

    QGroupBox *frame1_, *frame2_;
    QPlainTextEdit* testo_;
    std::array<QPushButton*, 2> comandi_{};
    QTableWidget* elenco_;
    QLabel *copertura_, *nota_;
    std::array<QPushButton*, 3> okay_{};
    QList<QStringList> righe_; // what the table shows
    QList<bool> tenute_;
    bool riempiendo_ = false;
};

// Shows the window modally, centred on the screen; true when it saved a personal list.
bool mostraTestoModale(MessaggiBox& box, FileSistema& fs, QWidget* genitore);

} // namespace lex::ui
