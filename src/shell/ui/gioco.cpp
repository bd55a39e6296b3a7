#include "shell/ui/gioco.h"

#include "board/ui/immagini.h"

#include <QApplication>
#include <fontconfig/fontconfig.h>

namespace lex::ui {

void preparaApplicazione()
{
    QApplication::setApplicationName(QStringLiteral("lexorio"));
    // The menus stay on the window as designed: no global menu bar, and no query to the session
    // bus for one before the window shows.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    fissaCaratteri();
    QApplication::setFont(arial(9));
}

CaratteriInAnticipo::CaratteriInAnticipo() : lavoro_([] { FcInit(); }) {}

void CaratteriInAnticipo::attendi()
{
    if (lavoro_.joinable())
        lavoro_.join();
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
    // Sound comes once the start screen is on the screen (the welcome waits for it), and the
    // icon, which the first picture does not need.
    vista_.dopoPrimoDisegno = [this] {
        audio_.carica();
        QApplication::setWindowIcon(iconaGioco());
    };
}

void Gioco::avvia()
{
    lexorio_.avvio();
    vista_.rispecchia();
}

} // namespace lex::ui
