#include "vocab/sensi.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace lex {

QStringList sensi(const QString& traduzione)
{
    // Notes in parentheses say how a sense is used, not what it is; an unclosed one runs to the end.
    QString testo;
    int aperte = 0;
    for (const QChar c : traduzione) {
        if (c == u'(')
            ++aperte;
        else if (c == u')' && aperte > 0)
            --aperte;
        else if (aperte == 0)
            testo += c;
    }
    static const QRegularExpression separatori(QStringLiteral("[,;]"));
    QStringList out;
    for (const QString& parte : testo.split(separatori)) {
        const QString s = parte.simplified().toLower();
        if (!s.isEmpty() && !out.contains(s))
            out << s;
    }
    return out;
}

QList<SensoCondiviso> sensiCondivisi(const QList<QPair<QString, QString>>& voci)
{
    QList<QStringList> sensiDi;
    sensiDi.reserve(voci.size());
    QHash<QPair<QString, QString>, QList<qsizetype>> chi; // (class, sense) -> positions
    for (qsizetype i = 0; i < voci.size(); ++i) {
        sensiDi << sensi(voci[i].second);
        for (const QString& s : sensiDi.back())
            chi[{voci[i].first, s}] << i;
    }
    QSet<QPair<qsizetype, qsizetype>> visti;
    QList<SensoCondiviso> out;
    for (qsizetype i = 0; i < voci.size(); ++i)
        for (const QString& s : sensiDi[i])
            for (qsizetype j : chi.value({voci[i].first, s}))
                if (j > i && voci[j].second != voci[i].second && !visti.contains({i, j})) {
                    visti.insert({i, j});
                    out.append({i, j, s});
                }
    std::stable_sort(out.begin(), out.end(), [](const SensoCondiviso& a, const SensoCondiviso& b) {
        return a.prima != b.prima ? a.prima < b.prima : a.seconda < b.seconda;
    });
    return out;
}

} // namespace lex
