#include "shell/ui/gioco.h"

#include "board/ui/immagini.h"
#include "progressi/ui/progressiview.h"
#include "review/ui/ripassoview.h"
#include "testo/ui/testoview.h"

#include <QApplication>
#include <fontconfig/fontconfig.h>

namespace lex::ui {

void preparaApplicazione()
{
    QApplication::setApplicationName(QStringLiteral("lexorio"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Lexorio"));
    // The menus stay on the window as designed: no global menu bar, and no query to the session
    // bus for one before the window shows.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    fissaCaratteri();
    caricaTraduzioni(); // without them the boxes set their own Italian button texts
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
      ripasso_(file_, scrittore_),
      progressi_(file_, scrittoreProgressi_, calendario_),
      osservatori_{&ripasso_, &progressi_},
      lexorio_(porte_, audio_.canali()),
      vista_(lexorio_)
{
    // The quit ends the process on the spot: a game's record being written is finished first.
    uscita_.primaDi([this] {
        scrittore_.attendi();
        scrittoreProgressi_.attendi();
    });
    ripasso_.carica();
    progressi_.carica();
    lexorio_.osserva(&osservatori_);
    lexorio_.programma(&progressi_);
    box_.setGenitore(&vista_);
    finestre_.genitore = &vista_;
    finestre_.dopo = [this] { vista_.rispecchia(); };
    finestre_.ripasso = [this] { return mostraRipassoModale(ripasso_, box_, file_, &vista_); };
    // First the character of the right (or only) player.
    finestre_.progressi = [this] {
        mostraProgressiModale(progressi_, file_, lexorio_.partita().giocatore(1).personaggio, &vista_);
    };
    finestre_.testo = [this] { return mostraTestoModale(box_, file_, &vista_); };
    eventi_.ridisegnaTutto = [this] { vista_.ridisegnaSubito(); };
    eventi_.rispecchiaTutto = [this] { vista_.rispecchia(); };
    misure_.finestra = &vista_;
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
