#include "vocab/errati.h"

#include "vocab/sensi.h"

#include <QSet>

namespace lex {

namespace {
// The senses a right translation stands for: its own and their synonyms.
QSet<QString> sensiGiusti(const QString& giusta, const Sinonimi& sinonimi)
{
    QSet<QString> out;
    for (const QString& s : sensi(giusta)) {
        out.insert(s);
        for (const QString& altro : sinonimi.di(s))
            out.insert(altro);
    }
    return out;
}

bool tocca(const QString& testo, const QString& giusta, const QSet<QString>& giusti)
{
    if (testo == giusta)
        return true;
    for (const QString& s : sensi(testo))
        if (giusti.contains(s))
            return true;
    return false;
}
} // namespace

bool ancheGiusta(const QString& testo, const QString& giusta, const Sinonimi& sinonimi)
{
    return tocca(testo, giusta, sensiGiusti(giusta, sinonimi));
}

QStringList poolErrati(const QStringList& traduzioni, const QStringList& categorie, qsizetype w,
                       const Sinonimi& sinonimi)
{
    const QString giusta = traduzioni.value(w);
    const QString classe = categorie.value(w);
    const QSet<QString> giusti = sensiGiusti(giusta, sinonimi);
    QHash<QString, bool> giudicati; // a text's verdict, once: frequent translations recur
    QStringList pool;
    for (qsizetype i = 0; i < traduzioni.size(); ++i) {
        if (i == w || categorie.value(i) != classe)
            continue;
        // The identical text stays, as it always did: a box showing it is right when pressed.
        const QString& t = traduzioni[i];
        auto it = giudicati.constFind(t);
        if (it == giudicati.constEnd())
            it = giudicati.insert(t, t != giusta && tocca(t, giusta, giusti));
        if (!it.value())
            pool.append(t);
    }
    return pool;
}

} // namespace lex
