// The main window "Lexorio !" as the rules see it: every element they read or write.
// Elements inside Frame1 (Parola, sign, fumetto, battuta) are placed relative to Frame1,
// those inside Cornice (Labverbi, Lab) relative to Cornice, the rest relative to the window.
#pragma once

#include "shell/elementi.h"

#include <array>

namespace lex {

struct LexorioModel {
    QString caption = QStringLiteral("Lexorio !");
    Elemento window;                 // left/top: the whole window's corner on screen; width/height: the inner area
    bool windowShown = false;

    Elemento Parola;
    std::array<Elemento, 12> sign;
    Elemento Label1, Label2, Labverbi;
    std::array<Elemento, 3> Lab;     // 1 clock, 2 penalties
    std::array<Elemento, 3> punti;   // 1 right player, 2 left player
    Elemento foto1, foto2;
    std::array<Elemento, 8> Imr, Iml;
    std::array<Elemento, 5> fumetto;
    std::array<Elemento, 3> battuta;
    std::array<Elemento, 3> figura, barra, barrone, colonna, base;
    Elemento arapacis, Cornice, Frame1;
    Timer Timer1;

    // The window as designed, before any rule ran.
    static LexorioModel progettato();
};

} // namespace lex
