// The review window "Lexorio: Ripasso": a thin dialog over the rules of FinestraRipasso, in the
// settings window's red, built once at the designed twips. Keys: arrows in the list and
// between the two lists, access keys, Enter on the focused button, Esc closes.
#pragma once

#include "review/finestraripasso.h"
#include "shell/ui/dialogoqt.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace lex::ui {

class RipassoView : public DialogoRegole<FinestraRipasso> {
public:
    RipassoView(FinestraRipasso& regole, QWidget* genitore = nullptr);

    void rispecchia() override;

    QTableWidget* elenco() const { return elenco_; }
    QLabel* vuoto() const { return vuoto_; }
    QLabel* nota() const { return nota_; }
    QRadioButton* vista(int i) const { return vista_[static_cast<std::size_t>(i)]; }
    QPushButton* okay(int i) const { return okay_[static_cast<std::size_t>(i)]; }

protected:
    void reject() override; // Esc or the close control: "&Chiudi (esc)"

private:
    QGroupBox* frame1_;
    std::array<QRadioButton*, 2> vista_{};
    QTableWidget* elenco_;
    QLabel *vuoto_, *nota_;
    std::array<QPushButton*, 2> okay_{};
    QList<QStringList> righe_; // what the table shows
};

// Shows the review modally, centred on the screen; true when it saved a personal list.
bool mostraRipassoModale(const Ripasso& ripasso, MessaggiBox& box, FileSistema& fs, QWidget* genitore);

} // namespace lex::ui
