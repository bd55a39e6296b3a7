// The chart of known words per day, drawn with Qt Charts in a module of its own
// (liblexorio-progressi.so) that is opened the first time the progress window shows, so the
// game's start-up never loads Qt Charts.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class QWidget;

namespace lex::ui {

struct DatiGrafico {
    QString titolo;                  // the character's name and what it knows
    QList<QDate> giorni;             // ascending
    QStringList fasce;               // the bands' names
    QList<QList<int>> note;          // per band, known words on each day
};

// The module's one entry point: a new chart widget, owned by genitore.
using IngressoGrafico = QWidget* (*)(const DatiGrafico* dati, QWidget* genitore);
inline constexpr const char* kIngressoGrafico = "lexorio_grafico_progressi";

// Opens the module the first time (from the folders the sound module is looked for in) and
// makes a chart; nullptr when the module can not be opened.
QWidget* creaGrafico(const DatiGrafico& dati, QWidget* genitore);
// Where to look instead, before the first chart (the tests and benchmarks: the play directory).
void cercaGraficoIn(const QStringList& cartelle);

} // namespace lex::ui
