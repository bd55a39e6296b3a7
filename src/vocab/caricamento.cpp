#include "vocab/caricamento.h"

#include "vocab/righe.h"

namespace lex {

namespace {

bool soloSpazi(const QString& riga)
{
    for (QChar c : riga)
        if (c != u' ')
            return false;
    return true;
}

} // namespace

bool dividiRecord(const QString& riga, Voce& voce)
{
    const qsizetype p1 = riga.indexOf(u';');
    if (p1 < 0)
        return false;
    const qsizetype p2 = riga.indexOf(u';', p1 + 1);
    if (p2 < 0)
        return false;
    const qsizetype p3 = riga.indexOf(u';', p2 + 1);
    if (p3 < 0)
        return false;
    voce.frequenza = riga.left(p1);
    voce.categoria = riga.mid(p1 + 1, p2 - p1 - 1);
    voce.parola = riga.mid(p2 + 1, p3 - p2 - 1);
    voce.traduzione = riga.mid(p3 + 1);
    return true;
}

EsitoCaricamento caricaVocaboli(QByteArrayView dati, Vocabolario& v)
{
    EsitoCaricamento e;
    e.codifica = riconosciCodifica(dati);
    if (e.codifica == Codifica::Utf8ConBom)
        dati = dati.sliced(qsizetype(sizeof kBomUtf8) - 1);
    perOgniRiga(dati, [&](QByteArrayView byte, int numero) {
        if (byte.startsWith('/'))
            return true; // comment
        const QString riga = decodificaRiga(byte, e.codifica);
        Voce voce;
        if (!dividiRecord(riga, voce)) {
            if (soloSpazi(riga))
                return true;
            e.rapporto += riga;
            e.rapporto += QStringLiteral("\r\n");
            e.righeDifettose.append(numero);
            if (e.rapporto.size() > kLimiteRapporto) {
                e.troppiDifettosi = true;
                return false;
            }
            return true;
        }
        if (e.caricati < kRigheVocabolario) {
            v.righe[static_cast<std::size_t>(e.caricati++)] = std::move(voce);
            e.righeRecord.append(numero);
        }
        else
            ++e.oltreLimite;
        return true;
    });
    v.ultimovoc = e.caricati - 1;
    return e;
}

QString rapportoVisibile(const QString& rapporto)
{
    constexpr qsizetype kMaxRiga = 120;
    const QStringList righe = rapporto.split(QStringLiteral("\r\n"));
    QStringList out;
    for (QString r : righe) {
        if (r.size() > kMaxRiga)
            r = r.left(kMaxRiga) + QStringLiteral("…");
        for (QChar& c : r)
            if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
                c = QChar(0xFFFD);
        out.append(r);
    }
    return out.join(QStringLiteral("\r\n"));
}

} // namespace lex
