// What the main window's rules tell whoever keeps a record of the answers (the review of
// missed words). One call per event; nothing answers back, so the game goes on exactly as
// it would with nobody listening.
#pragma once

#include <QString>

namespace lex {

class OsservatorePartita {
public:
    virtual ~OsservatorePartita() = default;
    // A confirmed set-up opened a game; names of player 1 (right) and player 2 (left).
    virtual void partitaIniziata(int giocatori, const QString& nome1, const QString& nome2) = 0;
    // A word was drawn and its boxes filled.
    virtual void parolaChiesta(const QString& parola, const QString& traduzione, const QString& categoria) = 0;
    // A player's key was judged against the lit box; scelta is that box's text.
    virtual void rispostaGiudicata(int giocatore, const QString& scelta, bool esatta) = 0;
    // The game reached its end (the balloons).
    virtual void partitaFinita() = 0;
};

} // namespace lex
