// The presenter at the turning points of a game: its start, a right answer, its end.
#include "board/disposizione.h"
#include "settings/personaggi.h"
#include "shell/presentatore.h"

namespace lex {

namespace {
constexpr double kAltezzaBarra = 1605; // twips, a bar's frame at the start of a game
constexpr double kCadutaTesta = 90;    // twips a falling head drops per closing tick

std::size_t u(int i)
{
    return static_cast<std::size_t>(i);
}
} // namespace

void Presentatore::nuovaPartita(const Partita& p)
{
    for (std::size_t i = 1; i <= 4; ++i)
        m_.fumetto[i].visible = false;
    m_.battuta[1].visible = m_.battuta[2].visible = false;
    m_.windowShown = true;
    for (std::size_t i = 0; i <= 5; ++i)
        m_.Iml[i].visible = m_.Imr[i].visible = false;
    timer(p);
}

double Presentatore::spazioSalita() const
{
    // Player 1's frame serves for both.
    return m_.barrone[1].height - (kAltezzaBarra - 30);
}

void Presentatore::colonne(const Partita& p)
{
    for (std::size_t i = 1; i <= 2; ++i) {
        m_.punti[i].text = QStringLiteral("0");
        auto& barrone = m_.barrone[i];
        auto& barra = m_.barra[i];
        auto& figura = m_.figura[i];
        auto& colonna = m_.colonna[i];
        barra.left = barrone.left + (barrone.width - barra.width) / 2;
        barra.height = kAltezzaBarra - 30;
        barra.top = barrone.top + barrone.height - kAltezzaBarra;
        figura.left = barra.left + (barra.width - figura.width) / 2;
        figura.top = barra.top + 15;
        colonna.left = figura.left;
        colonna.height = 495;
        colonna.top = figura.top + figura.height;
        m_.base[i].left = figura.left;
        m_.base[i].top = colonna.top + colonna.height;
        m_.punti[i].left = barrone.left + (barrone.width - m_.punti[i].width) / 2;
        m_.punti[i].top = colonna.top + 60;
    }

    m_.Parola.puntatore = Puntatore::Predefinito;

    auto mostra = [this](std::size_t i, bool si) {
        m_.barra[i].visible = m_.figura[i].visible = m_.colonna[i].visible = m_.base[i].visible = si;
    };
    if (p.numGiocatori == 1) {
        for (std::size_t i = 1; i <= 2; ++i) {
            m_.punti[i].visible = false;
            m_.Lab[i].visible = true;
        }
        mostra(1, true);
        mostra(2, false);
    } else if (p.numGiocatori == 2) {
        m_.Lab[2].visible = false;
        for (std::size_t i = 1; i <= 2; ++i) {
            m_.punti[i].visible = true;
            mostra(i, true);
        }
    }
}

void Presentatore::avvioPartita(const Partita& p)
{
    disponistriscia(m_, p.numGiocatori);
    const QString tasti = p.numGiocatori == 1 ? QStringLiteral("(tasto Enter)") : QStringLiteral("(tasto 1 e tasto 0)");
    for (auto& c : m_.sign)
        c.tooltip = QStringLiteral("Lascia perdere il mouse ed usa la tastiera ") + tasti;
}

void Presentatore::teste(bool visibili)
{
    m_.Iml[7].visible = m_.Imr[7].visible = visibili;
}

void Presentatore::esatta(const Partita& p, int giocatore)
{
    const auto i = u(giocatore);
    m_.Frame1.back = m_.Parola.back = m_.barra[i].back;
    caselle(p);
    m_.barra[i].top -= p.passo;
    m_.barra[i].height += p.passo;
    m_.figura[i].top = m_.barra[i].top + 100;
    m_.colonna[i].top -= p.passo + 1;
    m_.colonna[i].height += p.passo + 10;
}

void Presentatore::pannelloNormale()
{
    m_.Frame1.back = m_.Parola.back = colori::rossoScuro;
}

void Presentatore::finale(const Partita& p)
{
    m_.Parola.text.clear();
    caselle(p);
    auto riga = [&](int giocatore, std::size_t quale) { return personaggio(p.giocatore(giocatore).personaggio).battute[quale]; };
    if (p.numGiocatori == 1) {
        m_.battuta[1].left = m_.fumetto[2].left + 120;
        m_.battuta[1].text = riga(1, 1);
        m_.fumetto[2].visible = true;
        m_.battuta[1].visible = true;
    }
    // The loser's lines and head; the winner speaks first.
    auto sconfitta = [&](std::array<Elemento, 8>& perdente, int q, std::size_t fumettoVittoria,
                         std::size_t fumettoSconfitta, double scartoTesta) {
        m_.battuta[1].text = riga(3 - q, 1);
        m_.battuta[1].left = m_.fumetto[fumettoVittoria].left + 120;
        m_.battuta[2].text = riga(q, 2);
        m_.battuta[2].left = m_.fumetto[fumettoSconfitta].left + 150;
        m_.fumetto[fumettoVittoria].visible = true;
        m_.fumetto[fumettoSconfitta].visible = true;
        m_.battuta[1].visible = m_.battuta[2].visible = true;
        perdente[7].left = m_.figura[u(q)].left + scartoTesta;
        perdente[7].top = m_.figura[u(q)].top + 105;
        perdente[7].visible = true; // the view keeps the falling heads above everything
    };
    if (p.giocatore(1).bloccato)
        sconfitta(m_.Imr, 1, 1, 4, 0);
    if (p.giocatore(2).bloccato)
        sconfitta(m_.Iml, 2, 2, 3, 135);
    figure(p);
    timer(p);
}

int Presentatore::passiCaduta(int perdente) const
{
    const auto& testa = perdente == 1 ? m_.Imr[7] : m_.Iml[7];
    int n = 0;
    for (double top = testa.top; top < m_.barrone[u(perdente)].height; top += kCadutaTesta)
        ++n;
    return n;
}

void Presentatore::passoChiusura(int perdente)
{
    (perdente == 1 ? m_.Imr[7] : m_.Iml[7]).top += kCadutaTesta;
}

} // namespace lex
