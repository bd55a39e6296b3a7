// What a list does in the game that its author cannot guess from the file: the checker finds
// these and says, line by line, what the game will do with them and how to mend them.
#pragma once

#include "vocab/caricamento.h"

#include <QList>
#include <QString>

#include <map>

namespace lex {

struct Insidie {
    // File lines with a tab and too few ";" to be a record: fields separated by tabs, as a
    // spreadsheet exports them.
    QList<int> tabulate;
    // With a file read as Windows-1252 (or as UTF-8 with bad bytes), the lines with accents, by
    // the encoding they are valid in. Both non-empty: the file mixes the two.
    QList<int> righeUtf8, righeWindows;
    // A word of such a line as it should read and as the game shows it.
    int rigaEsempio = 0;
    QString esempioGiusto, esempioStorpiato;
    // Playable table rows whose class text is not the bare digit: the candidates compare it as
    // text, so " 3" is a class of its own. perTestoClasse counts playable rows by that text.
    QList<int> classeNonPulita;
    std::map<QString, int> perTestoClasse;
    QList<int> frequenzaConSpazi; // playable rows: harmless, but worth tidying
    bool titoloSembraVocabolo = false; // row 0 would be playable if it were not row 0
};

// dati is the whole file as caricaVocaboli read it into v (with its outcome e).
Insidie cercaInsidie(QByteArrayView dati, const EsitoCaricamento& e, const Vocabolario& v);

// "riga 4", "righe 4, 7 e 9", "righe 4, 7, 9, ... e altre 31": line numbers for a message.
QString elencoRighe(const QList<int>& righe);

// The messages about the encoding, the tabs, the class fields and the title; empty when there is
// nothing to say.
QString testoCodificaMista(const Insidie& i, Codifica c);
QString testoTabulazioni(const Insidie& i);
QString testoClassi(const Insidie& i, const EsitoCaricamento& e, const Vocabolario& v);
QString testoTitolo(const Insidie& i, const EsitoCaricamento& e, const Vocabolario& v);
// A class with fewer words than boxes: 1 leaves the other boxes empty, more repeat the same wrong ones.
QString testoClassePiccola(int classe, int vocaboli);

} // namespace lex
