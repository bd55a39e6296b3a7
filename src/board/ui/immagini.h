// The game's pictures: vector sources compiled in, rendered once per size and screen scale and shared.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace lex::ui {

// The picture with the given id (":/assets/pictures/<id>.svg") stretched to a logical size,
// rendered at the device pixel ratio so it stays crisp. A null pixmap when there is no such picture.
QPixmap immagine(const QString& id, QSize logica, qreal dpr);

// The game's icon, drawn once at a few sizes: a window manager takes what it needs from those,
// where an icon kept as vector would be drawn again at every size for every window.
QIcon iconaGioco();

// The picture's own designed size in pixels; an invalid size when there is no such picture.
QSize dimensioniProgettate(const QString& id);

} // namespace lex::ui
