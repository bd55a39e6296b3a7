// The players' columns back at the bottom of their frames at each new game.
#include "shell/lexorio.h"

namespace lex {

void Lexorio::preparatabellone()
{
    for (std::size_t i = 1; i <= 2; ++i) {
        m.punti[i].text = QStringLiteral("0");
        s.bloccato[i] = 0;
        s.punteggio[i] = 0;

        auto& barrone = m.barrone[i];
        auto& barra = m.barra[i];
        auto& figura = m.figura[i];
        auto& colonna = m.colonna[i];
        barra.left = barrone.left + (barrone.width - barra.width) / 2;
        barra.height = s.altezzabarra - 30;
        barra.top = barrone.top + barrone.height - s.altezzabarra;
        figura.left = barra.left + (barra.width - figura.width) / 2;
        figura.top = barra.top + 15;
        colonna.left = figura.left;
        colonna.height = 495;
        colonna.top = figura.top + figura.height;
        m.base[i].left = figura.left;
        m.base[i].top = colonna.top + colonna.height;
        m.punti[i].left = barrone.left + (barrone.width - m.punti[i].width) / 2;
        m.punti[i].top = colonna.top + 60;
    }

    m.Parola.puntatore = Puntatore::Predefinito;

    auto mostra = [this](std::size_t i, bool si) {
        m.barra[i].visible = m.figura[i].visible = m.colonna[i].visible = m.base[i].visible = si;
    };
    if (s.numgiocatori == 1) {
        for (std::size_t i = 1; i <= 2; ++i) {
            m.punti[i].visible = false;
            m.Lab[i].visible = true;
        }
        mostra(1, true);
        mostra(2, false);
    } else if (s.numgiocatori == 2) {
        m.Lab[2].visible = false;
        for (std::size_t i = 1; i <= 2; ++i) {
            m.punti[i].visible = true;
            mostra(i, true);
        }
    }

    // Player 1's frame serves for both: the room the bar has to rise.
    const double d = m.barrone[1].height - m.barra[1].height;
    if (s.totalevocaboli <= 0)
        return;
    s.passo = s.numgiocatori == 1 ? d / s.totalevocaboli : d / (s.totalevocaboli / 2 + 1);
}

} // namespace lex
