// The game tick: the clock, the players' figures and the highlight that walks the boxes.
#include "play/tempo.h"
#include "shell/lexorio.h"

namespace lex {

namespace {
bool mostraInvito(const Elemento& parola) { return parola.text.left(8) == QLatin1String("Un tasto"); }
} // namespace

void Lexorio::tickGioco()
{
    // Keys queued before this tick are judged against the box that was lit when they were pressed.
    porte.eventi.eseguiPendenti();
    if (s.turnoaperto == 0)
        return;

    if (!s.finita) {
        const double giocato = differenza(porte.orologio.adesso(), s.orainizio) - static_cast<double>(s.tempoescluso);
        m.Lab[1].text = QStringLiteral("Tempo: ") + comeOrario(giocato);
    }

    const auto n = static_cast<std::size_t>(s.numcaselle);
    if (n == 0)
        return;
    m.sign[static_cast<std::size_t>(s.evidenziata) % n].back = colori::buttonFace;

    s.fotogramma = (s.fotogramma + 1) % 5;
    const auto f = static_cast<std::size_t>(s.fotogramma);
    if (!s.bloccato[1])
        m.figura[1].picture = m.Imr[f].picture;
    if (s.numgiocatori == 2 && !s.bloccato[2])
        m.figura[2].picture = m.Iml[f].picture;

    if (s.finita) {
        animazionefinale();
        return;
    }
    if (mostraInvito(m.Parola))
        return;

    // One round at most: with every box hidden (a set-up cancelled during the closing
    // animation) nothing is lit.
    for (int giro = 0; giro < s.numcaselle; ++giro) {
        s.evidenziata = (s.evidenziata + 1) % s.numcaselle;
        auto& casella = m.sign[static_cast<std::size_t>(s.evidenziata)];
        if (casella.visible) {
            casella.back = m.Parola.fore;
            return;
        }
    }
}

void Lexorio::tasto(int codice)
{
    if (codice == 27) {
        esci();
        return;
    }
    if (mostraInvito(m.Parola)) {
        impostapartita();
        return;
    }
    if (s.finita || s.turnoaperto == 0)
        return;
    if (s.numgiocatori == 1) {
        if (codice == 13 || codice == 32)
            giudica(1);
    } else if (s.numgiocatori == 2) {
        if (codice == '0')
            giudica(1);
        else if (codice == '1')
            giudica(2);
    }
}

void Lexorio::clickParola()
{
    impostapartita();
}

} // namespace lex
