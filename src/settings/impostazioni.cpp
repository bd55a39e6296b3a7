#include "settings/impostazioni.h"

#include "settings/personaggi.h"
#include "shell/errori.h"
#include "shell/fatale.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace lex {

namespace {

constexpr int kRighe = 5;

QString tooltipFrequenze()
{
    return QStringLiteral("I 1600 vocaboli latini più frequenti sono divisi in 4 classi di frequenza: "
                          "scegliere quelli con cui giocare");
}

void alterna(Casella& c)
{
    // A greyed box counts as ticked, so a click clears it.
    c.value = c.value == 0 ? 1 : 0;
}

std::size_t u(int i)
{
    return static_cast<std::size_t>(i);
}

} // namespace

int quantePerRiga(int riga)
{
    return 10 * (riga + 1);
}

int rigaPerQuante(const QString& quante)
{
    const int n = numeroIniziale(quante.toLatin1());
    if (n / 10.0 == 0)
        return 1;
    // nearbyint rounds halves to even in the default rounding mode.
    const int riga = static_cast<int>(std::nearbyint(n / 10.0 - 1));
    return std::clamp(riga, 0, kRighe - 1);
}

Impostazioni::Impostazioni(Porte porte, Precedente precedente)
    : m(ImpostazioniModel::progettato()), porte_(porte), partitaAccettata_(precedente.partitaAccettata)
{
    mostrapersonaggio(1, 1);
    mostrapersonaggio(2, 2);

    // Characters accepted at an earlier O.K. come back.
    if (personaggioValido(precedente.personaggio1))
        mostrapersonaggio(1, precedente.personaggio1);
    if (personaggioValido(precedente.personaggio2))
        mostrapersonaggio(2, precedente.personaggio2);

    for (Elemento* e : {&m.nomefoto[0], &m.Picture1[1], &m.Picture1[2], &m.Picture1[3], &m.Picture1[4],
                        &m.battuta[1], &m.battuta[2], &m.nomefoto[1], &m.nomefoto[2]})
        e->visible = true;

    if (!partitaAccettata_)
        leggiimpostazioni();

    m.Giocatori[1].tooltip =
        QStringLiteral("Un giocatore: Usare il tasto Enter quando è evidenziata la traduzione esatta.");
    m.Giocatori[2].tooltip = QStringLiteral(
        "Due giocatori: Il giocatore di sinistra usa il tasto 1, il giocatore di destra usa il tasto 0.");
    m.velocita.tooltip = QStringLiteral("Imposta la velocità di svolgimento del gioco");
    m.quverbi.tooltip = QStringLiteral("Imposta il numero di vocaboli su cui svolgere l'esercizio");
    m.similino.tooltip = QStringLiteral("Spuntare la casella per escludere dal gioco i vocaboli troppo simili "
                                        "all'italiano (prime due lettere uguali).");
    m.Frame3.tooltip = tooltipFrequenze();
    for (int i = 1; i <= 4; ++i)
        m.Chfreq[u(i)].tooltip = m.Frame3.tooltip;
    m.okay[0].tooltip = QStringLiteral("Conferma impostazioni e passa alla partita");
    m.okay[1].tooltip = QStringLiteral("Rinuncia a modificare le impostazioni");

    velox_Change(m.velox.value);

    // Centred by its whole size, frame included: left and top are the frame's corner.
    const Bordi b = porte_.misure.bordi(false);
    m.window.top = (porte_.misure.altezzaSchermo() - (m.window.height + b.altezza)) / 2;
    m.window.left = (porte_.misure.larghezzaSchermo() - (m.window.width + b.larghezza)) / 2;

    m.quverbi.rows.clear();
    for (int riga = 0; riga < kRighe; ++riga)
        m.quverbi.rows << QString::number(quantePerRiga(riga)) + QStringLiteral(" vocaboli");
    selezionaRigaQuverbi();

    if (m.Giocatori[1].selected)
        Giocatori_Click(1);
}

