// Invariant: the on-the-spot end runs what must still happen (the records' writes finished, the
// folder given back) once, in order, and always ends, even when a step itself asks to end.
#include "fakes.h"
#include "shell/porte.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

TEST(UscitaOrdinata, IPassiUnaVoltaInOrdinePoiLaFine)
{
    FakeUscita fine;
    UscitaOrdinata uscita(fine);
    QStringList fatti;
    uscita.primaDi([&] { fatti << "scritture"; });
    uscita.primaDi([&] { fatti << "cartella"; });
    try {
        uscita.terminaSubito(3);
        FAIL() << "it returned";
    } catch (const ProcessoTerminato& t) {
        EXPECT_EQ(t.codice, 3);
    }
    EXPECT_EQ(fatti, QStringList({"scritture", "cartella"}));

    // A failure inside a step ends at once, without running the steps again.
    UscitaOrdinata seconda(fine);
    int volte = 0;
    seconda.primaDi([&] {
        ++volte;
        seconda.terminaSubito(1);
    });
    seconda.primaDi([&] { fatti << "mai"; });
    EXPECT_THROW(seconda.terminaSubito(0), ProcessoTerminato);
    EXPECT_EQ(volte, 1);
    EXPECT_FALSE(fatti.contains("mai"));
}
