#include "testo/modelli.h"

#include <QHash>

#include <algorithm>
#include <set>

namespace lex::testo {

std::vector<int> intervalli(QStringView testo)
{
    std::vector<int> out;
    for (QStringView pezzo : testo.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype trattino = pezzo.indexOf(u'-');
        bool ok1 = false;
        bool ok2 = false;
        if (trattino < 0) {
            const int n = pezzo.trimmed().toInt(&ok1);
            if (ok1 && n >= 0 && n < 10000)
                out.push_back(n);
            continue;
        }
        const int da = pezzo.first(trattino).trimmed().toInt(&ok1);
        const int a = pezzo.sliced(trattino + 1).trimmed().toInt(&ok2);
        if (ok1 && ok2 && da >= 0 && a < 10000)
            for (int n = da; n <= a; ++n)
                out.push_back(n);
    }
    return out;
}

namespace {

// An ending as the index keeps it: "-" is no ending; a trailing digit marks a rare variant.
std::string uscitaNormale(QString s)
{
    while (!s.isEmpty() && s.back().isDigit())
        s.chop(1);
    if (s == u"-" || s.isEmpty())
        return {};
    return normalizza(s);
}

// The ';'-separated endings of a "des" line, constants expanded: what precedes "$name" is put
// before every ending of the constant.
QStringList espandi(const QString& lista, const QHash<QString, QString>& costanti)
{
    QStringList out;
    for (const QString& voce : lista.split(u';')) {
        const qsizetype dollaro = voce.indexOf(u'$');
        if (dollaro < 0) {
            out << voce;
            continue;
        }
        const QString prefisso = voce.first(dollaro);
        const auto c = costanti.constFind(voce.sliced(dollaro + 1));
        if (c == costanti.constEnd())
            continue;
        for (const QString& v : c->split(u';')) {
            QStringList alternative = v.split(u',');
            for (QString& a : alternative)
                a.prepend(prefisso);
            out << alternative.join(u',');
        }
    }
    return out;
}

void aggiungiDesinenze(Modello& m, const QStringList& campi, bool sostituisce, const QHash<QString, QString>& costanti)
{
    if (campi.size() < 4)
        return;
    const std::vector<int> morfi = intervalli(campi[1]);
    bool ok = false;
    const int radice = campi[2].toInt(&ok);
    if (!ok || morfi.empty())
        return;
    const QStringList uscite = espandi(campi.mid(3).join(u':'), costanti);
    if (uscite.isEmpty())
        return;
    if (sostituisce) {
        const std::set<int> via(morfi.begin(), morfi.end());
        std::erase_if(m.desinenze, [&](const Desinenza& d) { return d.ereditata && via.count(d.morfo); });
    }
    for (std::size_t i = 0; i < morfi.size(); ++i) {
        // A list shorter than its range repeats its last ending.
        const QString& voce = uscite[qsizetype(std::min(i, std::size_t(uscite.size() - 1)))];
        for (const QString& alt : voce.split(u','))
            m.desinenze.push_back({std::uint16_t(morfi[i]), std::uint16_t(radice), uscitaNormale(alt), false});
    }
}

void regolaRadice(Modello& m, const QStringList& campi)
{
    if (campi.size() < 3)
        return;
    bool ok = false;
    const int n = campi[1].toInt(&ok);
    if (!ok)
        return;
    RegolaRadice r;
    const QString& regola = campi[2];
    if (regola == u"K") {
        r.tipo = RegolaRadice::Intera;
    } else if (regola == u"-") {
        r.tipo = RegolaRadice::SoloDaLemma;
    } else {
        const QStringList parti = regola.split(u',');
        r.taglia = parti[0].toInt(&ok);
        if (!ok)
            return;
        if (parti.size() > 1 && parti[1] != u"0")
            r.aggiunta = normalizza(parti[1]);
    }
    m.radici[n] = r;
}

void suffissoFacoltativo(Modello& m, const QStringList& campi)
{
    if (campi.size() < 3)
        return;
    const std::vector<int> morfi = intervalli(campi[1]);
    const std::set<int> quali(morfi.begin(), morfi.end());
    const std::string suffisso = uscitaNormale(campi[2]);
    const std::size_t n = m.desinenze.size();
    for (std::size_t i = 0; i < n; ++i) {
        Desinenza d = m.desinenze[i];
        if (quali.count(d.morfo)) {
            d.uscita += suffisso;
            m.desinenze.push_back(d);
        }
    }
}

} // namespace

void leggiModelli(const QStringList& righe, Lessico::Modelli& out)
{
    QHash<QString, QString> costanti;
    Modello* m = nullptr;
    for (const QString& grezza : righe) {
        const QString riga = grezza.trimmed();
        if (riga.isEmpty() || riga.startsWith(u'!'))
            continue;
        if (riga.startsWith(u'$')) {
            const qsizetype uguale = riga.indexOf(u'=');
            if (uguale > 1)
                costanti.insert(riga.mid(1, uguale - 1), riga.sliced(uguale + 1));
            continue;
        }
        const QStringList campi = riga.split(u':');
        const QString& chiave = campi[0];
        if (chiave == u"modele" && campi.size() > 1) {
            if (out.elenco.size() >= 0xFFFF)
                return;
            out.elenco.push_back({});
            m = &out.elenco.back();
            m->nome = campi[1].toStdString();
            out.perNome[m->nome] = std::uint16_t(out.elenco.size() - 1);
            continue;
        }
        if (m == nullptr || campi.size() < 2)
            continue;
        if (chiave == u"pere") {
            const auto p = out.perNome.find(campi[1].toStdString());
            if (p == out.perNome.end())
                continue;
            const std::string nome = m->nome;
            *m = out.elenco[p->second];
            m->nome = nome;
            for (Desinenza& d : m->desinenze)
                d.ereditata = true;
            m->suffissiEreditati = true;
        } else if (chiave == u"pos") {
            m->parte = campi[1].isEmpty() ? 'i' : char(campi[1][0].unicode());
        } else if (chiave == u"R") {
            regolaRadice(*m, campi);
        } else if (chiave == u"des" || chiave == u"des+") {
            aggiungiDesinenze(*m, campi, chiave == u"des", costanti);
        } else if (chiave == u"abs") {
            const std::vector<int> morfi = intervalli(campi[1]);
            const std::set<int> via(morfi.begin(), morfi.end());
            std::erase_if(m->desinenze, [&](const Desinenza& d) { return via.count(d.morfo) > 0; });
        } else if (chiave == u"suf") {
            suffissoFacoltativo(*m, campi);
        } else if (chiave == u"sufd") {
            // A child model's own "sufd" replaces what it inherited.
            if (m->suffissiEreditati) {
                m->suffissiFissi.clear();
                m->suffissiEreditati = false;
            }
            m->suffissiFissi.push_back(uscitaNormale(campi[1]));
        }
    }
}

} // namespace lex::testo