void Impostazioni::selezionaRigaQuverbi()
{
    m.quverbi.selected = rigaPerQuante(QString::number(quanteVolute_));
}

void Impostazioni::attivazione()
{
    m.shown = true;
    m.window.visible = true;
    sceltaCambiata_ = false;
    selezionaRigaQuverbi();
}

void Impostazioni::carattere(int codice)
{
    switch (codice) {
    case '0':
        cambiaPersonaggio(1);
        break;
    case '1':
        if (dueGiocatori())
            cambiaPersonaggio(2);
        break;
    case 13:
        okay_Click(0);
        break;
    case 27:
        okay_Click(1);
        break;
    default:
        break;
    }
}

// --- characters -----------------------------------------------------------------

int Impostazioni::personaggioDi(int giocatore) const
{
    return giocatore == 1 || giocatore == 2 ? personaggi_[u(giocatore)] : 0;
}

void Impostazioni::mostrapersonaggio(int g, int n)
{
    if (!personaggioValido(n))
        errore(porte_, errori::kIndiceFuoriIntervallo);
    const int altro = g == 1 ? 2 : 1;
    const Personaggio& p = personaggio(n);

    m.Picture1[u(g)].picture = m.foto[u(n)].picture;
    m.nomefoto[u(g)].text = p.nome;

    QString riga = p.battute[0];
    QString rigaAltro;
    if (dueGiocatori()) {
        const int na = personaggioDi(altro);
        if (personaggioValido(na)) {
            rigaAltro = personaggio(na).battute[0];
            if (const auto coppia = rigaCoppia(p.nome, personaggio(na).nome)) {
                if (coppia->a != Destinatario::Altro)
                    riga = coppia->riga;
                if (coppia->a != Destinatario::Cambiato)
                    rigaAltro = coppia->riga;
            }
        }
    }

    Elemento& battuta = m.battuta[u(g)];
    Elemento& battutaAltro = m.battuta[u(altro)];
    battuta.fontSize = dimensioneBattuta(riga, battuta.fontSize);
    battutaAltro.fontSize = dimensioneBattuta(rigaAltro, battutaAltro.fontSize);

    battuta.text = riga;
    if (dueGiocatori())
        battutaAltro.text = rigaAltro;
    personaggi_[u(g)] = n;
}

void Impostazioni::cambiaPersonaggio(int g)
{
    mostrapersonaggio(g, prossimoPersonaggio(personaggioDi(g)));
    m.nomefoto[u(g)].back = colori::bianco;
}

void Impostazioni::Picture1_Click(int i)
{
    if (i < 1 || i > 4)
        return;
    cambiaPersonaggio(i > 2 ? i - 2 : i);
}

void Impostazioni::Picture1_Fuoco(int i, bool preso)
{
    if (i < 1 || i > 4)
        return;
    const int g = i > 2 ? i - 2 : i;
    m.nomefoto[u(g)].back = preso ? m.okay[0].back : m.nomefoto[0].back;
}

void Impostazioni::battuta_Click(int i)
{
    Picture1_Click(i);
}

void Impostazioni::nomefoto_Click(int i)
{
    if (i == 1 || i == 2)
        Picture1_Click(i);
}

// --- check boxes and the other controls --------------------------------------------

void Impostazioni::almenoUnaClasse()
{
    porte_.box.mostra(QStringLiteral("Almeno una classe obbligatoria"), QString::fromLatin1(kTitolo),
                      Icona::Nessuna, Pulsanti::Ok);
}

void Impostazioni::Chclassi_Click(int i)
{
    if (i < 1 || i > 4)
        return;
    alterna(m.Chclassi[u(i)]);
    sceltaCambiata_ = true;
    if (std::none_of(m.Chclassi.begin() + 1, m.Chclassi.end(), [](const Casella& c) { return c.ticked(); })) {
        almenoUnaClasse();
        m.Chclassi[u(i)].value = 1;
    }
}

