#include "review/elencopersonale.h"

#include "vocab/caricamento.h"
#include "vocab/cp1252.h"
#include "vocab/selezione.h"

#include <QCryptographicHash>

#include <map>

namespace lex {

namespace {
// A class as its box in the settings window names it.
QString nomeClasse(int classe)
{
    switch (classe) {
    case 1: return QStringLiteral("Nomi");
    case 2: return QStringLiteral("Aggettivi e pronomi");
    case 3: return QStringLiteral("Verbi");
    case 4: return QStringLiteral("Avverbi, cong., prep.");
    default: return QString::number(classe);
    }
}
} // namespace

QList<VoceRipasso> vocaboliUnici(const QList<VoceRipasso>& voci)
{
    QList<VoceRipasso> unici;
    for (const VoceRipasso& v : voci) {
        const bool gia = std::any_of(unici.begin(), unici.end(), [&](const VoceRipasso& u) {
            return u.parola == v.parola && u.traduzione == v.traduzione;
        });
        if (!gia)
            unici.append(v);
    }
    return unici;
}

QByteArray testoElencoPersonale(const QList<VoceRipasso>& voci)
{
    QStringList parole;
    for (const VoceRipasso& v : vocaboliUnici(voci))
        parole << QStringLiteral("0;") + v.categoria + u';' + v.parola + u';' + v.traduzione;
    // The signature tells a list the review wrote from one changed by hand afterwards, which a
    // later save must never write over.
    const QByteArray firma =
        QCryptographicHash::hash(cp1252::codifica(parole.join(u'\n')), QCryptographicHash::Sha256).toHex().left(8);
    QStringList t{
        QStringLiteral("/ Lexorio: elenco personale salvato dal ripasso degli errori (firma %1).")
            .arg(QString::fromLatin1(firma)),
        QStringLiteral("/ Si gioca spuntando 'Elenco personale (vocpers.txt)' nelle impostazioni."),
        QStringLiteral("/   frequenza;categoria;parola latina;traduzione italiana"),
        QStringLiteral("0;0;Lexorio;Elenco personale: ripasso degli errori"),
    };
    t << parole;
    return cp1252::codifica(t.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

bool scrittoDalRipasso(QByteArrayView testo)
{
    Vocabolario v;
    caricaVocaboli(testo, v);
    QList<VoceRipasso> voci;
    for (int i = 1; i <= v.ultimovoc; ++i) {
        const Voce& r = v.righe[static_cast<std::size_t>(i)];
        voci.append({r.categoria, r.parola, r.traduzione, 1, 0, {}});
    }
    // Written again from its own words it comes out the same, signature included, byte for byte.
    return testoElencoPersonale(voci) == testo;
}

CopiaElenco copiaPerElenco(FileSistema& fs)
{
    constexpr qint64 kMassimo = 4 << 20; // far beyond 1801 records: a larger file is not the review's
    for (int i = 1; i <= kCopieElenco; ++i) {
        const QString nome = i == 1 ? QStringLiteral("vocpers.bak") : QStringLiteral("vocpers-%1.bak").arg(i);
        if (!fs.esiste(nome))
            return {nome, false};
        QByteArray testo;
        QString motivo;
        if (fs.leggi(nome, testo, motivo, kMassimo) == Lettura::Letta && scrittoDalRipasso(testo))
            return {nome, true};
    }
    return {};
}

QString contaVocaboli(qsizetype n)
{
    return n == 1 ? QStringLiteral("1 vocabolo") : QStringLiteral("%1 vocaboli").arg(n);
}

bool salvaComeElencoPersonale(MessaggiBox& box, FileSistema& fs, const QString& titolo, const QByteArray& testo,
                              QStringList domanda, bool pochi,
                              const std::function<QString(const CopiaElenco&)>& sostituzione)
{
    const QString elenco = QString::fromLatin1(kElencoPersonale);
    CopiaElenco copia;
    const bool esiste = fs.esiste(elenco);
    if (esiste) {
        copia = copiaPerElenco(fs);
        if (copia.nome.isEmpty()) {
            box.mostra(QStringLiteral("Ci sono già %1 copie di vecchi elenchi (da vocpers.bak a vocpers-%1.bak): "
                                      "spostarne o cancellarne qualcuna, poi salvare di nuovo.")
                           .arg(kCopieElenco),
                       titolo, Icona::Errore, Pulsanti::Ok);
            return false;
        }
        domanda << sostituzione(copia);
    } else if (pochi) {
        domanda << QStringLiteral("Salvarli lo stesso?");
    }
    if (!domanda.isEmpty()
        && box.mostra(domanda.join(QStringLiteral("\n\n")), titolo, Icona::Domanda, Pulsanti::OkAnnulla) != Risposta::Ok)
        return false;
    QString motivo;
    if (esiste && !fs.copia(elenco, copia.nome, motivo)) {
        box.mostra(QStringLiteral("Impossibile conservare il vecchio vocpers.txt in %1 (%2): vocpers.txt è rimasto com'era.")
                       .arg(copia.nome, motivo),
                   titolo, Icona::Errore, Pulsanti::Ok);
        return false;
    }
    if (!fs.scrivi(elenco, testo, motivo)) {
        box.mostra(QStringLiteral("Impossibile salvare vocpers.txt (%1).").arg(motivo), titolo, Icona::Errore, Pulsanti::Ok);
        return false;
    }
    return true;
}

BisognoElenco bisognoElenco(const QList<VoceRipasso>& voci)
{
    BisognoElenco b;
    b.vocaboli = static_cast<int>(vocaboliUnici(voci).size());
    Vocabolario v;
    caricaVocaboli(testoElencoPersonale(voci), v);
    SceltaParole s;
    s.frequenze[0] = true;
    for (std::size_t i = 1; i <= 4; ++i)
        s.classi[i] = true;
    s.escludiSimili = true;
    const ListeParole l = selezionaVoci(v, s);
    b.scelti = static_cast<int>(l.vocabolo.size());
    s.escludiSimili = false;
    b.simili = static_cast<int>(selezionaVoci(v, s).vocabolo.size()) - b.scelti;

    // Wrong candidates come from the same class text, exactly as the game compares them.
    std::map<QString, int> perClasse;
    for (const QString& c : l.categoria)
        ++perClasse[c];
    for (const auto& [classe, quanti] : perClasse)
        if (quanti == 1)
            b.classiSole.append(leggiClasse(classe).value_or(0));
    return b;
}

QString notaElenco(const BisognoElenco& b)
{
    if (b.vocaboli == 0)
        return {};
    QStringList frasi;
    const auto mancano = [](int n) {
        return n == 1 ? QStringLiteral("ne manca 1") : QStringLiteral("ne mancano %1").arg(n);
    };
    if (b.mancanoPerGiocare() > 0)
        frasi << QStringLiteral("Salvati come elenco personale, non bastano per una partita: ne servono almeno %1, %2.")
                     .arg(kParoleMinime)
                     .arg(mancano(b.mancanoPerGiocare()));
    else if (b.mancanoSenzaAvviso() > 0)
        frasi << QStringLiteral("Salvati come elenco personale, bastano per una partita, che però parte con un avviso: "
                                "per evitarlo %1.")
                     .arg(mancano(b.mancanoSenzaAvviso()));
    if (b.simili == 1)
        frasi << QStringLiteral("Uno inizia come la sua traduzione: si gioca solo togliendo la spunta a "
                                "\"Escludi simili\".");
    else if (b.simili > 1)
        frasi << QStringLiteral("%1 iniziano come la loro traduzione: si giocano solo togliendo la spunta a "
                                "\"Escludi simili\".")
                     .arg(b.simili);
    if (!b.classiSole.isEmpty()) {
        QStringList classi;
        for (int classe : b.classiSole)
            classi << QStringLiteral("fra \"%1\"").arg(nomeClasse(classe));
        frasi << QStringLiteral("Un solo vocabolo %1: %2 altre caselle resterebbero vuote, perché le traduzioni "
                                "sbagliate vengono dalla stessa classe.")
                     .arg(classi.join(QStringLiteral(" e ")),
                          b.classiSole.size() == 1 ? QStringLiteral("le sue") : QStringLiteral("le loro"));
    }
    return frasi.join(u' ');
}

} // namespace lex
