// Italian synonyms among the senses a vocabulary's translations use. The board leaves a text
// out of a word's wrong candidates when one of its senses is a synonym of one of the right
// translation's senses ("paura" for metus, "timore" for timor): a learner could rightly press it.
// The game ships a table built from an Italian thesaurus (assets/sinonimi.txt, compiled in).
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace lex {

class Sinonimi {
public:
    Sinonimi() = default;

    // Lines "senso<TAB>sinonimo<TAB>...", senses in lower case; '#' starts a comment. The
    // relation is made symmetric: "paura<TAB>timore" makes each a synonym of the other.
    static Sinonimi daTesto(QStringView testo);

    // The table shipped with the game, read at the first call (the first word of the first
    // game), never at start-up.
    static const Sinonimi& spediti();

    // The synonyms of a sense (lower case, blanks collapsed, as lex::sensi gives it); the sense
    // itself is not among them. Empty for a sense the table does not know.
    QStringList di(const QString& senso) const { return perSenso.value(senso); }

    bool sonoSinonimi(const QString& a, const QString& b) const { return perSenso.value(a).contains(b); }

    // How many senses have at least one synonym.
    qsizetype quanti() const { return perSenso.size(); }

private:
    QHash<QString, QStringList> perSenso;
};

} // namespace lex
