// The end of a game: balloons with the characters' lines, the loser's poses and falling
// head, and the quick closing ticks that end on the restart prompt.
#include "play/tempo.h"
#include "settings/personaggi.h"
#include "shell/lexorio.h"

namespace lex {

void Lexorio::finepartita()
{
    if (osservatore)
        osservatore->partitaFinita();
    m.Parola.text.clear();
    s.finita = -1;
    suona(QStringLiteral("Vittoria"));
    m.sign[static_cast<std::size_t>(s.evidenziata)].visible = false;

    if (s.numgiocatori == 1) {
        m.battuta[1].left = m.fumetto[2].left + 120;
        m.battuta[1].text = personaggio(s.personaggio[1]).battute[1];
        m.fumetto[2].visible = true;
        m.battuta[1].visible = true;
        // The hidden left head only times the wait for the prompt: start it where a falling
        // head starts, so every one-player game waits the same.
        m.Iml[7].top = m.figura[2].top + 105;
    }
    auto sconfitta = [this](std::array<Elemento, 8>& perdente, std::size_t p,
                            int fumettoVittoria, int fumettoSconfitta, double scartoTesta) {
        m.figura[p].picture = perdente[6].picture;
        m.battuta[1].text = personaggio(s.personaggio[3 - p]).battute[1];
        m.battuta[1].left = m.fumetto[static_cast<std::size_t>(fumettoVittoria)].left + 120;
        m.battuta[2].text = personaggio(s.personaggio[p]).battute[2];
        m.battuta[2].left = m.fumetto[static_cast<std::size_t>(fumettoSconfitta)].left + 150;
        m.fumetto[static_cast<std::size_t>(fumettoVittoria)].visible = true;
        m.fumetto[static_cast<std::size_t>(fumettoSconfitta)].visible = true;
        m.battuta[1].visible = m.battuta[2].visible = true;
        perdente[7].left = m.figura[p].left + scartoTesta;
        perdente[7].top = m.figura[p].top + 105;
        perdente[7].visible = true; // the view keeps the falling heads above everything
    };
    if (s.bloccato[1])
        sconfitta(m.Imr, 1, 1, 4, 0);
    if (s.bloccato[2])
        sconfitta(m.Iml, 2, 2, 3, 135);

    m.Timer1.interval = 50;
    attendiOltreUnSecondo(porte.orologio, porte.eventi);
    m.Label1.text.clear();
}

void Lexorio::animazionefinale()
{
    // For the winner's side the opponent's head falls; in one-player mode the hidden left
    // head only measures the pause before the prompt.
    auto lato = [this](Elemento& figuraPerdente, std::array<Elemento, 8>& perdente, const Elemento& cornice) {
        if (figuraPerdente.picture == perdente[6].picture)
            figuraPerdente.picture = perdente[5].picture;
        if (perdente[7].top < cornice.height) {
            perdente[7].top += 90;
        } else if (m.Parola.text.isEmpty()) {
            m.Parola.fontSize = 13;
            m.Parola.text = QStringLiteral("Un tasto per ripartire");
        }
    };
    if (!s.bloccato[1])
        lato(m.figura[2], m.Iml, m.barrone[2]);
    if (s.numgiocatori == 2 && !s.bloccato[2])
        lato(m.figura[1], m.Imr, m.barrone[1]);
}

} // namespace lex
