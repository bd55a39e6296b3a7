#include "testo/lessico.h"

#include "testo/modelli.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>
#include <unordered_set>

namespace lex::testo {

namespace {

bool soloAscii(QStringView s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Appends the Latin letter c to out; false when c is no letter of the index.
bool aggiungiLettera(char16_t c, std::string& out)
{
    if (c >= u'A' && c <= u'Z')
        c = char16_t(c - u'A' + u'a');
    if (c >= u'a' && c <= u'z') {
        out += c == u'j' ? 'i' : c == u'v' ? 'u' : char(c);
        return true;
    }
    switch (c) {
    case u'æ': case u'Æ': out += "ae"; return true;
    case u'œ': case u'Œ': out += "oe"; return true;
    case u'ı': out += 'i'; return true; // dotless i, and the Cyrillic look-alikes found in the data
    case u'і': case u'І': out += 'i'; return true;
    case u'ѕ': out += 's'; return true;
    default: return false;
    }
}

QString senzaSegni(const QString& s)
{
    if (soloAscii(s))
        return s;
    QString out;
    for (QChar c : s.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    return out;
}

QStringList righeDi(const QString& percorso, QString* errore)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        if (errore)
            *errore = QStringLiteral("Non si legge %1.").arg(percorso);
        return {};
    }
    return QString::fromUtf8(f.readAll()).split(u'\n');
}

// Display form of a headword: no quantity marks, j as i, v kept.
QString formaVisibile(const QString& s)
{
    QString out = senzaSegni(s);
    out.replace(u'j', u'i').replace(u'J', u'I');
    return out;
}

Parte parteDi(char c)
{
    switch (c) {
    case 'n': return Parte::Nome;
    case 'a': return Parte::Aggettivo;
    case 'm': return Parte::Numerale;
    case 'p': return Parte::Pronome;
    case 'v': return Parte::Verbo;
    default: return Parte::Invariabile;
    }
}

} // namespace

// The base letter of each precomposed Latin letter up to U+024F (ā ĕ ȳ …), decomposed once.
const std::array<char16_t, 0x250>& basi()
{
    static const std::array<char16_t, 0x250> tabella = [] {
        std::array<char16_t, 0x250> t{};
        for (char16_t c = 0x80; c < 0x250; ++c) {
            const QString d = QString(QChar(c)).normalized(QString::NormalizationForm_D);
            t[c] = d.isEmpty() ? c : d.front().unicode();
        }
        return t;
    }();
    return tabella;
}

std::string normalizza(QStringView parola)
{
    std::string out;
    out.reserve(std::size_t(parola.size()));
    for (QChar q : parola) {
        char16_t c = q.unicode();
        if (c >= 0x300 && c < 0x370)
            continue; // combining quantity marks and accents
        if (c >= 0x80 && c < 0x250)
            c = basi()[c];
        else if (c == u'ў' || c == u'Ў')
            c = u'y'; // the Cyrillic short u that the data uses for y with a breve
        else if (c >= 0x1E00 && c < 0x1F00)
            c = QString(q).normalized(QString::NormalizationForm_D).front().unicode(); // ụ and the like
        if (!aggiungiLettera(c, out))
            return {};
    }
    return out;
}

QString Lessico::cartellaPredefinita()
{
    return QStringLiteral("/usr/share/collatinus/data");
}

std::size_t Lessico::numeroModelli() const
{
    return modelli_ ? modelli_->elenco.size() : 0;
}

bool Lessico::carica(const QString& cartella, QString* errore)
{
    const QStringList modelli = righeDi(cartella + QStringLiteral("/modeles.la"), errore);
    if (modelli.isEmpty())
        return false;
    const QStringList lemmi = righeDi(cartella + QStringLiteral("/lemmes.la"), errore);
    if (lemmi.isEmpty())
        return false;
    auto m = std::make_shared<Modelli>();
    leggiModelli(modelli, *m);
    modelli_ = m;
    lemmi_.clear();
    radici_.clear();
    uscite_.clear();
    irregolari_.clear();

    std::unordered_set<std::string> viste;
    for (std::size_t i = 0; i < m->elenco.size(); ++i) {
        const Modello& mod = m->elenco[i];
        std::vector<std::string> suffissi = mod.suffissiFissi;
        if (suffissi.empty())
            suffissi.emplace_back();
        for (const Desinenza& d : mod.desinenze)
            for (const std::string& s : suffissi) {
                // A model's own endings already carry its fixed suffix (quidam: "quiddam").
                const std::string u = d.ereditata || mod.suffissiFissi.empty() ? d.uscita + s : d.uscita;
                maxUscita_ = std::max(maxUscita_, u.size());
                const Uscita nuova{std::uint16_t(i), d.radice, d.morfo};
                // Models repeat their parents' endings: each (ending, model, stem, morphology) once.
                std::string chiave = u;
                chiave.append(reinterpret_cast<const char*>(&nuova), sizeof nuova);
                if (viste.insert(std::move(chiave)).second)
                    uscite_[u].push_back(nuova);
            }
    }
    lemmi_.reserve(std::size_t(lemmi.size()));
    radici_.reserve(std::size_t(lemmi.size()) * 3);
    for (const QString& riga : lemmi)
        if (!riga.startsWith(u'!') && !riga.trimmed().isEmpty())
            aggiungiLemma(riga.trimmed());

    // Irregular forms name their lemma by its key.
    perChiave_.clear();
    for (std::uint32_t i = 0; i < lemmi_.size(); ++i)
        perChiave_.emplace(lemmi_[i].chiave, i);
    const auto& perChiave = perChiave_;
    for (const QString& grezza : righeDi(cartella + QStringLiteral("/irregs.la"), nullptr)) {
        const QString riga = grezza.trimmed();
        if (riga.isEmpty() || riga.startsWith(u'!'))
            continue;
        const QStringList campi = riga.split(u':');
        if (campi.size() < 3)
            continue;
        QString forma = campi[0];
        forma.remove(u'*');
        const auto l = perChiave.find(normalizza(campi[1]));
        const std::string f = normalizza(forma);
        if (l == perChiave.end() || f.empty())
            continue;
        for (int morfo : intervalli(campi[2]))
            irregolari_[f].push_back({l->second, std::uint16_t(morfo)});
    }
    for (const QString& grezza : righeDi(cartella + QStringLiteral("/contractions.la"), nullptr)) {
        const QStringList campi = grezza.trimmed().split(u':');
        if (campi.size() == 2 && !campi[0].startsWith(u'!'))
            contrazioni_.emplace_back(normalizza(campi[0]), normalizza(campi[1]));
    }
    for (const QString& grezza : righeDi(cartella + QStringLiteral("/assimilations.la"), nullptr)) {
        const QStringList campi = grezza.trimmed().split(u':');
        if (campi.size() == 2 && !campi[0].startsWith(u'!'))
            assimilazioni_.emplace_back(normalizza(campi[0]), normalizza(campi[1]));
    }
    std::erase_if(contrazioni_, [](const auto& p) { return p.first.empty() || p.second.empty(); });
    std::erase_if(assimilazioni_, [](const auto& p) { return p.first.empty() || p.second.empty(); });
    if (lemmi_.empty() && errore)
        *errore = QStringLiteral("Nessun lemma in %1/lemmes.la.").arg(cartella);
    return !lemmi_.empty();
}

void Lessico::aggiungiLemma(const QString& riga)
{
    // key=forms with quantities|model|stem 1|stem 2|note|count
    const QStringList campi = riga.split(u'|');
    if (campi.size() < 6)
        return;
    const auto mod = modelli_->perNome.find(campi[1].toStdString());
    if (mod == modelli_->perNome.end())
        return;
    const qsizetype uguale = campi[0].indexOf(u'=');
    const QString chiaveIntera = uguale < 0 ? campi[0] : campi[0].first(uguale);
    const QString forme = uguale < 0 ? chiaveIntera : campi[0].sliced(uguale + 1);
    QString chiave = chiaveIntera;
    while (!chiave.isEmpty() && chiave.back().isDigit())
        chiave.chop(1);
    Lemma l;
    // The key keeps its homograph number ("cum2"), which the normaliser would refuse.
    l.chiave = normalizza(chiave);
    if (l.chiave.empty())
        return;
    l.chiave += chiaveIntera.sliced(chiave.size()).toStdString();
    std::vector<std::string> canoniche;
    for (const QString& f : forme.split(u',')) {
        QString g = f;
        while (!g.isEmpty() && g.back().isDigit())
            g.chop(1);
        const std::string n = normalizza(g);
        if (!n.empty())
            canoniche.push_back(n);
    }
    if (canoniche.empty())
        return;
    l.forma = formaVisibile(forme.split(u',').front());
    while (!l.forma.isEmpty() && l.forma.back().isDigit())
        l.forma.chop(1);
    l.nota = campi[4];
    l.conteggio = campi[5].toInt();
    l.modello = mod->second;
    const Modello& m = modelli_->elenco[mod->second];
    l.parte = parteDi(m.parte);
    l.proprio = !chiave.isEmpty() && chiave.front().isUpper();
    if (lemmi_.size() >= 0xFFFFFFF)
        return;
    const auto indice = std::uint32_t(lemmi_.size());
    lemmi_.push_back(std::move(l));

    std::vector<int> numeri;
    for (const auto& [n, regola] : m.radici)
        numeri.push_back(n);
    for (const Desinenza& d : m.desinenze)
        if (std::find(numeri.begin(), numeri.end(), d.radice) == numeri.end())
            numeri.push_back(d.radice);
    for (int n : numeri) {
        std::vector<std::string> radici;
        if ((n == 1 || n == 2) && !campi[n + 1].isEmpty()) {
            for (const QString& r : campi[n + 1].split(u','))
                if (const std::string s = normalizza(r); !s.empty())
                    radici.push_back(s);
        } else if (const auto r = m.radici.find(n); r != m.radici.end()) {
            for (const std::string& c : canoniche) {
                if (r->second.tipo == RegolaRadice::Intera)
                    radici.push_back(c);
                else if (r->second.tipo == RegolaRadice::Taglia && std::size_t(r->second.taglia) <= c.size())
                    radici.push_back(c.substr(0, c.size() - std::size_t(r->second.taglia)) + r->second.aggiunta);
            }
        }
        for (const std::string& s : radici) {
            auto& v = radici_[s];
            const Voce nuova{indice, std::uint16_t(n)};
            // This lemma's entries are the last ones of the list, if any.
            if (std::none_of(v.rbegin(), v.rend() - std::ptrdiff_t(v.size() - std::min<std::size_t>(v.size(), 8)),
                             [&](const Voce& x) { return x.lemma == indice && x.radice == nuova.radice; }))
                v.push_back(nuova);
        }
    }
}

void Lessico::analizzaCon(std::string_view forma, std::vector<Analisi>& out) const
{
    const std::size_t n = forma.size();
    const std::size_t da = n > maxUscita_ ? n - maxUscita_ : 0;
    std::string radice;
    for (std::size_t i = da; i <= n; ++i) {
        const auto u = uscite_.find(std::string(forma.substr(i)));
        if (u == uscite_.end())
            continue;
        radice.assign(forma.substr(0, i));
        const auto r = radici_.find(radice);
        if (r == radici_.end())
            continue;
        for (const Voce& v : r->second)
            for (const Uscita& x : u->second)
                if (x.radice == v.radice && x.modello == lemmi_[v.lemma].modello)
                    out.push_back({v.lemma, x.morfo});
    }
    if (const auto irr = irregolari_.find(std::string(forma)); irr != irregolari_.end())
        out.insert(out.end(), irr->second.begin(), irr->second.end());
}

std::optional<std::uint32_t> Lessico::cerca(const std::string& chiave) const
{
    const auto i = perChiave_.find(chiave);
    if (i == perChiave_.end())
        return std::nullopt;
    return i->second;
}

std::vector<Analisi> Lessico::analizza(std::string_view forma) const
{
    std::vector<Analisi> out;
    if (forma.empty() || forma.size() > 40)
        return out;
    analizzaCon(forma, out);
    if (out.empty()) {
        // Contracted perfects (amarunt, audisse) and assimilated prefixes (adfero/affero).
        for (const auto& [breve, lunga] : contrazioni_)
            if (forma.size() > breve.size() && forma.ends_with(breve))
                analizzaCon(std::string(forma.substr(0, forma.size() - breve.size())) + lunga, out);
        // Genitives in -i for -ii (imperi, consili).
        if (forma.ends_with('i'))
            analizzaCon(std::string(forma) + 'i', out);
        // Perfects in -ii- written with one i (transisse, subissent).
        for (std::size_t j = 1; j + 3 <= forma.size(); ++j)
            if (forma[j - 1] != 'i' && (forma.substr(j, 3) == "iss" || forma.substr(j, 3) == "ist"))
                analizzaCon(std::string(forma.substr(0, j)) + 'i' + std::string(forma.substr(j)), out);
        for (const auto& [a, b] : assimilazioni_) {
            if (forma.starts_with(a))
                analizzaCon(b + std::string(forma.substr(a.size())), out);
            else if (forma.starts_with(b))
                analizzaCon(a + std::string(forma.substr(b.size())), out);
        }
    }
    std::vector<Analisi> unici;
    for (const Analisi& a : out)
        if (std::find(unici.begin(), unici.end(), a) == unici.end())
            unici.push_back(a);
    return unici;
}

} // namespace lex::testo
