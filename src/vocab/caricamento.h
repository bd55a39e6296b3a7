// Reading a vocabulary file into the table, without any window: the rules of the
// file format and the faulty-record report. The main window turns the outcome into messages.
#pragma once

#include "vocab/codifica.h"
#include "vocab/vocabolario.h"

#include <QByteArray>
#include <QList>

namespace lex {

inline constexpr int kLimiteRapporto = 400; // characters of faulty lines (CR LF included) that are tolerated

struct EsitoCaricamento {
    int caricati = 0;            // records stored from row 0
    int oltreLimite = 0;         // records past row 1800, not stored
    bool troppiDifettosi = false; // the report passed the limit: reading stopped there
    QString rapporto;            // faulty lines, each followed by CR LF
    QList<int> righeDifettose;   // their 1-based line numbers in the file
    QList<int> righeRecord;      // the line number of each stored record
    Codifica codifica = Codifica::Ascii; // how the file's bytes were read
};

// Splits a line into the four fields; false when it holds fewer than three ";".
bool dividiRecord(const QString& riga, Voce& voce);

// Windows-1252 as the game has always read it, or UTF-8 when the file is plainly UTF-8
// (see riconosciCodifica); the byte-order mark is not part of the first line.
EsitoCaricamento caricaVocaboli(QByteArrayView dati, Vocabolario& v);

// The report as it may be shown in a message box: very long lines shortened and
// control characters made visible, so that a binary file cannot flood the box.
QString rapportoVisibile(const QString& rapporto);

} // namespace lex
