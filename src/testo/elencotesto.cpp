#include "testo/elencotesto.h"

#include "vocab/caricamento.h"
#include "vocab/cp1252.h"
#include "vocab/selezione.h"
#include "vocab/righe.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>

namespace lex::testo {

namespace {

QByteArray risorsa(const char* nome)
{
    QFile f(QLatin1String(":/testo/") + QLatin1String(nome));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A key of tools/vocab/*.tsv (Collatinus's, v and j kept) as the lexicon keeps it.
std::string chiaveDi(QByteArrayView b)
{
    QString s = QString::fromUtf8(b).trimmed();
    qsizetype n = s.size();
    while (n > 0 && s[n - 1].isDigit())
        --n;
    const std::string base = normalizza(QStringView(s).first(n));
    return base.empty() ? std::string() : base + s.sliced(n).toStdString();
}

int classeDi(const Lemma& l)
{
    switch (l.parte) {
    case Parte::Nome: return 1;
    case Parte::Aggettivo:
    case Parte::Pronome:
    case Parte::Numerale: return 2;
    case Parte::Verbo: return 3;
    case Parte::Invariabile: return 4;
    }
    return 4;
}

QString senzaSegni(const QString& s)
{
    QString out;
    for (QChar c : s.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    out.replace(u'j', u'i');
    return out;
}

} // namespace

TestoLetto leggiTesto(QByteArrayView dati)
{
    TestoLetto t;
    if (dati.size() > kTestoMassimo) {
        t.errore = QStringLiteral("Il testo è troppo lungo: al massimo %1 MB.").arg(kTestoMassimo / (1024 * 1024));
        return t;
    }
    if (sembraUtf16(dati) || dati.contains('\0')) {
        t.errore = sembraUtf16(dati) ? QStringLiteral("Il file è in UTF-16: salvalo come UTF-8 o Windows-1252 e riprova.")
                                     : QStringLiteral("Il file non è un testo: contiene byte nulli.");
        return t;
    }
    t.codifica = riconosciCodifica(dati);
    if (t.codifica == Codifica::Utf8ConBom)
        dati = dati.sliced(3);
    t.testo = t.codifica == Codifica::Windows1252 ? cp1252::decodifica(dati) : QString::fromUtf8(dati);
    // Control characters other than white space are a sign of a binary file.
    const auto controlli = std::count_if(t.testo.begin(), t.testo.end(), [](QChar c) {
        return c.category() == QChar::Other_Control && !c.isSpace();
    });
    if (controlli > 0 && controlli * 100 > t.testo.size()) {
        t.errore = QStringLiteral("Il file non sembra un testo: troppi caratteri di controllo.");
        t.testo.clear();
    }
    return t;
}

bool Casa::caricaIncorporata()
{
    carica(risorsa("lemmi.tsv"), risorsa("fusioni.tsv"), risorsa("vocaboli.txt"));
    return !voci_.empty();
}

void Casa::carica(QByteArrayView lemmi, QByteArrayView fusioni, QByteArrayView vocaboli)
{
    voci_.clear();
    fusioni_.clear();
    // Translations by headword; the house's list and its key table are generated together.
    std::map<QString, QString> traduzioni;
    perOgniRiga(vocaboli, [&](QByteArrayView riga, int) {
        const QString r = cp1252::decodifica(riga);
        const QStringList c = r.split(u';');
        if (!r.startsWith(u'/') && c.size() >= 4)
            traduzioni.emplace(c[2], c.mid(3).join(u';'));
        return true;
    });
    perOgniRiga(lemmi, [&](QByteArrayView riga, int) {
        const QList<QByteArray> campi = riga.toByteArray().split('\t');
        if (riga.startsWith('#') || campi.size() < 5)
            return true;
        VoceCasa v;
        v.banda = campi[2].toInt();
        v.classe = campi[3].toInt();
        v.parola = QString::fromUtf8(campi[4]);
        const auto t = traduzioni.find(v.parola);
        if (t == traduzioni.end() || v.banda < 1 || v.banda > 4)
            return true;
        v.traduzione = t->second;
        if (const std::string k = chiaveDi(campi[0]); !k.empty())
            voci_.emplace(k, v);
        return true;
    });
    perOgniRiga(fusioni, [&](QByteArrayView riga, int) {
        const QList<QByteArray> campi = riga.toByteArray().split('\t');
        if (!riga.startsWith('#') && campi.size() >= 2)
            fusioni_.emplace(chiaveDi(campi[0]), chiaveDi(campi[1]));
        return true;
    });
}

const VoceCasa* Casa::trova(const Lemma& l) const
{
    std::string k = l.chiave;
    if (const auto f = fusioni_.find(k); f != fusioni_.end())
        k = f->second;
    if (const auto v = voci_.find(k); v != voci_.end())
        return &v->second;
    // A spelling variant names its main lemma in its note ("cf. causa").
    const qsizetype cf = l.nota.indexOf(QLatin1String("cf. "));
    if (cf >= 0) {
        const QString altra = l.nota.sliced(cf + 4).section(u' ', 0, 0).remove(u',').remove(u'.');
        if (const auto v = voci_.find(normalizza(senzaSegni(altra))); v != voci_.end())
            return &v->second;
    }
    return nullptr;
}

bool Glosse::carica(const QString& cartella)
{
    QFile f(cartella + QStringLiteral("/lemmes.it"));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    perOgniRiga(f.readAll(), [this](QByteArrayView riga, int) {
        const qsizetype due = riga.indexOf(':');
        if (due > 0 && !riga.startsWith('!'))
            glosse_.emplace(normalizza(QString::fromUtf8(riga.first(due))), QString::fromUtf8(riga.sliced(due + 1)));
        return true;
    });
    return !glosse_.empty();
}

QString accorcia(const QString& traduzione)
{
    QString t = traduzione.simplified();
    if (t.size() <= 24)
        return t;
    t.truncate(25);
    const qsizetype spazio = t.lastIndexOf(u' ');
    t.truncate(spazio > 3 ? spazio : 24);
    while (t.endsWith(u',') || t.endsWith(u' '))
        t.chop(1);
    return t;
}

QString Glosse::glossa(const Lemma& l) const
{
    const auto g = glosse_.find(senzaNumero(l.chiave));
    if (g == glosse_.end())
        return {};
    QString t = g->second;
    if (t.startsWith(QLatin1String("1.")))
        t = t.sliced(2);
    // The first sense: up to the first separator, without the article.
    const qsizetype fine = t.indexOf(QRegularExpression(QStringLiteral("[;:(,]|\\d\\.")));
    if (fine > 0)
        t.truncate(fine);
    t = t.trimmed();
    for (const char* articolo : {"il ", "lo ", "la ", "i ", "gli ", "le ", "l'"})
        if (t.startsWith(QLatin1String(articolo)))
            t = t.sliced(qsizetype(std::strlen(articolo)));
    t.remove(u';');
    return accorcia(t);
}

QString formaCasa(const Lemma& l)
{
    QString nota = senzaSegni(l.nota);
    for (const char* via : {" cf.", "cf.", " ou ", "("})
        if (const qsizetype i = nota.indexOf(QLatin1String(via)); i >= 0)
            nota.truncate(i);
    QStringList pezzi;
    for (const QString& p : nota.split(u','))
        if (!p.trimmed().isEmpty())
            pezzi << p.trimmed();
    const QString forma = senzaSegni(l.forma);
    switch (l.parte) {
    case Parte::Invariabile:
        if (l.nota.contains(QLatin1String("+ abl")))
            return forma + QStringLiteral(" (+ abl.)");
        if (l.nota.contains(QLatin1String("+ acc")))
            return forma + QStringLiteral(" (+ acc.)");
        return forma;
    case Parte::Verbo:
        // "is, ere, duxi, ductum" -> "duco, -is, duxi, ductum, -ere"
        if (pezzi.size() >= 2) {
            QStringList out{forma, u'-' + pezzi[0]};
            out << pezzi.mid(2);
            out << u'-' + pezzi[1];
            return out.join(QStringLiteral(", "));
        }
        break;
    case Parte::Nome:
    case Parte::Aggettivo:
    case Parte::Pronome:
    case Parte::Numerale:
        if (!pezzi.isEmpty()) {
            QStringList out{forma};
            for (const QString& p : pezzi)
                out << (p.endsWith(u'.') || p.contains(u' ') ? p : u'-' + p);
            return out.join(QStringLiteral(", "));
        }
        break;
    }
    return forma;
}

void assegnaLemma(VoceTesto& v, std::uint32_t lemma, const Lessico& lessico, const Casa& casa, const Glosse* glosse)
{
    const Lemma& l = lessico.lemma(lemma);
    v.lemma = lemma;
    if (const VoceCasa* c = casa.trova(l)) {
        v.classe = c->classe;
        v.banda = c->banda;
        v.parola = c->parola;
        v.traduzione = c->traduzione;
        v.daControllare = false;
    } else {
        v.classe = classeDi(l);
        v.banda = 0;
        v.parola = formaCasa(l);
        v.traduzione = glosse ? glosse->glossa(l) : QString();
        v.daControllare = true;
    }
}

int ElencoTesto::paroleNelleMille() const
{
    int n = 0;
    for (const VoceTesto& v : voci)
        n += v.banda > 0 ? v.occorrenze : 0;
    return n;
}

int ElencoTesto::perBanda(int banda) const
{
    return int(std::count_if(voci.begin(), voci.end(), [banda](const VoceTesto& v) { return v.banda == banda; }));
}

void RaccoltaElenco::aggiungi(const Parola& p)
{
    if (p.tipo == Parola::Tipo::Numero || p.tipo == Parola::Tipo::Segni)
        return;
    ++e_.parole;
    if (p.tipo == Parola::Tipo::Sconosciuta || p.candidati.empty()) {
        if (visti_.insert(u'?' + p.scritta).second)
            e_.sconosciute << p.scritta;
        return;
    }
    const Lemma& l = lessico_.lemma(p.candidati.front());
    if (l.proprio) {
        if (visti_.insert(u'!' + l.forma).second)
            e_.nomiPropri << l.forma;
        return;
    }
    auto [it, nuova] = dove_.emplace(p.candidati.front(), e_.voci.size());
    if (nuova) {
        VoceTesto v;
        assegnaLemma(v, p.candidati.front(), lessico_, casa_, glosse_);
        e_.voci.push_back(v);
    }
    VoceTesto& v = e_.voci[it->second];
    ++v.occorrenze;
    for (std::size_t k = 1; k < p.candidati.size(); ++k)
        if (std::find(v.alternative.begin(), v.alternative.end(), p.candidati[k]) == v.alternative.end())
            v.alternative.push_back(p.candidati[k]);
}

ElencoTesto elencoDaTesto(const std::vector<Parola>& parole, const Lessico& lessico, const Casa& casa, const Glosse* glosse)
{
    RaccoltaElenco r(lessico, casa, glosse);
    for (const Parola& p : parole)
        r.aggiungi(p);
    return r.elenco();
}

QByteArray testoElenco(const ElencoTesto& e, const QString& titolo)
{
    QStringList t{
        QStringLiteral("/ Lexorio: elenco personale fatto dalle parole di un testo latino."),
        QStringLiteral("/ Si gioca spuntando 'Elenco personale (vocpers.txt)' nelle impostazioni."),
        QStringLiteral("/ Le righe precedute da 'da controllare' hanno una traduzione suggerita dal lessico:"),
        QStringLiteral("/ correggetela prima di giocare."),
        QStringLiteral("/   frequenza;categoria;parola latina;traduzione italiana"),
        QStringLiteral("0;0;Lexorio;") + QString(titolo).remove(u'\r').remove(u'\n'),
    };
    for (const VoceTesto& v : e.voci) {
        if (!v.tenuta)
            continue;
        // A ';' in the headword would move the translation into another field.
        const QString parola = QString(v.parola).replace(u';', u',').remove(u'\r').remove(u'\n');
        const QString traduzione = QString(v.traduzione).remove(u'\r').remove(u'\n');
        if (v.daControllare)
            t << QStringLiteral("/ da controllare: ") + parola;
        t << QStringLiteral("0;%1;%2;%3").arg(v.classe).arg(parola, traduzione);
    }
    return cp1252::codifica(t.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

int vocaboliGiocabili(QByteArrayView elenco)
{
    Vocabolario v;
    caricaVocaboli(elenco, v);
    SceltaParole s;
    s.frequenze[0] = true;
    for (std::size_t i = 1; i <= 4; ++i)
        s.classi[i] = true;
    s.escludiSimili = true;
    return int(selezionaVoci(v, s).vocabolo.size());
}

QString riassunto(const ElencoTesto& e)
{
    const int nelleMille = e.perBanda(1) + e.perBanda(2) + e.perBanda(3) + e.perBanda(4);
    QString r = QStringLiteral("%1 parole, %2 lemmi").arg(e.parole).arg(e.voci.size());
    if (e.parole > 0)
        r += QStringLiteral(": l'%1% delle parole è fra i 1600 vocaboli").arg(qRound(100.0 * e.paroleNelleMille() / e.parole));
    r += QStringLiteral(".\nLemmi fra i 1600 vocaboli: %1 (frequenza 1: %2, 2: %3, 3: %4, 4: %5); fuori elenco: %6.\n")
             .arg(nelleMille)
             .arg(e.perBanda(1))
             .arg(e.perBanda(2))
             .arg(e.perBanda(3))
             .arg(e.perBanda(4))
             .arg(qsizetype(e.voci.size()) - nelleMille);
    const int riconosciute = e.parole - int(e.sconosciute.size());
    if (e.parole > 0 && riconosciute * 2 < e.parole)
        r += QStringLiteral("Meno di metà delle parole è latina: il testo è davvero in latino?\n");
    if (!e.nomiPropri.isEmpty())
        r += QStringLiteral("Nomi propri lasciati fuori (%1): %2.\n").arg(e.nomiPropri.size()).arg(e.nomiPropri.join(QStringLiteral(", ")));
    if (!e.sconosciute.isEmpty())
        r += QStringLiteral("Forme non riconosciute (%1): %2.\n").arg(e.sconosciute.size()).arg(e.sconosciute.join(QStringLiteral(", ")));
    return r;
}

} // namespace lex::testo