void Impostazioni::Chfreq_Click(int i)
{
    if (i < 0 || i > 4)
        return;
    alterna(m.Chfreq[u(i)]);
    sceltaCambiata_ = true;
    if (i == 0) {
        if (m.Chfreq[0].ticked()) {
            if (porte_.file.esiste(QStringLiteral("vocpers.txt"))) {
                m.Frame3.visible = false;
            } else {
                QString cartella = porte_.file.cartellaCorrente();
                if (!cartella.endsWith(QDir::separator()))
                    cartella += QDir::separator();
                porte_.box.mostra(QStringLiteral("file \"") + cartella + QStringLiteral("vocpers.txt\" inesistente"),
                                  QStringLiteral("Manca il vocabolario personale"), Icona::Avviso, Pulsanti::Ok);
                // The player cannot choose it again in this window.
                m.Chfreq[0].value = 0;
                m.Chfreq[0].visible = false;
                m.Frame3.visible = true;
            }
        } else {
            m.Frame3.visible = true;
        }
        return;
    }
    if (std::none_of(m.Chfreq.begin() + 1, m.Chfreq.end(), [](const Casella& c) { return c.ticked(); })) {
        almenoUnaClasse();
        m.Chfreq[u(i)].value = 1;
    }
}

void Impostazioni::primaRipasso_Click()
{
    alterna(m.primaRipasso);
}

void Impostazioni::similino_Click()
{
    alterna(m.similino);
    sceltaCambiata_ = true;
}

void Impostazioni::suoni_Click()
{
    alterna(m.suoni);
}

void Impostazioni::musica_Click()
{
    alterna(m.musica);
}

void Impostazioni::Giocatori_Click(int i)
{
    if (i != 1 && i != 2)
        return;
    m.Giocatori[1].selected = i == 1;
    m.Giocatori[2].selected = i == 2;
    // Player 2's place as it was; its balloon line is not recomputed here.
    for (Elemento* e : {&m.Picture1[2], &m.Picture1[4], &m.battuta[2], &m.nomefoto[2]})
        e->visible = i == 2;
}

void Impostazioni::velox_Change(int valore)
{
    m.velox.value = std::clamp(valore, m.velox.min, m.velox.max);
    m.velocita.text = QStringLiteral("&Velocità: ") + QLatin1Char(' ') + QString::number(m.velox.value);
}

void Impostazioni::quverbi_Click(int riga)
{
    if (riga >= 0 && riga < m.quverbi.rows.size())
        m.quverbi.selected = riga;
}

// --- the three buttons --------------------------------------------------------------

void Impostazioni::okay_Click(int i)
{
    switch (i) {
    case 2:
        salvaimpostazioni();
        return;
    case 1:
        confermata_ = false;
        m.shown = false;
        m.window.visible = false;
        return;
    case 0:
        break;
    default:
        return;
    }

    if (dueGiocatori() && personaggi_[1] == personaggi_[2]) {
        porte_.box.mostra(m.nomefoto[1].text + QStringLiteral(" non può giocare contro se stesso"),
                          QStringLiteral("Cambiare un personaggio"), Icona::Nessuna, Pulsanti::Ok);
        return;
    }
    confermata_ = true;
    m.shown = false;
    m.window.visible = false;
}

// --- the settings file ----------------------------------------------------------------

ImpostazioniPartita Impostazioni::record() const
{
    ImpostazioniPartita r;
    r.confronta = m.similino.value;
    r.musica = m.musica.value;
    r.suoni = m.suoni.value;
    r.giocatori = m.Giocatori[1].selected ? 1 : 2;
    r.giocatore1 = personaggioDi(1);
    r.giocatore2 = personaggioDi(2);
    r.velocita = m.velox.value;
    const int riga = m.quverbi.selected;
    r.quante = riga >= 0 && riga < m.quverbi.rows.size() ? quantePerRiga(riga) : quanteVolute_;
    for (int i = 1; i <= 4; ++i) {
        r.classi[u(i)] = m.Chclassi[u(i)].ticked();
        r.frequenze[u(i)] = m.Chfreq[u(i)].ticked();
    }
    r.personale = m.Chfreq[0].ticked();
    return r;
}

} // namespace lex
