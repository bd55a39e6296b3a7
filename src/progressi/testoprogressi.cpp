#include "progressi/progressi.h"

#include "settings/personaggi.h"
#include "vocab/cp1252.h"
#include "vocab/righe.h"

#include <QSet>

namespace lex {

namespace {

const QString kIntestazione = QStringLiteral("Lexorio: progressi");
const QString kFine = QStringLiteral("[fine]");
const QString kOpzione = QStringLiteral("prima da ripassare: ");
const QString kGiorno = QStringLiteral("giorno: ");
const QString kVocabolo = QStringLiteral("vocabolo: ");
const QString kStato = QStringLiteral("stato: ");
constexpr int kMassimo = 100000000;

const char* const kSpiegazione[] = {
    "/ Scritto dal gioco alla fine di ogni partita; lo rilegge alla partenza.",
    "/ prima da ripassare: 1 se la partita comincia dai vocaboli da ripassare, altrimenti 0",
    "/ Per ogni personaggio, [nome] e poi:",
    "/   giorno: data;vocaboli noti per frequenza 0 (elenco personale), 1, 2, 3, 4",
    "/   vocabolo: classe;parola latina;traduzione",
    "/   stato: chiesto;giusto al primo tasto;sbagliato;ultima partita;scatola;frequenza",
    "/ Scatola da 1 a 5: giusto al primo tasto sale di una, un errore la riporta a 1;",
    "/ un vocabolo è noto dalla scatola 3. Date come 2026-12-08.",
};

std::optional<int> numero(const QString& testo, int minimo, int massimo)
{
    if (testo.isEmpty() || testo.size() > 9)
        return std::nullopt;
    for (QChar c : testo)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const int n = testo.toInt();
    if (n < minimo || n > massimo)
        return std::nullopt;
    return n;
}

QString data(QDate d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

// Exactly yyyy-MM-dd, a real day.
QDate leggiData(const QString& t)
{
    if (t.size() != 10 || t[4] != u'-' || t[7] != u'-')
        return {};
    const auto a = numero(t.left(4), 1000, 9999), m = numero(t.mid(5, 2), 1, 12), g = numero(t.mid(8, 2), 1, 31);
    if (!a || !m || !g)
        return {};
    return QDate(*a, *m, *g);
}

} // namespace

QByteArray testoProgressi(const DatiProgressi& d)
{
    QStringList t;
    t << kIntestazione;
    for (const char* riga : kSpiegazione)
        t << QString::fromUtf8(riga);
    t << QString() << kOpzione + (d.primaDaRipassare ? u'1' : u'0');
    for (int n = 1; n <= kNumeroPersonaggi; ++n) {
        const ProfiloProgressi& p = d.profili[static_cast<std::size_t>(n)];
        if (p.vuoto())
            continue;
        t << QString() << u'[' + personaggio(n).nome + u']';
        for (const GiornoProgressi& g : p.giorni) {
            QString riga = kGiorno + data(g.giorno);
            for (int k : g.note)
                riga += u';' + QString::number(k);
            t << riga;
        }
        for (const VoceProgressi& v : p.voci)
            t << kVocabolo + v.categoria + u';' + v.parola + u';' + v.traduzione
              << kStato + QStringLiteral("%1;%2;%3;%4;%5;%6")
                              .arg(v.chiesta)
                              .arg(v.giustaPrimo)
                              .arg(v.sbagliata)
                              .arg(data(v.ultima))
                              .arg(v.scatola)
                              .arg(v.fascia);
    }
    t << QString() << kFine;
    return cp1252::codifica(t.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

std::optional<DatiProgressi> leggiTestoProgressi(QByteArrayView testo)
{
    DatiProgressi d;
    bool intestazione = false, opzione = false, fine = false;
    ProfiloProgressi* profilo = nullptr;
    std::array<bool, kNumeroPersonaggi + 1> visti{};
    VoceProgressi* attesa = nullptr; // a word still waiting for its state line
    QSet<QString> parole;            // of the current profile

    bool ok = true;
    perOgniRiga(testo, [&](QByteArrayView byte, int) {
        const QString riga = cp1252::decodifica(byte);
        if (!intestazione) {
            intestazione = riga == kIntestazione;
            return ok = intestazione;
        }
        if (riga.startsWith(u'/') || riga.trimmed().isEmpty())
            return true;
        if (fine || (attesa && !riga.startsWith(kStato)))
            return ok = false; // nothing after the end mark; a word has its state next
        if (riga == kFine)
            return fine = opzione;
        if (riga.startsWith(u'[') && riga.endsWith(u']')) {
            const int n = numeroPersonaggio(riga.mid(1, riga.size() - 2));
            if (!opzione || n == 0 || visti[static_cast<std::size_t>(n)])
                return ok = false;
            visti[static_cast<std::size_t>(n)] = true;
            profilo = &d.profili[static_cast<std::size_t>(n)];
            parole.clear();
            return true;
        }
        if (riga.startsWith(kOpzione)) {
            const auto v = numero(riga.mid(kOpzione.size()), 0, 1);
            if (opzione || !v)
                return ok = false;
            d.primaDaRipassare = *v == 1;
            return opzione = true;
        }
        if (!profilo)
            return ok = false;
        if (riga.startsWith(kGiorno)) {
            const QStringList p = riga.mid(kGiorno.size()).split(u';');
            GiornoProgressi g{leggiData(p.value(0)), {}};
            if (p.size() != kFasce + 1 || !g.giorno.isValid()
                || (!profilo->giorni.isEmpty() && profilo->giorni.last().giorno >= g.giorno))
                return ok = false;
            for (int k = 0; k < kFasce; ++k) {
                const auto n = numero(p[k + 1], 0, kMassimo);
                if (!n)
                    return ok = false;
                g.note[static_cast<std::size_t>(k)] = *n;
            }
            profilo->giorni.append(g);
            return true;
        }
        if (riga.startsWith(kVocabolo)) {
            // "classe;parola;traduzione": the translation keeps any further ";", as in the vocabulary.
            const QString v = riga.mid(kVocabolo.size());
            const qsizetype p1 = v.indexOf(u';');
            const qsizetype p2 = p1 < 0 ? -1 : v.indexOf(u';', p1 + 1);
            if (p2 < 0)
                return ok = false;
            VoceProgressi voce;
            voce.categoria = v.left(p1);
            voce.parola = v.mid(p1 + 1, p2 - p1 - 1);
            voce.traduzione = v.mid(p2 + 1);
            const QString chiave = voce.parola + u'\n' + voce.traduzione;
            if (parole.contains(chiave))
                return ok = false;
            parole.insert(chiave);
            profilo->voci.append(voce);
            attesa = &profilo->voci.last();
            return true;
        }
        if (riga.startsWith(kStato) && attesa) {
            const QStringList p = riga.mid(kStato.size()).split(u';');
            if (p.size() != 6)
                return ok = false;
            const auto chiesta = numero(p[0], 1, kMassimo), giusta = numero(p[1], 0, kMassimo),
                       sbagliata = numero(p[2], 0, kMassimo), scatola = numero(p[4], 1, kScatole),
                       fascia = numero(p[5], 0, kFasce - 1);
            const QDate ultima = leggiData(p[3]);
            // An asking is right at the first key or missed, never both.
            if (!chiesta || !giusta || !sbagliata || !scatola || !fascia || !ultima.isValid()
                || *giusta + *sbagliata > *chiesta)
                return ok = false;
            attesa->chiesta = *chiesta;
            attesa->giustaPrimo = *giusta;
            attesa->sbagliata = *sbagliata;
            attesa->ultima = ultima;
            attesa->scatola = *scatola;
            attesa->fascia = *fascia;
            attesa = nullptr;
            return true;
        }
        return ok = false;
    });
    if (!ok || !fine)
        return std::nullopt; // refused, or cut short
    // A section is written only when it holds something.
    for (const ProfiloProgressi& p : d.profili)
        if (&p != &d.profili[0] && p.vuoto() && visti[static_cast<std::size_t>(&p - &d.profili[0])])
            return std::nullopt;
    return d;
}

} // namespace lex
