// What the main window's rules tell whoever keeps a record of the answers (the review of
// missed words, the learning record). One call per event; nothing answers back, so the game
// goes on exactly as it would with nobody listening.
#pragma once

#include <QString>

#include <initializer_list>
#include <vector>

namespace lex {

class OsservatorePartita {
public:
    virtual ~OsservatorePartita() = default;
    // A confirmed set-up opened a game; names of player 1 (right) and player 2 (left).
    virtual void partitaIniziata(int giocatori, const QString& nome1, const QString& nome2) = 0;
    // A word was drawn and its boxes filled; frequenza is its frequency field, as in the vocabulary.
    virtual void parolaChiesta(const QString& parola, const QString& traduzione, const QString& categoria,
                               const QString& frequenza) = 0;
    // A player's key was judged against the lit box; scelta is that box's text.
    virtual void rispostaGiudicata(int giocatore, const QString& scelta, bool esatta) = 0;
    // The game reached its end (the balloons).
    virtual void partitaFinita() = 0;
    // The program ends (the window closed, the quit confirmed): a game left unfinished counts as
    // far as it went, as it does when the next game begins.
    virtual void programmaFinito() {}
    // Asked once when the restart prompt appears: why a game's record could not be written
    // since last asked (the system's reason), or nothing.
    virtual QString mancataRegistrazione() { return {}; }
};

// Several listeners behind the one hook, told in the order given.
class OsservatoriPartita : public OsservatorePartita {
public:
    OsservatoriPartita(std::initializer_list<OsservatorePartita*> tutti) : tutti_(tutti) {}
    void partitaIniziata(int giocatori, const QString& nome1, const QString& nome2) override
    {
        for (auto* o : tutti_)
            o->partitaIniziata(giocatori, nome1, nome2);
    }
    void parolaChiesta(const QString& parola, const QString& traduzione, const QString& categoria,
                       const QString& frequenza) override
    {
        for (auto* o : tutti_)
            o->parolaChiesta(parola, traduzione, categoria, frequenza);
    }
    void rispostaGiudicata(int giocatore, const QString& scelta, bool esatta) override
    {
        for (auto* o : tutti_)
            o->rispostaGiudicata(giocatore, scelta, esatta);
    }
    void partitaFinita() override
    {
        for (auto* o : tutti_)
            o->partitaFinita();
    }
    void programmaFinito() override
    {
        for (auto* o : tutti_)
            o->programmaFinito();
    }
    QString mancataRegistrazione() override
    {
        // Every one is asked, so each tells its failure once; the first reason stands for all.
        QString motivo;
        for (auto* o : tutti_)
            if (const QString m = o->mancataRegistrazione(); motivo.isEmpty())
                motivo = m;
        return motivo;
    }

private:
    std::vector<OsservatorePartita*> tutti_;
};

} // namespace lex
