// The words of a Latin passage as a personal word list: each lemma once, with the house's
// headword and translation when it is among the 1600 words of vocaboli.txt, else with a
// headword built from the lexicon and the lexicon's Italian gloss as a suggestion to check.
#pragma once

#include "testo/lemmatizzatore.h"
#include "vocab/codifica.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lex::testo {

// A text file's bytes as text, in the encoding the vocabulary loader would recognise.
struct TestoLetto {
    QString testo;
    QString errore; // in Italian, when the bytes are no text the tool reads
    Codifica codifica = Codifica::Ascii;
};
inline constexpr qsizetype kTestoMassimo = 4 * 1024 * 1024;
TestoLetto leggiTesto(QByteArrayView dati);

// The 1600 words of the shipped vocabulary, found by lexicon key.
struct VoceCasa {
    int banda = 0; // 1-4
    int classe = 0;
    QString parola;
    QString traduzione;
};
class Casa {
public:
    // tools/vocab/lemmi.tsv and fusioni.tsv and vocaboli.txt, as compiled in.
    bool caricaIncorporata();
    void carica(QByteArrayView lemmi, QByteArrayView fusioni, QByteArrayView vocaboli);
    const VoceCasa* trova(const Lemma& l) const;
    std::size_t size() const { return voci_.size(); }

private:
    std::map<std::string, VoceCasa> voci_;       // key, homograph number kept
    std::map<std::string, std::string> fusioni_; // variant key -> key
};

// Collatinus's Italian glosses (lemmes.it): machine translations, often wrong; shown only as a
// suggestion marked for checking, read at run time from the installed package.
class Glosse {
public:
    bool carica(const QString& cartella);
    QString glossa(const Lemma& l) const; // shortened to fit an answer box; empty when none
private:
    std::map<std::string, QString> glosse_;
};

struct VoceTesto {
    std::uint32_t lemma = 0;
    std::vector<std::uint32_t> alternative; // other readings of its forms
    int occorrenze = 0;
    int classe = 0;
    int banda = 0; // 0: not among the 1600
    QString parola;
    QString traduzione;
    bool daControllare = false; // translation suggested by the lexicon
    bool tenuta = true;
};

struct ElencoTesto {
    int parole = 0;        // words of the text (not numbers or punctuation)
    std::vector<VoceTesto> voci; // first occurrence order
    QStringList sconosciute;     // forms without a reading, each once
    QStringList nomiPropri;      // left out of the list
    int perBanda(int banda) const;
    int paroleNelleMille() const; // occurrences of the lemmas among the 1600
};

// Headword, translation, class and band of the lemma, as the list shows it.
void assegnaLemma(VoceTesto& v, std::uint32_t lemma, const Lessico& lessico, const Casa& casa, const Glosse* glosse);

// The list grown one word at a time, as the lemmatiser hands them over.
class RaccoltaElenco {
public:
    RaccoltaElenco(const Lessico& lessico, const Casa& casa, const Glosse* glosse)
        : lessico_(lessico), casa_(casa), glosse_(glosse) {}
    void aggiungi(const Parola& p);
    const ElencoTesto& elenco() const { return e_; }

private:
    const Lessico& lessico_;
    const Casa& casa_;
    const Glosse* glosse_;
    ElencoTesto e_;
    std::map<std::uint32_t, std::size_t> dove_;
    std::set<QString> visti_; // unknown forms and proper names already listed
};

ElencoTesto elencoDaTesto(const std::vector<Parola>& parole, const Lessico& lessico, const Casa& casa,
                          const Glosse* glosse);

// The headword in the house's style, built from the lexicon (amo, -as, -are; rosa, -ae, f.).
QString formaCasa(const Lemma& l);
// At most 24 characters, cut at a word's end.
QString accorcia(const QString& traduzione);

// vocpers.txt: comment lines, the title record, "0;class;word;translation" for each kept word,
// each suggested translation preceded by a comment that says to check it. Windows-1252, CR LF.
QByteArray testoElenco(const ElencoTesto& e, const QString& titolo);
// How many words of such a list a game's set-up picks (every class, "Escludi simili" ticked, as
// the settings window starts), counted with the game's own loader and selection.
int vocaboliGiocabili(QByteArrayView elenco);
// The summary printed on standard error and shown by the window.
QString riassunto(const ElencoTesto& e);

} // namespace lex::testo
