#include "shell/ui/gioco.h"

#include "board/ui/immagini.h"

#include <QApplication>

namespace lex::ui {

void preparaApplicazione()
{
    QApplication::setApplicationName(QStringLiteral("lexorio"));
    QApplication::setWindowIcon(iconaGioco());
    fissaCaratteri();
    QApplication::setFont(arial(9));
}

Gioco::Gioco(QStringList cartelleAudio)
    : audio_(std::move(cartelleAudio)),
      porte_{orologio_, casuale_, box_, eventi_, uscita_, misure_, file_, finestre_},
      lexorio_(porte_, audio_.canali()),
      vista_(lexorio_)
{
    box_.setGenitore(&vista_);
    finestre_.genitore = &vista_;
    finestre_.dopo = [this] { vista_.rispecchia(); };
    eventi_.ridisegnaTutto = [this] { vista_.ridisegnaSubito(); };
    // Sound comes once the start screen is on the screen; the welcome waits for it.
    vista_.dopoPrimoDisegno = [this] { audio_.carica(); };
}

void Gioco::avvia()
{
    lexorio_.avvio();
    vista_.rispecchia();
}

} // namespace lex::ui
