// The review window "Lexorio: Ripasso" as the rules see it, and its rules: the list of the last
// game or of all games, a kind word when there is nothing to show, what the list needs to be
// played, and saving it as the personal word list. The view mirrors the model after each event
// and closes once m.shown is false.
#pragma once

#include "review/ripasso.h"
#include "settings/impostazionimodel.h"
#include "shell/porte.h"

#include <array>

namespace lex {

struct RipassoModel {
    QString caption = QStringLiteral("Lexorio: Ripasso");
    Elemento window;                 // client area
    bool shown = false;
    Elemento Frame1;                 // "Vocaboli da ripassare"
    std::array<Opzione, 2> vista;    // 0 the last game, 1 all games
    Elemento elenco;                 // the table, shown when it has rows
    QStringList colonne;             // column titles
    QList<double> larghezze;         // column widths, twips
    QList<QStringList> righe;        // one text per column
    Elemento vuoto;                  // the kind word shown instead of an empty table
    Elemento nota;                   // warnings and what the list needs
    std::array<Bottone, 2> okay;     // 0 save as personal list, 1 close

    static RipassoModel progettato();
};

class FinestraRipasso {
public:
    FinestraRipasso(const Ripasso& ripasso, MessaggiBox& box, FileSistema& fs);

    RipassoModel m;

    void vista_Click(int i);
    void okay_Click(int i);       // 0 "Salva come elenco personale", 1 "Chiudi"
    bool elencoSalvato() const { return salvato_; }

    // The words of the list shown, most missed first.
    const QList<VoceRipasso>& vociMostrate() const { return voci_; }

private:
    void riempi();
    void salvaElenco();

    const Ripasso& ripasso_;
    MessaggiBox& box_;
    FileSistema& fs_;
    QList<VoceRipasso> voci_;
    bool salvato_ = false;
};

// "nemico (2), guerra": what was pressed instead, most often first.
QString testoScelte(const QList<Scelta>& scelte);

} // namespace lex
