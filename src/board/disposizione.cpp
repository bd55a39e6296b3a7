#include "board/disposizione.h"

namespace lex {

void disponitabellone(LexorioModel& m)
{
    const double W = m.window.width;
    const double H = m.window.height;
    auto& f = m.Frame1;

    f.left = (W - f.width) / 2;
    f.top = 0;
    f.height = H / 4 * 3;

    m.barrone[2].left = (W - f.width) / 4 - m.barrone[2].width / 2;
    m.barrone[1].left = 3 * m.barrone[2].left + m.barrone[2].width + f.width;
    for (int i : {1, 2}) {
        m.barrone[i].top = 0;
        m.barrone[i].height = f.height + 120 + m.Cornice.height;
        m.barrone[i].visible = true;
    }

    for (int i : {1, 2}) {
        m.fumetto[i].left = (f.width - m.fumetto[i].width) / 2;
        m.fumetto[i].top = f.top + 200;
    }
    m.fumetto[3].left = m.fumetto[1].left;
    m.fumetto[3].top = m.fumetto[1].top + m.fumetto[1].height / 2;
    m.fumetto[4].left = m.fumetto[2].left + m.fumetto[2].width / 2;
    m.fumetto[4].top = m.fumetto[3].top;

    m.battuta[1].top = m.fumetto[1].top + 120;
    m.battuta[2].top = m.fumetto[3].top + 180;

    for (int c = 0; c <= 2; ++c)
        for (int r = 0; r <= 3; ++r) {
            auto& s = m.sign[static_cast<std::size_t>(3 * r + c)];
            s.left = 100 + c * m.sign[static_cast<std::size_t>(c)].width;
            s.top = (f.height / 3 - m.sign[0].height) / 2 + 3 * r * f.height / 20;
        }

    m.Parola.width = f.width - 100;
    m.Parola.left = 50;
    const double b = m.sign[11].top + m.sign[11].height;
    m.Parola.top = b + (f.height - b) / 2 - m.Parola.height / 2;
}

void disponistriscia(LexorioModel& m, int numgiocatori)
{
    const auto& f = m.Frame1;
    m.foto2.left = f.left;
    m.Cornice.top = f.height + 45;
    m.foto2.top = m.Cornice.top + 60;
    m.foto1.top = m.foto2.top;
    m.Cornice.left = m.foto2.width + f.left + 50;
    if (numgiocatori == 1) {
        m.foto1.left = m.foto2.left;
        m.Cornice.width = f.width - m.foto1.width - 50;
        m.foto2.visible = false;
    } else if (numgiocatori == 2) {
        m.Cornice.width = f.width - m.foto2.width - 100 - m.foto2.width;
        m.foto1.left = m.Cornice.left + 50 + m.Cornice.width;
        m.foto2.visible = true;
    }
    m.foto1.visible = true;
    m.Cornice.visible = true;
}

} // namespace lex
