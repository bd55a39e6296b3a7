// Invariant: with the scheduled review on, a game asks the character's due words first (lowest
// box, then longest unplayed), then the commonest words not known, only among the words its
// selection picked; with it off the game draws exactly as it always has.
#include "partita_banco.h"
#include "progressi/programma.h"
#include "progressi/progressi.h"

using namespace lex;
using namespace lex::test;

namespace {

ListeParole liste(std::initializer_list<const char*> parole)
{
    ListeParole l;
    for (const char* p : parole) {
        l.frequenza << "1";
        l.categoria << "1";
        l.vocabolo << QString::fromUtf8(p);
        l.traduzione << QStringLiteral("t-") + QString::fromUtf8(p);
    }
    return l;
}

VoceProgressi voce(const char* parola, int scatola, QDate ultima)
{
    VoceProgressi v;
    v.categoria = "1";
    v.parola = QString::fromUtf8(parola);
    v.traduzione = QStringLiteral("t-") + v.parola;
    v.chiesta = 1;
    v.scatola = scatola;
    v.ultima = ultima;
    return v;
}

} // namespace

TEST(ProgrammaParole, PrimaLeDovutePoiLePiuComuniNonNote)
{
    const QDate oggi(2026, 12, 8);
    ProfiloProgressi p;
    p.voci = {
        voce("nota", 4, oggi),                 // known, not due
        voce("dovuta2", 2, oggi.addDays(-3)),  // due, box 2
        voce("dovuta1", 1, oggi),              // due, box 1: first
        voce("fuori", 1, oggi),                // due, but not among the selected words
        voce("vecchia", 3, oggi.addDays(-9)),  // known and due
        voce("incerta", 2, oggi),              // not known, not due: among the unknown
    };
    const ListeParole l = liste({"nota", "alfa", "incerta", "dovuta2", "vecchia", "beta", "dovuta1", "gamma"});
    // Positions: dovuta1 6, dovuta2 3, vecchia 4; then alfa 1, incerta 2, beta 5, gamma 7.
    EXPECT_EQ(ordineRipasso(l, p, oggi, 50), (QList<int>{6, 3, 4, 1, 2, 5, 7}));
    EXPECT_EQ(ordineRipasso(l, p, oggi, 4), (QList<int>{6, 3, 4, 1}));
    EXPECT_EQ(ordineRipasso(l, {}, oggi, 3), (QList<int>{0, 1, 2})); // nothing played: the commonest
    EXPECT_TRUE(ordineRipasso({}, p, oggi, 10).isEmpty());
}

// Through the rules: the option decides, the character's own record is read.
TEST_F(InPartita, PrimaIVocaboliDaRipassareSoloConLOpzione)
{
    ScrittoreInDisparte scrittore{b.file, ScrittoreInDisparte::Filo::Chiamante};
    FakeCalendario cal;
    Progressi progressi(b.file, scrittore, cal);
    // Cicero missed verbum7 in an earlier game; Caesar missed verbum9.
    for (auto [nome, verbum] : {std::pair{"Cicero", "verbum7"}, std::pair{"Caesar", "verbum9"}}) {
        progressi.partitaIniziata(1, nome, "");
        progressi.parolaChiesta(verbum, QString(verbum).replace("verbum", "parola"), "1", "1");
        progressi.rispostaGiudicata(1, "x", false);
        progressi.partitaFinita();
    }
    avvia(vocabolario(20));
    lx->osserva(&progressi);
    lx->programma(&progressi);

    inizia(); // option off: random numbers are 0, the first word is the first selected
    EXPECT_EQ(lx->modello().Parola.text, "verbum1");
    EXPECT_TRUE(lx->partita().daChiedere.isEmpty());
    EXPECT_FALSE(viste.back().primaRipasso.ticked());
    EXPECT_TRUE(viste.back().primaRipasso.visible);

    progressi.scegli(true);
    scelte.push_back(Scelte{});
    lx->clickParola(); // a new game over this one
    EXPECT_EQ(lx->modello().Parola.text, "verbum7"); // Cicero's due word first
    EXPECT_TRUE(viste.back().primaRipasso.ticked());
    giusta(13);
    EXPECT_EQ(lx->modello().Parola.text, "verbum1"); // then the commonest not known
    giusta(13);
    EXPECT_EQ(lx->modello().Parola.text, "verbum2");
}

// Without a record wired the settings window is as it always was.
TEST_F(InPartita, SenzaRegistroNessunaCasellaInPiu)
{
    avvia(vocabolario(20));
    inizia();
    EXPECT_FALSE(viste.back().primaRipasso.visible);
    EXPECT_EQ(lx->modello().Parola.text, "verbum1");
}
