// The settings window and the game: the choices handed over on O.K., and an earlier game's
// choices shown again.
#include "settings/impostazioni.h"

namespace lex {

bool Impostazioni::confermata() const
{
    return confermata_;
}

Consegna Impostazioni::consegna() const
{
    Consegna c;
    c.scelte = record();
    c.battute = {m.battuta[1].text, m.battuta[2].text};
    c.sceltaCambiata = sceltaCambiata_;
    return c;
}

void Impostazioni::precompila(const ImpostazioniPartita& r, int quante)
{
    // Selecting by code has the effect of a click: player 2's corner follows it.
    Giocatori_Click(r.giocatori == 1 ? 1 : 2);
    m.musica.value = r.musica;
    m.suoni.value = r.suoni;
    m.similino.value = r.confronta;
    velox_Change(r.velocita);
    if (r.personale) {
        m.Frame3.visible = false;
        m.Chfreq[0].value = 1;
    }
    for (std::size_t i = 1; i <= 4; ++i)
        m.Chclassi[i].value = r.classi[i] ? 1 : 0;
    for (std::size_t i = 1; i <= 4; ++i)
        m.Chfreq[i].value = r.frequenze[i] ? 1 : 0;
    quanteVolute_ = quante;
}

} // namespace lex
