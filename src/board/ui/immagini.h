// The game's pictures: vector sources compiled in, rendered once per size and screen scale and shared.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <cstddef>

namespace lex::ui {

// The picture with the given id (":/assets/pictures/<id>.svg") stretched to a logical size,
// rendered at the device pixel ratio so it stays crisp. A null pixmap when there is no such picture.
QPixmap immagine(const QString& id, QSize logica, qreal dpr);
// The same drawn from the vectors now, neither kept nor taken ready-made.
QPixmap disegnaImmagine(const QString& id, QSize logica, qreal dpr);

// A picture drawn when the program was built (src/board/pronte): the start screen's pictures
// at the sizes it shows them, for screens at 1× and 2×, as 32-bit pixels (premultiplied ARGB,
// or RGB with the alpha byte at 255 for an opaque picture) of larghezza × dpr by altezza × dpr.
// immagine() takes these instead of drawing the vectors.
struct ImmaginePronta {
    const char* id;
    int larghezza, altezza, dpr; // logical size and ratio
    int pixelLarghi, pixelAlti;
    bool opaca;
    const unsigned char* pixel;
};
// Called by the generated table as the program starts; the table must outlive the program.
void registraImmaginiPronte(const ImmaginePronta* tabella, std::size_t quante);
// Whether a picture is ready-made for that logical size and ratio.
bool immaginePronta(const QString& id, QSize logica, qreal dpr);

// The game's icon, drawn once at a few sizes: a window manager takes what it needs from those,
// where an icon kept as vector would be drawn again at every size for every window.
QIcon iconaGioco();
inline constexpr int kLatiIcona[] = {16, 32, 48, 64};

// The picture's own designed size in pixels; an invalid size when there is no such picture.
QSize dimensioniProgettate(const QString& id);

} // namespace lex::ui
