// Invariant: every translation the game ships fits its answer box, measured with the real
// font the board draws it in.
#include "board/ui/caselle.h"
#include "vocab/controllo.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace lex;

TEST(VocaboliSpediti, OgniTraduzioneEntraNellaCasella)
{
    for (const char* nome : {"vocaboli.txt", "vocpers.txt"}) {
        QFile f(qEnvironmentVariable("LEXORIO_SOURCE_DIR") + QStringLiteral("/assets/") + QString::fromLatin1(nome));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << nome;
        const Resoconto r = controllaVocabolario(f.readAll(), ui::entraNellaCasella);
        EXPECT_TRUE(r.utilizzabile()) << nome;
        EXPECT_TRUE(r.caricamento.righeDifettose.isEmpty()) << nome;
        EXPECT_TRUE(r.fuoriIntervallo.isEmpty()) << nome;
        for (int i : r.nonEntrano)
            ADD_FAILURE() << nome << ": " << qPrintable(r.vocabolario.righe[static_cast<std::size_t>(i)].traduzione);
    }
}
