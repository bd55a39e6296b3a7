// What the dialogs drawn at designed twips over rules of their own (the review, the text window)
// build alike: the window itself, its frames, the red table, the note, the buttons, and the
// mirroring of the rules after each event.
#pragma once

#include "shell/elementi.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace lex::ui {

// Title, fixed size, the window's colour and the design's 8.25-point font.
void impostaDialogo(QDialog* d, const QString& titolo, const Elemento& finestra);

// A dialog over rules whose model m has a caption, a window and shown: after each event the
// widgets mirror the model again, and the dialog closes once the rules have hidden it.
template <typename Regole>
class DialogoRegole : public QDialog {
public:
    virtual void rispecchia() = 0; // the model's state onto the widgets

protected:
    DialogoRegole(Regole& regole, QWidget* genitore) : QDialog(genitore), r_(regole)
    {
        impostaDialogo(this, r_.m.caption, r_.m.window);
    }

    template <typename F> void esegui(F&& f)
    {
        f();
        rispecchia();
        if (!r_.m.shown && isVisible())
            done(Accepted);
    }

    Regole& r_;
};

// A frame with its bold caption, in the element's colours.
QGroupBox* cornice(const Elemento& e, QWidget* genitore);

// The table "elenco" in the board's colours: whole rows selected, one at a time, no row numbers,
// Tab leaving it, the last column stretched. How its cells are edited is the caller's.
QTableWidget* elencoRosso(QWidget* genitore);
// Columns with their titles and widths in twips, and the number of rows.
void intesta(QTableWidget* t, const QStringList& colonne, const QList<double>& larghezze, qsizetype righe);

// The label "nota" under the table: bold, wrapped, from the top left.
QLabel* etichettaNota(const Elemento& e, QWidget* genitore);

// A bold push button in the element's colours, greyed in a dark red.
QPushButton* bottone(const Bottone& e, const QString& nome, QWidget* genitore);

// applica, and the text or the enabled state where they differ.
void applicaTesto(QLabel* l, const Elemento& e);
void applicaBottone(QPushButton* b, const Bottone& e);

// Centred on the screen and modal; returns when it is closed.
void mostraAlCentro(QDialog& d);

} // namespace lex::ui
