// Invariant: a translation's senses are its comma- or semicolon-separated parts without
// notes, compared regardless of blanks and case; two words of one class are reported when
// their texts differ yet share a sense, never when the texts are identical.
#include "vocab/sensi.h"

#include <gtest/gtest.h>

using namespace lex;

TEST(Sensi, ParteTraVirgoleSenzaNote)
{
    const struct {
        const char* traduzione;
        QStringList attesi;
    } casi[] = {
        {"timore", {"timore"}},
        {"paura, timore", {"paura", "timore"}},
        {"ferro; spada", {"ferro", "spada"}},
        {"passo (misura)", {"passo"}},
        {"mai (in frasi negative), giammai", {"mai", "giammai"}},
        {"  Dove ,  dove  mai ", {"dove", "dove mai"}},           // trimmed, collapsed, lower case
        {"chi? (interrogativo", {"chi?"}},                         // an unclosed note runs to the end
        {"o, oppure; o", {"o", "oppure"}},                         // each sense once
        {"(nota), ;", QStringList{}},
        {"il ciel(o) sereno", {"il ciel sereno"}},
    };
    for (const auto& c : casi)
        EXPECT_EQ(sensi(QString::fromUtf8(c.traduzione)), c.attesi) << c.traduzione;
}

TEST(Sensi, CoppieDellaStessaClasseConUnSensoInComune)
{
    const QList<QPair<QString, QString>> voci = {
        {"1", "paura, timore"}, // 0 metus
        {"1", "timore"},        // 1 timor: shares "timore" with 0
        {"2", "timore"},        // 2 another class: never compared with 0 or 1
        {"4", "ma"},            // 3 sed
        {"4", "ma"},            // 4 at: the identical text counts as right, no fault
        {"4", "Ma, invece"},    // 5 shares "ma" with 3 and 4, whatever the case
        {" 1", "timore"},       // 6 " 1" is another class text for the candidate builder
        {"3", "passo (misura)"}, // 7
        {"3", "passo, gradino"}, // 8 the note does not make a different sense
    };
    const QList<SensoCondiviso> c = sensiCondivisi(voci);
    ASSERT_EQ(c.size(), 4);
    EXPECT_EQ((QList<qsizetype>{c[0].prima, c[0].seconda}), (QList<qsizetype>{0, 1}));
    EXPECT_EQ(c[0].senso, QStringLiteral("timore"));
    EXPECT_EQ((QList<qsizetype>{c[1].prima, c[1].seconda}), (QList<qsizetype>{3, 5}));
    EXPECT_EQ((QList<qsizetype>{c[2].prima, c[2].seconda}), (QList<qsizetype>{4, 5}));
    EXPECT_EQ(c[2].senso, QStringLiteral("ma"));
    EXPECT_EQ((QList<qsizetype>{c[3].prima, c[3].seconda}), (QList<qsizetype>{7, 8}));
    EXPECT_EQ(c[3].senso, QStringLiteral("passo"));
}

TEST(Sensi, DueSensiInComuneDannoUnaSolaCoppia)
{
    const QList<SensoCondiviso> c = sensiCondivisi({{"1", "patto, alleanza"}, {"1", "alleanza, patto, lega"}});
    ASSERT_EQ(c.size(), 1);
    EXPECT_EQ(c[0].senso, QStringLiteral("patto")); // the first of prima's senses
}
