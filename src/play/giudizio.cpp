// Judging a key, a correct answer's one-second show, and opening the next word.
#include "play/tempo.h"
#include "shell/lexorio.h"

namespace lex {

void Lexorio::giudica(int p)
{
    const int h = s.evidenziata;
    auto& lit = m.sign[static_cast<std::size_t>(h)];
    // Texts, not box numbers: a wrong candidate equal to the translation is right too.
    const bool esatta = lit.text == m.sign[static_cast<std::size_t>(s.casellaesatta)].text;
    // Told only of keys that are judged: a blocked player's key (two players) does nothing at all.
    if (osservatore && (s.numgiocatori == 1 || !s.bloccato[static_cast<std::size_t>(p)]))
        osservatore->rispostaGiudicata(p, lit.text, esatta);

    if (s.numgiocatori == 1) {
        if (esatta) {
            s.turnoaperto = 0;
            s.vocabolifatti += 1;
            mostrapunti();
            rispostaesatta(1);
            if (s.vocabolifatti >= s.totalevocaboli) {
                finepartita();
                s.turnoaperto = 1;
            } else {
                prossimaparola();
            }
        } else {
            s.penalita += 1;
            mostrapunti();
            suona(QStringLiteral("Wrong"));
            // Hidden but still lit until the next tick: a second key on it is judged again.
            lit.visible = false;
        }
        return;
    }

    if (s.bloccato[static_cast<std::size_t>(p)])
        return;
    if (esatta) {
        s.turnoaperto = 0;
        rispostaesatta(p);
        s.vocabolifatti += 1;
        s.punteggio[static_cast<std::size_t>(p)] += 1;
        mostrapunti();
        if (s.punteggio[static_cast<std::size_t>(p)] > s.totalevocaboli / 2) {
            s.bloccato[static_cast<std::size_t>(3 - p)] = 1; // the loser
            finepartita();
            s.turnoaperto = 1;
        } else {
            s.bloccato[1] = s.bloccato[2] = 0;
            m.Label1.text = s.istruzioni[2];
            m.Label1.fore = colori::nero;
            prossimaparola();
        }
    } else {
        suona(QStringLiteral("Wrong"));
        lit.visible = false;
        // Only the player who erred last is blocked.
        s.bloccato[1] = s.bloccato[2] = 0;
        s.bloccato[static_cast<std::size_t>(p)] = 1;
        m.figura[static_cast<std::size_t>(p)].picture = (p == 1 ? m.Imr : m.Iml)[6].picture;
        m.Label1.text = s.istruzioni[static_cast<std::size_t>(p + 2)];
        m.Label1.fore = colori::bianco;
    }
}

void Lexorio::rispostaesatta(int p)
{
    const auto i = static_cast<std::size_t>(p);
    suona(QStringLiteral("Right"));
    m.Frame1.back = m.Parola.back = m.barra[i].back;
    for (int k = 0; k < s.numcaselle; ++k)
        if (k != s.evidenziata)
            m.sign[static_cast<std::size_t>(k)].visible = false;
    m.barra[i].top -= s.passo;
    m.barra[i].height += s.passo;
    m.figura[i].top = m.barra[i].top + 100;
    m.colonna[i].top -= s.passo + 1;
    m.colonna[i].height += s.passo + 10;
    attendiOltreUnSecondo(porte.orologio, porte.eventi);
    m.Frame1.back = m.Parola.back = colori::rossoScuro;
}

void Lexorio::prossimaparola()
{
    const float t = porte.orologio.adesso();
    for (auto& casella : m.sign) {
        casella.back = colori::buttonFace;
        casella.visible = true;
    }
    m.Timer1.enabled = true;
    preparaparola();

    const int partita = partite_;
    // Keys pressed during the pause after a correct answer land here and find the word closed.
    porte.eventi.eseguiPendenti();
    if (partita != partite_)
        return; // a click started a new game meanwhile, with a fresh clock of its own
    s.turnoaperto = 1;
    s.tempoescluso += static_cast<float>(differenza(porte.orologio.adesso(), t));
}

} // namespace lex
