// Invariant: the rules cannot tell stand-in channels from real ones. Whatever they give the
// stand-ins before the real channels exist reaches those channels in the same order, across all
// four, as it would have reached them directly; a question waits for the real answer.
#include "fakes.h"
#include "sound/differiti.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

QByteArray vocabolario()
{
    QByteArray out = "0;0;Lexorio;titolo\r\n";
    for (int i = 1; i < 200; ++i)
        out += "1;1;w" + QByteArray::number(i) + ";t" + QByteArray::number(i) + "\r\n";
    return out;
}

} // namespace

TEST(CanaliDifferiti, LAvvioArrivaAiCanaliVeriNelloStessoOrdine)
{
    const auto file = [](Banco& b) {
        b.file.metti(QStringLiteral("vocaboli.txt"), vocabolario());
        b.file.metti(QStringLiteral("lexorio.ini"), "Musica:   1\r\nSuoni:    1\r\n");
    };

    // What the channels hear when the rules have them from the start.
    Banco diretto;
    file(diretto);
    diretto.lexorio()->avvio();
    const QStringList atteso = *diretto.canali.log;
    ASSERT_TRUE(atteso.contains(QStringLiteral("Vittoria.wav Play")));

    Banco banco;
    file(banco);
    int attese = 0;
    CanaliDifferiti differiti([&] {
        ++attese;
        return Canali::muti();
    });
    Lexorio lex(banco.porte, differiti.canali());
    lex.avvio();
    EXPECT_TRUE(banco.canali.log->isEmpty()); // nothing real exists yet
    differiti.collega(banco.canali.crea());
    EXPECT_EQ(*banco.canali.log, atteso);
    EXPECT_EQ(attese, 0);

    // The end-of-play function given before the hand-over is the real channel's: the welcome
    // ends, and the music starts; from now on commands go straight through.
    banco.canali.log->clear();
    banco.canali.vittoria->termina(kEsitoCompletato);
    EXPECT_EQ(*banco.canali.log, (QStringList{"musica.mid Close", "musica.mid Open", "musica.mid Prev", "musica.mid Play"}));
    EXPECT_EQ(lex.canali().musica->modo(), kModoInRiproduzione);
    differiti.collega(Canali::muti()); // a second hand-over changes nothing
    EXPECT_EQ(lex.canali().musica->modo(), kModoInRiproduzione);
}

TEST(CanaliDifferiti, UnaDomandaAttendeICanaliVeriDopoIComandiTenuti)
{
    CanaliRegistrati registrati;
    int attese = 0;
    CanaliDifferiti differiti([&] {
        ++attese;
        return registrati.crea();
    });
    Canali c = differiti.canali();
    EXPECT_EQ(c.musica->file(), QStringLiteral("musica.mid"));
    EXPECT_EQ(c.vittoria->file(), QStringLiteral("Vittoria.wav"));
    c.musica->apri();
    c.musica->suona();
    c.right->apri();

    EXPECT_EQ(c.musica->modo(), kModoInRiproduzione); // waits, runs what was kept, then answers
    EXPECT_EQ(attese, 1);
    EXPECT_EQ(*registrati.log, (QStringList{"musica.mid Open", "musica.mid Play", "Right.wav Open"}));
    c.right->suona();
    EXPECT_EQ(registrati.log->back(), QStringLiteral("Right.wav Play"));
    EXPECT_EQ(c.wrong->modo(), 0);
    EXPECT_EQ(attese, 1);
    EXPECT_TRUE(differiti.collegati());
}

TEST(CanaliDifferiti, SopravvivonoAlDistributore)
{
    Canali c;
    {
        CanaliDifferiti differiti([] { return Canali::muti(); });
        c = differiti.canali();
        c.vittoria->suona();
    }
    EXPECT_EQ(c.vittoria->modo(), 0); // silent, and nothing left to call
}
