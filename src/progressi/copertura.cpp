#include "progressi/copertura.h"

#include "vocab/cp1252.h"
#include "vocab/righe.h"

#include <QHash>
#include <QSet>

namespace lex {

namespace {

std::optional<qint64> conto(const QString& t)
{
    if (t.isEmpty() || t.size() > 12)
        return std::nullopt;
    for (QChar c : t)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return t.toLongLong();
}

std::optional<QList<qint64>> conti(const QStringList& campi)
{
    QList<qint64> c;
    for (qsizetype i = 2; i < campi.size(); ++i) {
        const auto n = conto(campi[i]);
        if (!n)
            return std::nullopt;
        c.append(*n);
    }
    return c;
}

int percento(qint64 parte, qint64 tutto)
{
    return tutto > 0 ? static_cast<int>(parte * 100 / tutto) : 0;
}

} // namespace

QString nomeAutore(const QString& colonna)
{
    static const QHash<QString, QString> nomi{
        {QStringLiteral("Caesar"), QStringLiteral("Cesare")},       {QStringLiteral("Cicero"), QStringLiteral("Cicerone")},
        {QStringLiteral("Sallustius"), QStringLiteral("Sallustio")}, {QStringLiteral("Vergilius"), QStringLiteral("Virgilio")},
        {QStringLiteral("Ovidius"), QStringLiteral("Ovidio")},       {QStringLiteral("Horatius"), QStringLiteral("Orazio")},
        {QStringLiteral("Catullus"), QStringLiteral("Catullo")},     {QStringLiteral("Seneca"), QStringLiteral("Seneca")},
        {QStringLiteral("Tacitus"), QStringLiteral("Tacito")},
    };
    return nomi.value(colonna, colonna);
}

std::optional<TabellaCopertura> leggiCopertura(QByteArrayView testo)
{
    TabellaCopertura t;
    bool intestazione = false, totali = false, ok = true;
    perOgniRiga(testo, [&](QByteArrayView byte, int) {
        const QString riga = cp1252::decodifica(byte);
        if (riga.startsWith(u'#') || riga.trimmed().isEmpty())
            return true;
        const QStringList campi = riga.split(u'\t');
        if (!intestazione) {
            if (campi.size() < 3 || campi[0] != QLatin1String("parola"))
                return ok = false;
            t.autori = campi.mid(2);
            return intestazione = true;
        }
        const auto c = campi.size() == t.autori.size() + 2 ? conti(campi) : std::nullopt;
        if (!c)
            return ok = false;
        if (!totali) {
            for (qint64 n : *c)
                if (n <= 0)
                    return ok = false;
            t.totali = *c;
            return totali = true;
        }
        t.righe.append({campi[0], *c});
        return true;
    });
    if (!ok || !totali)
        return std::nullopt;
    return t;
}

QList<CoperturaAutore> copertura(const TabellaCopertura& t, const ProfiloProgressi& profilo, int prossime)
{
    QSet<QString> note;
    for (const VoceProgressi& v : profilo.voci)
        if (v.nota())
            note.insert(v.parola);
    const qsizetype n = t.autori.size();
    QList<qint64> lette(n, 0), aggiunte(n, 0);
    int daAggiungere = prossime;
    for (const TabellaCopertura::Riga& r : t.righe) {
        const bool nota = note.contains(r.parola);
        if (!nota && daAggiungere <= 0)
            continue;
        if (!nota)
            --daAggiungere;
        for (qsizetype a = 0; a < n && a < r.conti.size(); ++a)
            (nota ? lette : aggiunte)[a] += r.conti[a];
    }
    QList<CoperturaAutore> c;
    for (qsizetype a = 0; a < n; ++a)
        c.append({nomeAutore(t.autori[a]), percento(lette[a], t.totali.value(a)),
                  percento(lette[a] + aggiunte[a], t.totali.value(a))});
    return c;
}

QString rigaCopertura(const CoperturaAutore& c)
{
    return QStringLiteral("%1: %2% delle parole").arg(c.nome).arg(c.percento);
}

QString rigaProssime(const CoperturaAutore& c, int prossime)
{
    return QStringLiteral("+%1% con i prossimi %2 vocaboli").arg(c.conProssime - c.percento).arg(prossime);
}

} // namespace lex
