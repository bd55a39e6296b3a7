// What the progress window shows for one character, made from the record and the coverage
// table: the chart's title and lines, and the coverage lines.
#pragma once

#include "progressi/copertura.h"
#include "progressi/registro.h"

#include <optional>

namespace lex {

struct RiepilogoProgressi {
    QString titolo;                 // "Cicero: 12 vocaboli noti su 40"
    QList<QDate> giorni;            // the days played, ascending
    QStringList fasce;              // the bands' names, 0 to 4
    QList<QList<int>> note;         // per band, known words on each day
    QStringList copertura;          // "Cesare: 71% delle parole", one per author
    QStringList prossime;           // "+4% con i prossimi 50 vocaboli", beside each
};

RiepilogoProgressi riepilogo(const DatiProgressi& d, int numero, const std::optional<TabellaCopertura>& tabella);

} // namespace lex
