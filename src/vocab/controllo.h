// A teacher's check of a vocabulary file, by the game's own loading and selection rules:
// what the game would refuse, warn about or never ask.
#pragma once

#include "vocab/caricamento.h"
#include "vocab/sensi.h"

#include <QPair>
#include <functional>
#include <map>

namespace lex {

struct Resoconto {
    EsitoCaricamento caricamento;
    Vocabolario vocabolario;
    std::map<int, int> perFrequenza, perClasse; // over the playable records
    QList<int> fuoriIntervallo;                 // rows the game can never select
    QList<int> nonEntrano;                      // rows whose translation does not fit its box
    QList<int> classiSolitarie;                 // classes with a single word: no wrong candidates
    int giocabili = 0;                          // rows 1.. with a frequency 0..4 and a class 1..4
    // Playable rows of one class whose translations differ but share a sense: a warning only,
    // a teacher may want them. prima and seconda are table rows.
    QList<SensoCondiviso> sensiCondivisi;

    // The game can play it: it loads without stopping and offers at least 7 words.
    bool utilizzabile() const { return !caricamento.troppiDifettosi && giocabili >= 7; }
};

Resoconto controllaVocabolario(QByteArrayView dati, const std::function<bool(const QString&)>& entra);

} // namespace lex
