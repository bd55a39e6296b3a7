#include "review/ripasso.h"

#include "vocab/cp1252.h"
#include "vocab/righe.h"

#include <QSet>

#include <algorithm>

namespace lex {

namespace {

const QString kIntestazione = QStringLiteral("Lexorio: ripasso degli errori");
const QString kUltima = QStringLiteral("[ultima partita]");
const QString kTutte = QStringLiteral("[tutte le partite]");
const QString kFine = QStringLiteral("[fine]");
const QString kGiocatori = QStringLiteral("giocatori: ");
const QString kVocabolo = QStringLiteral("vocabolo: ");
const QString kGiocatore = QStringLiteral("giocatore: ");
const QString kGiuste = QStringLiteral("giuste: ");
const QString kScelto = QStringLiteral("scelto: ");
constexpr int kMassimoVolte = 1000000;

const char* const kSpiegazione[] = {
    "/ Scritto dal gioco alla fine di ogni partita; lo rilegge alla partenza.",
    "/ Per ogni vocabolo sbagliato:",
    "/   vocabolo: classe;parola latina;traduzione giusta",
    "/   giocatore: 1 a destra (o da solo), 2 a sinistra    (solo nell'ultima partita)",
    "/   giuste: partite indovinate senza errori dopo l'ultimo errore    (solo in tutte le partite)",
    "/   scelto: volte;traduzione scelta al suo posto",
    "/ Un vocabolo esce dal ripasso dopo 3 partite indovinate senza errori.",
};

bool stessoVocabolo(const VoceRipasso& v, const QString& parola, const QString& traduzione)
{
    return v.parola == parola && v.traduzione == traduzione;
}

void aggiungiScelta(QList<Scelta>& scelte, const QString& testo, int volte)
{
    for (Scelta& s : scelte)
        if (s.testo == testo) {
            s.volte += volte;
            return;
        }
    scelte.append({testo, volte});
}

void ordinaScelte(QList<Scelta>& scelte)
{
    std::stable_sort(scelte.begin(), scelte.end(), [](const Scelta& a, const Scelta& b) { return a.volte > b.volte; });
}

std::optional<int> numero(const QString& testo, int minimo, int massimo)
{
    if (testo.isEmpty() || testo.size() > 7)
        return std::nullopt;
    for (QChar c : testo)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const int n = testo.toInt();
    if (n < minimo || n > massimo)
        return std::nullopt;
    return n;
}

// "classe;parola;traduzione": the translation keeps any further ";", as in the vocabulary.
bool dividiVocabolo(const QString& testo, VoceRipasso& v)
{
    const qsizetype p1 = testo.indexOf(u';');
    const qsizetype p2 = p1 < 0 ? -1 : testo.indexOf(u';', p1 + 1);
    if (p2 < 0)
        return false;
    v.categoria = testo.left(p1);
    v.parola = testo.mid(p1 + 1, p2 - p1 - 1);
    v.traduzione = testo.mid(p2 + 1);
    return true;
}

bool vuota(const QString& riga)
{
    return riga.trimmed().isEmpty();
}

} // namespace

int VoceRipasso::errori() const
{
    int n = 0;
    for (const Scelta& s : scelte)
        n += s.volte;
    return n;
}

QList<VoceRipasso> piuSbagliate(QList<VoceRipasso> voci)
{
    std::stable_sort(voci.begin(), voci.end(), [](const VoceRipasso& a, const VoceRipasso& b) {
        if (a.errori() != b.errori())
            return a.errori() > b.errori();
        if (const int c = a.parola.compare(b.parola, Qt::CaseInsensitive))
            return c < 0;
        return a.giocatore < b.giocatore;
    });
    return voci;
}

void chiudiPartita(DatiRipasso& d, const RegistroPartita& partita)
{
    d.giocatori = partita.giocatori;
    d.nomi = partita.nomi;
    d.ultima.clear();

    // The words of this game, each once, with what every player pressed over all its askings.
    struct Esito {
        QString categoria, parola, traduzione;
        std::array<QList<Scelta>, 3> scelte;
        bool risposta = false;
    };
    QList<Esito> esiti;
    for (const auto& domanda : partita.domande) {
        auto it = std::find_if(esiti.begin(), esiti.end(), [&](const Esito& e) {
            return e.parola == domanda.parola && e.traduzione == domanda.traduzione;
        });
        if (it == esiti.end()) {
            esiti.append({domanda.categoria, domanda.parola, domanda.traduzione, {}, false});
            it = esiti.end() - 1;
        }
        it->categoria = domanda.categoria;
        it->risposta = it->risposta || domanda.risposta;
        for (std::size_t g = 1; g <= 2; ++g)
            for (const QString& testo : domanda.sbagli[g])
                aggiungiScelta(it->scelte[g], testo, 1);
    }

    for (const Esito& e : esiti) {
        auto nellElenco = std::find_if(d.tutte.begin(), d.tutte.end(),
                                       [&](const VoceRipasso& v) { return stessoVocabolo(v, e.parola, e.traduzione); });
        const bool sbagliata = !e.scelte[1].isEmpty() || !e.scelte[2].isEmpty();
        if (!sbagliata) {
            if (e.risposta && nellElenco != d.tutte.end() && ++nellElenco->giuste >= kPartiteGiusteBastano)
                d.tutte.erase(nellElenco);
            continue;
        }
        if (nellElenco == d.tutte.end()) {
            d.tutte.append({e.categoria, e.parola, e.traduzione, 1, 0, {}});
            nellElenco = d.tutte.end() - 1;
        }
        nellElenco->categoria = e.categoria;
        nellElenco->giuste = 0;
        for (std::size_t g = 1; g <= 2; ++g) {
            if (e.scelte[g].isEmpty())
                continue;
            VoceRipasso v{e.categoria, e.parola, e.traduzione, static_cast<int>(g), 0, e.scelte[g]};
            ordinaScelte(v.scelte);
            d.ultima.append(v);
            for (const Scelta& s : e.scelte[g])
                aggiungiScelta(nellElenco->scelte, s.testo, s.volte);
        }
        ordinaScelte(nellElenco->scelte);
    }
    d.ultima = piuSbagliate(d.ultima);
}

QByteArray testoRipasso(const DatiRipasso& dati)
{
    DatiRipasso d = dati;
    d.ultima = piuSbagliate(d.ultima);
    d.tutte = piuSbagliate(d.tutte);
    QStringList t;
    t << kIntestazione;
    for (const char* riga : kSpiegazione)
        t << QString::fromUtf8(riga);
    auto voce = [&t](const VoceRipasso& v, bool ultima) {
        t << QString() << kVocabolo + v.categoria + u';' + v.parola + u';' + v.traduzione;
        if (ultima)
            t << kGiocatore + QString::number(v.giocatore);
        else
            t << kGiuste + QString::number(v.giuste);
        for (const Scelta& s : v.scelte)
            t << kScelto + QString::number(s.volte) + u';' + s.testo;
    };
    t << QString() << kUltima;
    QString giocatori = kGiocatori + QString::number(d.giocatori);
    for (int g = 1; g <= d.giocatori; ++g)
        giocatori += u';' + d.nomi[static_cast<std::size_t>(g)];
    t << giocatori;
    for (const VoceRipasso& v : d.ultima)
        voce(v, true);
    t << QString() << kTutte;
    for (const VoceRipasso& v : d.tutte)
        voce(v, false);
    t << QString() << kFine;
    return cp1252::codifica(t.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

std::optional<DatiRipasso> leggiTestoRipasso(QByteArrayView testo)
{
    DatiRipasso d;
    enum class Parte { Inizio, Ultima, Tutte, Fine } parte = Parte::Inizio;
    bool intestazione = false, giocatoriLetti = false;
    VoceRipasso* corrente = nullptr;

    // A word's block is complete once it has what it must have.
    auto completa = [&]() { return !corrente || !corrente->scelte.isEmpty(); };

    for (QByteArrayView byte : righe(testo)) {
        const QString riga = cp1252::decodifica(byte);
        if (!intestazione) {
            if (riga != kIntestazione)
                return std::nullopt;
            intestazione = true;
            continue;
        }
        if (riga.startsWith(u'/') || vuota(riga))
            continue;
        if (parte == Parte::Fine)
            return std::nullopt; // nothing after the end mark
        if (riga == kUltima || riga == kTutte || riga == kFine) {
            if (!completa())
                return std::nullopt;
            corrente = nullptr;
            const Parte attesa = parte == Parte::Inizio ? Parte::Ultima : parte == Parte::Ultima ? Parte::Tutte : Parte::Fine;
            const Parte trovata = riga == kUltima ? Parte::Ultima : riga == kTutte ? Parte::Tutte : Parte::Fine;
            if (trovata != attesa || (trovata == Parte::Tutte && !giocatoriLetti))
                return std::nullopt;
            parte = trovata;
            continue;
        }
        if (parte == Parte::Inizio)
            return std::nullopt;
        auto& elenco = parte == Parte::Ultima ? d.ultima : d.tutte;

        // "key: value", the value verbatim to the end of the line.
        const qsizetype duepunti = riga.indexOf(QStringLiteral(": "));
        const QString chiave = duepunti < 0 ? QString() : riga.left(duepunti + 2);
        const QString v = riga.mid(duepunti + 2);
        if (chiave == kGiocatori) {
            if (parte != Parte::Ultima || giocatoriLetti)
                return std::nullopt;
            const QStringList pezzi = v.split(u';');
            const auto n = numero(pezzi.value(0), 0, 2);
            if (!n || pezzi.size() != *n + 1)
                return std::nullopt;
            d.giocatori = *n;
            for (int g = 1; g <= *n; ++g)
                d.nomi[static_cast<std::size_t>(g)] = pezzi[g];
            giocatoriLetti = true;
        } else if (chiave == kVocabolo) {
            if (!completa() || (parte == Parte::Ultima && (!giocatoriLetti || d.giocatori == 0)))
                return std::nullopt;
            VoceRipasso nuova;
            if (!dividiVocabolo(v, nuova))
                return std::nullopt;
            elenco.append(nuova);
            corrente = &elenco.last();
        } else if (chiave == kGiocatore) {
            const auto n = numero(v, 1, d.giocatori);
            if (parte != Parte::Ultima || !corrente || !corrente->scelte.isEmpty() || !n)
                return std::nullopt;
            corrente->giocatore = *n;
        } else if (chiave == kGiuste) {
            const auto n = numero(v, 0, kPartiteGiusteBastano - 1);
            if (parte != Parte::Tutte || !corrente || !corrente->scelte.isEmpty() || !n)
                return std::nullopt;
            corrente->giuste = *n;
        } else if (chiave == kScelto) {
            const qsizetype p = v.indexOf(u';');
            const auto n = numero(v.left(p), 1, kMassimoVolte);
            if (!corrente || p < 0 || !n)
                return std::nullopt;
            const QString scelta = v.mid(p + 1);
            for (const Scelta& s : corrente->scelte)
                if (s.testo == scelta)
                    return std::nullopt;
            corrente->scelte.append({scelta, *n});
        } else {
            return std::nullopt;
        }
    }
    if (parte != Parte::Fine)
        return std::nullopt; // cut short

    // Each word once per list (per player in the last game).
    auto doppie = [](const QList<VoceRipasso>& elenco, bool perGiocatore) {
        QSet<QString> visti;
        for (const VoceRipasso& v : elenco) {
            const QString chiave = v.parola + u'\n' + v.traduzione + u'\n' + QString::number(perGiocatore ? v.giocatore : 0);
            if (visti.contains(chiave))
                return true;
            visti.insert(chiave);
        }
        return false;
    };
    if (doppie(d.ultima, true) || doppie(d.tutte, false))
        return std::nullopt;
    for (auto* elenco : {&d.ultima, &d.tutte})
        for (VoceRipasso& v : *elenco)
            ordinaScelte(v.scelte);
    d.ultima = piuSbagliate(d.ultima);
    d.tutte = piuSbagliate(d.tutte);
    return d;
}

void Ripasso::carica()
{
    file_.carica(dati_, leggiTestoRipasso);
}

QStringList Ripasso::avvisi() const
{
    return file_.avvisi();
}

void Ripasso::partitaIniziata(int giocatori, const QString& nome1, const QString& nome2)
{
    chiudiInCorso();
    RegistroPartita p;
    p.giocatori = giocatori == 2 ? 2 : 1;
    p.nomi[1] = nome1;
    if (p.giocatori == 2)
        p.nomi[2] = nome2;
    inCorso_ = p;
}

void Ripasso::parolaChiesta(const QString& parola, const QString& traduzione, const QString& categoria, const QString&)
{
    if (inCorso_)
        inCorso_->domande.append({categoria, parola, traduzione, {}, false});
}

void Ripasso::rispostaGiudicata(int giocatore, const QString& scelta, bool esatta)
{
    // Keys on a board left over from an earlier game belong to no game.
    if (!inCorso_ || inCorso_->domande.isEmpty() || giocatore < 1 || giocatore > inCorso_->giocatori)
        return;
    auto& domanda = inCorso_->domande.last();
    if (esatta)
        domanda.risposta = true;
    else
        domanda.sbagli[static_cast<std::size_t>(giocatore)].append(scelta);
}

void Ripasso::partitaFinita()
{
    chiudiInCorso();
}

void Ripasso::chiudiInCorso()
{
    if (!inCorso_)
        return;
    const RegistroPartita p = std::move(*inCorso_);
    inCorso_.reset();
    if (p.domande.isEmpty())
        return;
    chiudiPartita(dati_, p);
    // A copy shares its lists until one side changes them: the text is made on the writing thread.
    file_.scrivi([copia = dati_] { return testoRipasso(copia); });
}

QString Ripasso::mancataRegistrazione()
{
    return file_.mancataRegistrazione();
}

} // namespace lex
