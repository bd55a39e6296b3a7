#include "vocab/sinonimi.h"

#include <QFile>

namespace lex {

Sinonimi Sinonimi::daTesto(QStringView testo)
{
    Sinonimi s;
    const auto aggiungi = [&s](const QString& a, const QString& b) {
        QStringList& l = s.perSenso[a];
        if (!l.contains(b))
            l << b;
    };
    for (QStringView riga : testo.split(u'\n')) {
        riga = riga.trimmed();
        if (riga.isEmpty() || riga.startsWith(u'#'))
            continue;
        const QList<QStringView> parti = riga.split(u'\t', Qt::SkipEmptyParts);
        const QString senso = parti.front().toString().simplified().toLower();
        for (qsizetype i = 1; i < parti.size(); ++i) {
            const QString altro = parti[i].toString().simplified().toLower();
            if (altro.isEmpty() || altro == senso)
                continue;
            aggiungi(senso, altro);
            aggiungi(altro, senso);
        }
    }
    return s;
}

const Sinonimi& Sinonimi::spediti()
{
    // Compiled in as a Qt resource of the core library; a missing table leaves only the
    // shared-sense rule, which still keeps identical senses off the board.
    static const Sinonimi tabella = [] {
        QFile f(QStringLiteral(":/lexorio/sinonimi.txt"));
        if (!f.open(QIODevice::ReadOnly))
            return Sinonimi();
        return daTesto(QString::fromUtf8(f.readAll()));
    }();
    return tabella;
}

} // namespace lex
