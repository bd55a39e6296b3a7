// The window "Lexorio: Vocaboli da un testo" as the rules see it: a Latin passage pasted or read
// from a file, the table of its lemmas (headword, translation that may be edited, class, band or
// "fuori elenco", occurrences), another reading chosen for an ambiguous word, a box per word to
// leave out the words the class knows, the coverage line, and saving the kept words as the
// personal list as the review does. The lexicon is loaded at the first analysis, never before.
#pragma once

#include "dati/filesistema.h"
#include "shell/elementi.h"
#include "shell/porte.h"
#include "testo/elencotesto.h"

#include <array>
#include <memory>

namespace lex {

struct TestoModel {
    QString caption = QStringLiteral("Lexorio: Vocaboli da un testo");
    Elemento window;
    bool shown = false;
    Elemento Frame1;              // "Testo latino"
    Elemento testo;               // the passage, editable
    std::array<Bottone, 2> comandi; // 0 "&Apri file…", 1 "&Analizza"
    Elemento Frame2;              // "Lemmi del testo"
    Elemento elenco;              // the table
    QStringList colonne;
    QList<double> larghezze;
    QList<QStringList> righe;     // headword, translation, class, band, occurrences, other readings
    QList<bool> tenute;           // the box of each row
    Elemento copertura;           // "312 parole, 141 lemmi: l'84% delle parole è fra i 1600 vocaboli"
    Elemento nota;                // what needs checking, forms not recognised, a missing lexicon
    std::array<Bottone, 3> okay;  // 0 "Cambia &lemma", 1 "&Salva come elenco personale", 2 "&Chiudi (esc)"

    static TestoModel progettato();
};

class FinestraTesto {
public:
    // cartella: where the Collatinus data is (Lessico::cartellaPredefinita() in the game).
    FinestraTesto(MessaggiBox& box, FileSistema& fs, QString cartella);
    ~FinestraTesto();

    TestoModel m;

    void testo_Change(const QString& testo);
    void apri(const QString& percorso); // "&Apri file…", once the view has asked which file
    void analizza_Click();
    void tenuta_Click(int riga, bool tenuta);
    void traduzione_Change(int riga, const QString& traduzione);
    void cambia_Click(int riga); // the next reading of that row's words
    void okay_Click(int i, int riga = -1);
    bool elencoSalvato() const { return salvato_; }

private:
    struct Dati;
    bool prepara();
    void mostraElenco();
    void salvaElenco();

    MessaggiBox& box_;
    FileSistema& fs_;
    QString cartella_;
    std::unique_ptr<Dati> dati_;
    testo::ElencoTesto elenco_;
    bool salvato_ = false;
};

} // namespace lex
