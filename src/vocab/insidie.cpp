#include "vocab/insidie.h"

#include "vocab/cp1252.h"
#include "vocab/righe.h"
#include "vocab/selezione.h"

#include <QTextStream>

#include <algorithm>

namespace lex {

namespace {

constexpr qsizetype kRigheMostrate = 20; // per list of rows; the rest are counted

bool giocabile(const Voce& v)
{
    const auto f = leggiClasse(v.frequenza);
    const auto c = leggiClasse(v.categoria);
    return f && c && *f >= 0 && *f <= 4 && *c >= 1 && *c <= 4;
}

bool conSpazi(const QString& t)
{
    return std::any_of(t.begin(), t.end(), [](QChar c) { return c.isSpace(); });
}

bool soloAscii(QByteArrayView b)
{
    return std::all_of(b.begin(), b.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The first word of a line that has a byte past ASCII, as the line's bytes.
QByteArrayView parolaAccentata(QByteArrayView riga)
{
    qsizetype inizio = 0;
    for (qsizetype i = 0; i <= riga.size(); ++i) {
        const bool fine = i == riga.size() || riga[i] == ' ' || riga[i] == ';' || riga[i] == ',' || riga[i] == '\t';
        if (!fine)
            continue;
        const QByteArrayView parola = riga.sliced(inizio, i - inizio);
        if (!soloAscii(parola))
            return parola;
        inizio = i + 1;
    }
    return riga;
}

QString citata(const QString& t) { return u'"' + t + u'"'; }

const char* nomeClasse(int c)
{
    switch (c) {
    case 1: return "nomi";
    case 2: return "aggettivi e pronomi";
    case 3: return "verbi";
    default: return "avverbi, cong., prep.";
    }
}

} // namespace

QString elencoRighe(const QList<int>& righe)
{
    if (righe.isEmpty())
        return {};
    if (righe.size() == 1)
        return QStringLiteral("riga %1").arg(righe.front());
    QStringList n;
    const qsizetype mostrate = std::min(righe.size(), kRigheMostrate);
    for (qsizetype i = 0; i < mostrate; ++i)
        n << QString::number(righe[i]);
    if (mostrate < righe.size())
        return QStringLiteral("righe ") + n.join(QStringLiteral(", ")) + QStringLiteral(" e altre %1").arg(righe.size() - mostrate);
    const QString ultima = n.takeLast();
    return QStringLiteral("righe ") + n.join(QStringLiteral(", ")) + QStringLiteral(" e ") + ultima;
}

Insidie cercaInsidie(QByteArrayView dati, const EsitoCaricamento& e, const Vocabolario& v)
{
    Insidie ins;
    if (e.codifica == Codifica::Utf8ConBom)
        dati = dati.sliced(qsizetype(sizeof kBomUtf8) - 1);
    // Every line counts for the encoding, comments too: one Windows-1252 byte anywhere makes the
    // game read the whole file as Windows-1252.
    const bool perRiga = e.codifica == Codifica::Windows1252 || e.codifica == Codifica::Utf8ConBom;
    perOgniRiga(dati, [&](QByteArrayView byte, int numero) {
        if (perRiga && !soloAscii(byte)) {
            const bool utf8 = utf8Valido(byte);
            (utf8 ? ins.righeUtf8 : ins.righeWindows).append(numero);
            // The example is a line in the minority's encoding, as the game shows it.
            const bool storpiata = e.codifica == Codifica::Utf8ConBom ? !utf8 : utf8;
            if (storpiata && ins.rigaEsempio == 0) {
                const QByteArrayView p = parolaAccentata(byte);
                ins.rigaEsempio = numero;
                ins.esempioGiusto = utf8 ? QString::fromUtf8(p) : cp1252::decodifica(p);
                ins.esempioStorpiato = decodificaRiga(p, e.codifica);
            }
        }
        if (byte.startsWith('/') || !byte.contains('\t'))
            return true;
        const QString riga = decodificaRiga(byte, e.codifica);
        if (riga.count(u';') < 3 && !riga.trimmed().isEmpty())
            ins.tabulate.append(numero);
        return true;
    });

    if (e.caricati > 0)
        ins.titoloSembraVocabolo = giocabile(v.righe[0]);
    for (int i = 1; i <= v.ultimovoc; ++i) {
        const Voce& voce = v.righe[static_cast<std::size_t>(i)];
        if (!giocabile(voce))
            continue;
        ++ins.perTestoClasse[voce.categoria];
        if (voce.categoria != QString::number(*leggiClasse(voce.categoria)))
            ins.classeNonPulita.append(i);
        if (conSpazi(voce.frequenza))
            ins.frequenzaConSpazi.append(i);
    }
    return ins;
}

QString testoCodificaMista(const Insidie& i, Codifica c)
{
    const QString esempio = i.rigaEsempio == 0 ? QString()
                                               : QStringLiteral(" (riga %1: %2 invece di %3)")
                                                     .arg(i.rigaEsempio)
                                                     .arg(citata(i.esempioStorpiato), citata(i.esempioGiusto));
    if (c == Codifica::Utf8ConBom && !i.righeWindows.isEmpty())
        return QStringLiteral("Codifica: UTF-8 con BOM, tranne la %1, in Windows-1252: lì il gioco mostra le lettere "
                              "accentate come \"\uFFFD\"%2.\n  Riscrivere quelle righe e salvare di nuovo in UTF-8.")
            .arg(elencoRighe(i.righeWindows), esempio);
    if (c != Codifica::Windows1252 || i.righeUtf8.isEmpty() || i.righeWindows.isEmpty())
        return {};
    if (i.righeUtf8.size() >= i.righeWindows.size())
        return QStringLiteral("Codifica: il file è in UTF-8, tranne la %1, in Windows-1252.\n  Per colpa di quelle righe "
                              "il gioco legge tutto il file come Windows-1252,\n  e le lettere accentate delle altre "
                              "appaiono storpiate%2.\n  Riscrivere le righe indicate e salvare il file in UTF-8 "
                              "(o tutto in Windows-1252).")
            .arg(elencoRighe(i.righeWindows), esempio);
    return QStringLiteral("Codifica: Windows-1252, tranne la %1, in UTF-8: lì il gioco mostra le lettere accentate "
                          "storpiate%2.\n  Riscrivere quelle righe e salvare il file in Windows-1252.")
        .arg(elencoRighe(i.righeUtf8), esempio);
}

QString testoTabulazioni(const Insidie& i)
{
    if (i.tabulate.isEmpty())
        return {};
    return QStringLiteral("\nCampi separati da una tabulazione invece che da \";\": %1.\n"
                          "  Succede con un elenco esportato da un foglio di calcolo. Il gioco separa i campi solo "
                          "con \";\",\n  e queste righe per lui sono difettose. Per rimediare: nel foglio di calcolo "
                          "salvare come\n  \"Testo CSV\" con il punto e virgola \";\" come separatore di campo; "
                          "oppure, in un editor di testo,\n  sostituire ogni tabulazione con \";\".\n")
        .arg(elencoRighe(i.tabulate));
}

QString testoClassi(const Insidie& i, const EsitoCaricamento& e, const Vocabolario& v)
{
    QString testo;
    QTextStream out(&testo);
    const auto voce = [&](int r) -> const Voce& { return v.righe[static_cast<std::size_t>(r)]; };
    if (!i.classeNonPulita.isEmpty()) {
        const bool tuttiSpazi = std::all_of(i.classeNonPulita.begin(), i.classeNonPulita.end(), [&](int r) {
            const QString& c = voce(r).categoria;
            return c.trimmed() == QString::number(*leggiClasse(c));
        });
        out << (tuttiSpazi ? "\nSpazi attorno alla classe:\n" : "\nClasse non scritta come una sola cifra (spazi o altro):\n");
        for (qsizetype k = 0; k < i.classeNonPulita.size() && k < kRigheMostrate; ++k) {
            const Voce& w = voce(i.classeNonPulita[k]);
            const int compagne = i.perTestoClasse.at(w.categoria) - 1;
            out << "  riga " << e.righeRecord.value(i.classeNonPulita[k]) << ": classe " << citata(w.categoria) << " ("
                << w.parola << " = " << w.traduzione << "): ";
            if (compagne == 0)
                out << "nessun'altra parola ha la classe scritta così, le sue altre caselle resteranno vuote.\n";
            else
                out << "le traduzioni sbagliate vengono solo dalle altre " << compagne << " con la classe scritta così.\n";
        }
        if (i.classeNonPulita.size() > kRigheMostrate)
            out << "  ... e altre " << i.classeNonPulita.size() - kRigheMostrate << " righe.\n";
        const QString& esempio = voce(i.classeNonPulita.front()).categoria;
        const QString pulita = QString::number(*leggiClasse(esempio));
        out << "  Per scegliere le parole il gioco legge " << citata(esempio) << " come " << pulita
            << ", ma le traduzioni sbagliate di una\n  parola vengono dalle parole con la classe scritta esattamente "
               "allo stesso modo, e "
            << citata(esempio) << " non è " << citata(pulita)
            << ".\n  Così la traduzione di queste parole non compare mai fra quelle sbagliate delle altre.\n"
               "  Scrivere la classe come una sola cifra, senza spazi.\n";
    }
    if (!i.frequenzaConSpazi.isEmpty()) {
        QList<int> righe;
        for (int r : i.frequenzaConSpazi)
            righe << e.righeRecord.value(r);
        out << "\nSpazi attorno alla frequenza: " << elencoRighe(righe) << ".\n  Qui non cambiano nulla (il gioco legge "
            << citata(voce(i.frequenzaConSpazi.front()).frequenza) << " come "
            << *leggiClasse(voce(i.frequenzaConSpazi.front()).frequenza) << "), ma conviene toglierli.\n";
    }
    return testo;
}

QString testoTitolo(const Insidie& i, const EsitoCaricamento& e, const Vocabolario& v)
{
    if (!i.titoloSembraVocabolo)
        return {};
    const Voce& t = v.righe[0];
    return QStringLiteral("\nIl primo record (riga %1) sembra un vocabolo, non un titolo: %2.\n"
                          "  Il gioco non chiede mai il primo record: questa parola non sarà mai chiesta.\n"
                          "  Aggiungere prima una riga di titolo, per esempio \"0;0;Titolo;Il mio elenco\".\n")
        .arg(e.righeRecord.value(0))
        .arg(citata(t.frequenza + u';' + t.categoria + u';' + t.parola + u';' + t.traduzione));
}

QString testoClassePiccola(int classe, int vocaboli)
{
    if (vocaboli == 1)
        return QStringLiteral("\nLa classe %1 (%2) ha un solo vocabolo: le sue altre caselle resteranno vuote.\n")
            .arg(classe)
            .arg(QString::fromUtf8(nomeClasse(classe)));
    return QStringLiteral("\nLa classe %1 (%2) ha solo %3 vocaboli: ogni parola ha %4 traduzioni sbagliate per 11 "
                          "caselle,\n  e le caselle ripetono le stesse. Ne servono almeno %5 perché ogni casella "
                          "possa avere una traduzione diversa.\n")
        .arg(classe)
        .arg(QString::fromUtf8(nomeClasse(classe)))
        .arg(vocaboli)
        .arg(vocaboli - 1)
        .arg(kParoleSenzaAvviso);
}

} // namespace lex
