// Presentation model: the state of one window element that the rules read or write.
// Geometry is in twips (1/1440 inch, 15 per logical pixel) and may be fractional;
// views round only when they hand a value to a widget.
#pragma once

#include <QString>

namespace lex {

struct Colore {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Colore&, const Colore&) = default;
};

namespace colori {
inline constexpr Colore arancio{255, 128, 0};
inline constexpr Colore giallo{255, 255, 0};
inline constexpr Colore rossoScuro{64, 0, 0};
inline constexpr Colore rosso{255, 0, 0};
inline constexpr Colore rossoChiaro{255, 128, 128};
inline constexpr Colore blu{0, 0, 255};
inline constexpr Colore bianco{255, 255, 255};
inline constexpr Colore nero{0, 0, 0};
inline constexpr Colore grigio{128, 128, 128};
inline constexpr Colore gialloChiaro{255, 255, 192};
// Not a colour of its own but the platform's button face: the views paint the style's
// button colour wherever an element carries this mark.
inline constexpr Colore buttonFace{-1, -1, -1};
} // namespace colori

// The mouse pointer over an element.
enum class Puntatore { Predefinito, Mano };

struct Elemento {
    double left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    QString text;          // caption
    double fontSize = 0;   // points; 0 leaves the view's designed size
    Colore fore = colori::nero;
    Colore back = colori::buttonFace;
    QString picture;       // id of a shared picture ("Imr6", "foto3", ...); empty shows none
    QString tag;
    QString tooltip;
    Puntatore puntatore = Puntatore::Predefinito;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// A command button: the user may press it unless it is greyed.
struct Bottone : Elemento {
    bool enabled = true;
};

// An element at its designed place, in twips.
template <typename E = Elemento>
E collocato(double left, double top, double width, double height, bool visible = true)
{
    E e;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    e.visible = visible;
    return e;
}

// An element of a red dialog (the settings window, the review, the text window): the window's
// red behind it, 8.25 points unless told otherwise.
template <typename E = Elemento>
E inRosso(double left, double top, double width, double height, const char* testo = "", double punti = 8.25)
{
    E e = collocato<E>(left, top, width, height);
    e.text = QString::fromUtf8(testo);
    e.fontSize = punti;
    e.back = colori::rosso;
    return e;
}

struct Timer {
    int interval = 1000; // ms
    bool enabled = false;
};

} // namespace lex
