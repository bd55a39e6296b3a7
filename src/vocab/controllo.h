// A teacher's check of a vocabulary file, by the game's own loading and selection rules:
// what the game would refuse, warn about or never ask.
#pragma once

#include "vocab/caricamento.h"
#include "vocab/insidie.h"
#include "vocab/selezione.h"
#include "vocab/sensi.h"

#include <QPair>
#include <functional>
#include <map>

namespace lex {

// One choice a teacher would tick in the settings window, and the words it would select.
struct PartitaPossibile {
    QString scelta;      // "Tutte le classi", "Solo verbi", "Solo frequenza 2", ...
    int vocaboli = 0;    // with "Escludi simili" off
    int senzaSimili = 0; // with it on
};

struct Resoconto {
    Resoconto() = default;
    explicit Resoconto(Vocabolario tabella) : vocabolario(std::move(tabella)) {}

    EsitoCaricamento caricamento;
    Vocabolario vocabolario;
    qsizetype byte = 0;                         // size of the file
    bool sembraUtf16 = false;                   // saved as UTF-16, which the game cannot read
    bool utf8Difettoso = false;                 // marked as UTF-8 but not valid UTF-8
    std::map<int, int> perFrequenza, perClasse; // over the playable records
    QList<int> fuoriIntervallo;                 // rows the game can never select
    QList<int> nonEntrano;                      // rows whose translation does not fit its box
    QList<int> classiSolitarie;                 // classes with a single word: no wrong candidates
    QList<int> classiPiccole;                   // classes with fewer words than boxes: repeated candidates
    Insidie insidie;                            // what the game does that the file does not show
    QList<PartitaPossibile> partite;            // every class and every frequency present, alone
    int giocabili = 0;                          // rows 1.. with a frequency 0..4 and a class 1..4
    // Playable rows of one class whose translations differ but share a sense: information only,
    // the board never offers one as a wrong answer to the other. prima and seconda are table rows.
    QList<SensoCondiviso> sensiCondivisi;

    // The game can play it: it loads without stopping and offers at least 7 words.
    bool utilizzabile() const { return !caricamento.troppiDifettosi && giocabili >= kParoleMinime; }
};

// tabella: the table to load into; one handed back from an earlier Resoconto saves building
// 1801 empty rows again (it matters to the fuzzer, which checks thousands of files a second).
Resoconto controllaVocabolario(QByteArrayView dati, const std::function<bool(const QString&)>& entra,
                               Vocabolario tabella = {});

// What lexorio-controlla prints about the file called nome.
QString testoResoconto(const Resoconto& r, const QString& nome);

} // namespace lex
