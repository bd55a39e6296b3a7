// The settings window "Lexorio: Impostazioni nuova partita" as the rules see it.
// Positions in twips, relative to the element's container as the window is designed.
#pragma once

#include "shell/elementi.h"

#include <QStringList>
#include <array>

namespace lex {

struct Casella : Elemento {
    int value = 0; // 0 clear, 1 ticked, 2 greyed
    bool ticked() const { return value != 0; }
};

struct Opzione : Elemento {
    bool selected = false;
};

struct BarraScorrimento : Elemento {
    int value = 3, min = 1, max = 5;
};

struct Lista : Elemento {
    QStringList rows;
    int selected = -1; // row index, -1 none
};

struct ImpostazioniModel {
    QString caption = QStringLiteral("Lexorio: Impostazioni nuova partita");
    Elemento window;        // left/top: the whole window's corner; client 6915 x 4710
    bool shown = false;     // shown (modally) and not yet hidden by O.K./Uscita

    Elemento Frame1, Frame2, Frame3;
    Casella suoni, musica, similino;
    Casella primaRipasso; // the scheduled review: shown only when the game keeps a learning record
    std::array<Casella, 5> Chclassi;  // 1..4
    std::array<Casella, 5> Chfreq;    // 0 personal list, 1..4 frequency classes
    Elemento velocita;                // the "&Velocità: " label
    BarraScorrimento velox;
    std::array<Opzione, 3> Giocatori; // 1..2
    Lista quverbi;
    std::array<Elemento, 3> okay;     // 0 O.K., 1 Uscita, 2 Salva
    std::array<Elemento, 5> Picture1; // 1,2 photos, 3,4 balloons
    std::array<Elemento, 3> battuta;  // 1,2 balloon lines
    std::array<Elemento, 3> nomefoto; // 0 hint, 1,2 names
    std::array<Elemento, 7> foto;     // 1..6 the characters' photos, never shown

    // The window as designed, before any rule ran.
    static ImpostazioniModel progettato();
};

} // namespace lex
