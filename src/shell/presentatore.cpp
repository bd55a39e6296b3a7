#include "shell/presentatore.h"

#include "board/disposizione.h"

namespace lex {

namespace {
// Below this the word would be unreadable; a word still too wide just overflows the panel.
constexpr double kPuntiMinimi = 6;
constexpr double kPuntiParola = 14;
constexpr double kPuntiRipartenza = 13;

std::size_t u(int i)
{
    return static_cast<std::size_t>(i);
}
} // namespace

double puntiParola(Misure& misure, const QString& testo, double larghezza)
{
    // Against the room the word label really has (the panel less its margins), so that a word
    // shown at a size is shown whole.
    double punti = kPuntiParola;
    while (punti > kPuntiMinimi && misure.larghezzaParola(testo, punti) > larghezza)
        punti -= 1;
    return punti;
}

Presentatore::Presentatore(Misure& misure) : misure_(misure), m_(LexorioModel::progettato()) {}

void Presentatore::centra()
{
    // Centred by the whole window, title bar, menu bar and borders included.
    const Bordi bordi = misure_.bordi(true);
    m_.window.top = (misure_.altezzaSchermo() - (m_.window.height + bordi.altezza)) / 2;
    m_.window.left = (misure_.larghezzaSchermo() - (m_.window.width + bordi.larghezza)) / 2;
}

void Presentatore::caselleSpente()
{
    for (auto& c : m_.sign)
        c.back = colori::buttonFace;
}

void Presentatore::disponiTabellone()
{
    disponitabellone(m_);
}

void Presentatore::disponiStriscia(int giocatori)
{
    disponistriscia(m_, giocatori);
}

void Presentatore::nascondiCornice()
{
    m_.Cornice.visible = false;
}

void Presentatore::mostraArapacis()
{
    m_.arapacis.top = m_.foto1.top;
    m_.arapacis.left = m_.Cornice.left;
    m_.arapacis.visible = true;
}

void Presentatore::mostraFinestra(bool si)
{
    m_.windowShown = si;
}

void Presentatore::timer(const Partita& p)
{
    m_.Timer1.interval = p.periodo;
    m_.Timer1.enabled = p.timerAttivo;
}

void Presentatore::invito(Invito invito)
{
    if (invito == Invito::Iniziare) {
        m_.Parola.fontSize = kPuntiParola;
        m_.Parola.text = QStringLiteral("Un tasto per iniziare");
    } else if (invito == Invito::Ripartire) {
        m_.Parola.fontSize = kPuntiRipartenza;
        m_.Parola.text = QStringLiteral("Un tasto per ripartire");
    }
}

void Presentatore::scritta(const QString& testo)
{
    m_.Parola.text = testo;
}

void Presentatore::parola(const QString& testo)
{
    m_.Parola.text = testo;
    m_.Parola.fontSize = puntiParola(misure_, testo, m_.Parola.width);
    m_.Parola.visible = true;
}

void Presentatore::fotoInizio(int personaggio1, int personaggio2)
{
    m_.foto1.picture = QStringLiteral("foto%1").arg(personaggio1);
    m_.foto2.picture = QStringLiteral("foto%1").arg(personaggio2);
}

void Presentatore::fotoGiocatori(const Partita& p, const std::array<QString, 2>& battute)
{
    m_.foto1.picture = QStringLiteral("foto%1").arg(p.giocatore(1).personaggio);
    m_.foto1.tooltip = battute[0];
    m_.foto2.picture = QStringLiteral("foto%1").arg(p.giocatore(2).personaggio);
    m_.foto2.tooltip = battute[1];
}

void Presentatore::conteggioSelezione(int n)
{
    if (n > 0)
        m_.Parola.text = QStringLiteral("Vocaboli n. ") + QString::number(n);
    m_.Label2.text = QString::number(n) + QStringLiteral(" vocaboli");
}

void Presentatore::caselle(const Partita& p)
{
    for (int i = 0; i < kCaselle; ++i) {
        m_.sign[u(i)].text = p.caselle[u(i)];
        m_.sign[u(i)].visible = !p.nascoste[u(i)];
    }
}

void Presentatore::spegni(int casella)
{
    m_.sign[u(casella)].back = colori::buttonFace;
}

void Presentatore::accendi(int casella)
{
    m_.sign[u(casella)].back = m_.Parola.fore;
}

void Presentatore::orologio(const QString& tempo)
{
    m_.Lab[1].text = QStringLiteral("Tempo: ") + tempo;
}

void Presentatore::figure(const Partita& p)
{
    m_.figura[1].picture = m_.Imr[u(p.giocatore(1).posa)].picture;
    m_.figura[2].picture = m_.Iml[u(p.giocatore(2).posa)].picture;
}

void Presentatore::punti(const Partita& p)
{
    m_.Labverbi.text = QStringLiteral("Vocaboli ") + QString::number(p.vocaboliFatti) + QStringLiteral(" su ")
                       + QString::number(p.totaleVocaboli);
    if (p.numGiocatori == 1)
        m_.Lab[2].text = QStringLiteral("Penalità: ") + QString::number(p.penalita);
    if (p.numGiocatori == 2)
        for (int i = 1; i <= 2; ++i)
            m_.punti[u(i)].text = QString::number(p.giocatore(i).punti);
}

void Presentatore::istruzione(const QString& testo, Colore colore)
{
    m_.Label1.text = testo;
    m_.Label1.fore = colore;
}

void Presentatore::svuotaIstruzione()
{
    m_.Label1.text.clear();
}

} // namespace lex
