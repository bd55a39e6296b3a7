// Starting a game: the settings window, then everything the first word needs.
#include "board/disposizione.h"
#include "settings/impostazioni.h"
#include "shell/fatale.h"
#include "shell/lexorio.h"
#include "vocab/selezione.h"

namespace lex {

namespace {
const QString kGiaImpostato = QStringLiteral("giaimpostato");
const QString kPersonale = QStringLiteral("vocpers.txt");
const QString kPrincipale = QStringLiteral("vocaboli.txt");

// The i-th character of a stored states text, read as a number.
int casella(const QString& stati, std::size_t i)
{
    const auto k = static_cast<qsizetype>(i);
    return k < stati.size() && stati[k].isDigit() ? stati[k].digitValue() : 0;
}

QString stati(const auto& caselle)
{
    QString t;
    for (std::size_t i = 1; i <= 4; ++i)
        t += QString::number(caselle[i].value);
    return t;
}
} // namespace

// The settings window shows the previous game's choices instead of the stored file.
void Lexorio::precompilaImpostazioni()
{
    auto& imp = impostazioni();
    auto& w = imp.m;
    // Selecting by code has the effect of a click: player 2's corner follows it.
    imp.Giocatori_Click(s.numgiocatori == 1 ? 1 : 2);
    w.musica.value = s.conmusica ? 1 : 0;
    w.suoni.value = s.consuoni ? 1 : 0;
    w.similino.value = s.escludisimili ? 1 : 0;
    imp.velox_Change(s.velocitascelta);
    if (s.filevoc == kPersonale) {
        w.Frame3.visible = false;
        w.Chfreq[0].value = 1;
    }
    for (std::size_t i = 1; i <= 4; ++i)
        w.Chclassi[i].value = casella(s.classiscelte, i - 1);
    for (std::size_t i = 1; i <= 4; ++i)
        w.Chfreq[i].value = casella(s.frequenzescelte, i - 1);
    w.quverbi.tag = QString::number(s.totalevocaboli);
}

void Lexorio::impostapartita()
{
    // A key or click handled inside a tick opens the window once the tick has returned: a
    // window opened inside the tick would hold it, and no tick would run behind the window.
    if (inTick_) {
        if (!impostapartitaInAttesa_) {
            impostapartitaInAttesa_ = true;
            porte.eventi.dopo([this] {
                impostapartitaInAttesa_ = false;
                impostapartita();
            });
        }
        return;
    }
    // Pending events run inside a game can deliver another key or click: one window at a time.
    if (inImpostapartita_)
        return;
    inImpostapartita_ = true;
    struct Uscente {
        bool& flag;
        ~Uscente() { flag = false; }
    } guardia{inImpostapartita_};

    for (;;) {
        if (m.tag == kGiaImpostato)
            precompilaImpostazioni();
        porte.finestre.mostraImpostazioni(impostazioni());
        s.vocabolifatti = 0;
        s.finita = 0;
        auto& w = impostazioni().m;
        if (w.tag != QLatin1String("fatto")) {
            distruggiImpostazioni();
            m.windowShown = true;
            return;
        }

        s.conmusica = w.musica.value;
        aggiornamusica();
        s.nome[1] = m.foto1.tag;
        s.nome[2] = m.foto2.tag;
        componiistruzioni();
        s.escludisimili = w.similino.value;
        s.filevoc = w.Chfreq[0].value == 1 ? kPersonale : kPrincipale;
        if (s.filecaricato != s.filevoc) {
            aprivocaboli(s.filevoc);
            s.filecaricato = s.filevoc;
            // A file read anew is picked anew. A click on the list's box has marked it already,
            // except for a personal list that the review has just saved over the loaded one.
            w.Frame2.tag = QStringLiteral("cambiato");
        }
        selezionaparole();
        s.numgiocatori = w.Giocatori[1].selected ? 1 : 2;
        s.consuoni = w.suoni.value;
        s.velocitascelta = w.velox.value;
        if (w.quverbi.selected >= 0 && w.quverbi.selected < w.quverbi.rows.size()) {
            const double n = valoreIniziale(w.quverbi.rows[w.quverbi.selected]);
            if (n >= 1)
                s.totalevocaboli = n;
        }
        if (s.totalevocaboli < 1)
            s.totalevocaboli = 10; // never divide by zero on a list with nothing picked
        s.classiscelte = stati(w.Chclassi);
        s.frequenzescelte = stati(w.Chfreq);
        distruggiImpostazioni();

        m.tag = kGiaImpostato;
        for (std::size_t i = 1; i <= 4; ++i)
            m.fumetto[i].visible = false;
        m.battuta[1].visible = m.battuta[2].visible = false;
        m.windowShown = true;
        for (std::size_t i = 0; i <= 5; ++i)
            m.Iml[i].visible = m.Imr[i].visible = false;
        m.Timer1.enabled = false;

        const auto n = liste.vocabolo.size();
        if (n < 12)
            messaggio(QStringLiteral("Solo ") + conSpazio(n) + QStringLiteral(" vocaboli selezionati!"),
                      QString::fromLatin1(kTitolo), Icona::Errore, Pulsanti::Ok);
        if (n > 6)
            break;
        // Too few: the settings again, with the choices just made, to widen them.
    }

    ++partite_;
    if (osservatore)
        osservatore->partitaIniziata(s.numgiocatori, s.nome[1], s.nome[2]);
    m.figura[1].picture = m.Imr[0].picture;
    m.figura[2].picture = m.Iml[0].picture;
    preparatabellone();
    disponistriscia(m, s.numgiocatori);
    s.orainizio = porte.orologio.adesso();
    s.tempoescluso = 0;
    const QString tasti = s.numgiocatori == 1 ? QStringLiteral("(tasto Enter)") : QStringLiteral("(tasto 1 e tasto 0)");
    for (auto& c : m.sign)
        c.tooltip = QStringLiteral("Lascia perdere il mouse ed usa la tastiera ") + tasti;
    m.Label1.text = s.istruzioni[static_cast<std::size_t>(s.numgiocatori)];
    m.Label1.fore = colori::nero;
    mostrapunti();
    m.Iml[7].visible = m.Imr[7].visible = false;
    prossimaparola();
}

} // namespace lex
