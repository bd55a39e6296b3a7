// Invariant: a one-second pause sleeps on the clock; it does not spin. It asks for about the
// time left, a few times at most, whatever the single-precision clock reads (noon, just before
// midnight), and ends only once more than a second has passed.
#include "fakes.h"
#include "play/tempo.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

// Records what the pause asks for.
class OrologioRegistrato : public FakeOrologio {
public:
    std::vector<int> richieste;
    void pausa(int ms) override
    {
        richieste.push_back(ms);
        FakeOrologio::pausa(ms);
    }
};

} // namespace

TEST(Pausa, DormeSenzaGirareAVuoto)
{
    for (double inizio : {0.0, 0.25, 0.5, 0.999995, 86399.5 / 86400}) {
        OrologioRegistrato orologio;
        orologio.giorno = inizio;
        FakeEventi eventi;
        attendiOltreUnSecondo(orologio, eventi);
        EXPECT_EQ(eventi.ridisegni, 1) << inizio; // the player sees the board first
        EXPECT_EQ(eventi.esecuzioni, 0) << inizio; // and no event runs meanwhile
        ASSERT_FALSE(orologio.richieste.empty()) << inizio;
        EXPECT_LE(orologio.richieste.size(), 3u) << inizio;
        int totale = 0;
        for (int ms : orologio.richieste)
            totale += ms;
        EXPECT_GT(totale, 1000) << inizio;
        EXPECT_LT(totale, 1030) << inizio;
    }
}
