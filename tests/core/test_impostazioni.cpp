// The settings window's rules: creation and its lifecycle, the invariants and the changed mark,
// the personal list, saving, and what O.K. and Uscita hand over to the main window.
#include "fakes.h"
#include "settings/impostazioni.h"
#include "shell/errori.h"

#include <gtest/gtest.h>

namespace lex {
namespace {

using test::Banco;
using test::ProcessoTerminato;

class FinestraImpostazioni : public ::testing::Test {
protected:
    Banco banco;
    Precedente precedente;

    std::unique_ptr<Impostazioni> crea() { return std::make_unique<Impostazioni>(banco.porte, precedente); }
    QStringList testiBox() const
    {
        QStringList t;
        for (const auto& b : banco.box.mostrati)
            t << b.testo;
        return t;
    }
    QByteArray contenuto(const QString& nome) { return banco.file.di(nome); }
};

TEST_F(FinestraImpostazioni, SenzaFileIPredefiniti)
{
    auto imp = crea();
    const auto& m = imp->m;
    EXPECT_FALSE(m.shown);
    EXPECT_EQ(m.similino.value, 1);
    EXPECT_EQ(m.musica.value, 0);
    EXPECT_EQ(m.suoni.value, 1);
    EXPECT_EQ(m.nomefoto[2].text, "Caesar");
    EXPECT_EQ(m.velocita.text, QStringLiteral("&Velocità:  3"));
    EXPECT_EQ(m.quverbi.rows[m.quverbi.selected], "20 vocaboli");
    // One player: player 2's place is hidden.
    EXPECT_FALSE(m.Picture1[2].visible);
    EXPECT_FALSE(m.nomefoto[2].visible);
    // Centred by the whole window: the fake frame adds 8 x 30 pixels.
    EXPECT_EQ(m.window.left, (1280 * 15 - 6915 - 8 * 15) / 2.0);
    EXPECT_EQ(m.window.top, (1024 * 15 - 4710 - 30 * 15) / 2.0);
    EXPECT_TRUE(banco.box.mostrati.empty());

    // The file written from the defaults is exactly the documented one.
    imp->okay_Click(2);
    EXPECT_EQ(contenuto("lexorio.ini"),
              QByteArray("Confronta:1\r\nMusica:   0\r\nSuoni:    1\r\nGiocatori:1\r\nGiocator1:1\r\n"
                         "Giocator2:2\r\nVelocita: 3\r\nQuante:   20\r\nClassi:   1111\r\nFrequenza:1111\r\n"
                         "Quante:   20\r\n\r\n"));
}

TEST_F(FinestraImpostazioni, LeggeIlFileEMostraLaCoppia)
{
    banco.file.metti("lexorio.ini", "Confronta:2\r\nMusica:   1\r\nSuoni:    0\r\nGiocatori:2\r\nGiocator1:3\r\n"
                                   "Giocator2:2\r\nVelocita: 5\r\nQuante:   35\r\nClassi:   0101\r\n");
    auto imp = crea();
    const auto& m = imp->m;
    EXPECT_EQ(m.similino.value, 2); // greyed
    EXPECT_EQ(m.musica.value, 1);
    EXPECT_EQ(m.suoni.value, 0);
    EXPECT_TRUE(m.Giocatori[2].selected);
    EXPECT_TRUE(m.Picture1[2].visible);
    EXPECT_EQ(m.velocita.text, QStringLiteral("&Velocità:  5"));
    EXPECT_EQ(imp->quanteVolute(), 35);
    EXPECT_EQ(m.quverbi.rows[m.quverbi.selected], "30 vocaboli");
    EXPECT_EQ(m.Chclassi[1].value, 0);
    EXPECT_EQ(m.Chclassi[2].value, 1);
    EXPECT_EQ(m.Chclassi[3].value, 0);
    // Player 2 (Caesar) shown last: Catullus, the other player, speaks to him.
    EXPECT_EQ(m.battuta[1].text, "Nil nimium studeo, Caesar, tibi velle placere");
    EXPECT_EQ(m.battuta[1].fontSize, 9);
    EXPECT_EQ(m.battuta[2].text, "Alea iacta est!");
    EXPECT_EQ(m.battuta[2].fontSize, 12);

    // Saving writes the greyed box as 1 and the row's count.
    imp->okay_Click(2);
    const QByteArray scritto = contenuto("lexorio.ini");
    EXPECT_TRUE(scritto.startsWith("Confronta:1\r\n"));
    EXPECT_TRUE(scritto.contains("Quante:   30\r\nClassi:   0101\r\n"));
    // Saving twice gives identical files.
    imp->okay_Click(2);
    EXPECT_EQ(contenuto("lexorio.ini"), scritto);
}

TEST_F(FinestraImpostazioni, DueRigheFrequenzaRifiutanoLUltimaCancellazione)
{
    banco.file.metti("lexorio.ini", "Frequenza:0011\r\nFrequenza:1100\r\n");
    auto imp = crea();
    EXPECT_EQ(testiBox(), QStringList{"Almeno una classe obbligatoria"});
    EXPECT_EQ(banco.box.mostrati[0].titolo, "lexorio");
    EXPECT_EQ(imp->m.Chfreq[3].value, 0);
    EXPECT_EQ(imp->m.Chfreq[4].value, 1);
}

struct FileFatale {
    const char* testo;
    int codice;
};

void PrintTo(const FileFatale& f, std::ostream* os) { *os << '"' << f.testo << "\" -> " << f.codice; }

class LetturaFatale : public FinestraImpostazioni, public ::testing::WithParamInterface<FileFatale> {};

TEST_P(LetturaFatale, MessaggioPoiFine)
{
    banco.file.metti("lexorio.ini", GetParam().testo);
    EXPECT_THROW(crea(), ProcessoTerminato);
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].testo, QStringLiteral("errore  %1").arg(GetParam().codice));
    EXPECT_EQ(banco.box.mostrati[0].titolo, "lexorio");
    EXPECT_EQ(banco.box.mostrati[0].icona, Icona::Nessuna);
}

INSTANTIATE_TEST_SUITE_P(Valori, LetturaFatale,
                         ::testing::Values(FileFatale{"Confronta:3\r\n", errori::kValoreNonValido},
                                           FileFatale{"Giocator1:\r\n", errori::kIndiceFuoriIntervallo},
                                           FileFatale{"Velocita: 2\r\nGiocator2:9\r\n", errori::kIndiceFuoriIntervallo}),
                         [](const auto& riga) { return test::nomeRiga(riga.index, riga.param.testo); });

TEST_F(FinestraImpostazioni, FileIlleggibileEFatale)
{
    banco.file.metti("lexorio.ini", "Velocita: 5\r\n");
    banco.file.illeggibili = {"lexorio.ini"};
    EXPECT_THROW(crea(), ProcessoTerminato);
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].testo, QStringLiteral("errore  %1").arg(errori::kAccessoFile));

    // Seen, then gone before it is read.
    banco.box.mostrati.clear();
    banco.file.file.clear();
    banco.file.svaniti = {"lexorio.ini"};
    EXPECT_THROW(crea(), ProcessoTerminato);
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].testo, QStringLiteral("errore  %1").arg(errori::kFileNonTrovato));
}

// A file left empty or cut off inside a line by an earlier failed save: the whole lines are read,
// quietly, and the cut one is not, since its value is read from its end ("Giocator1:" would read
// as character 0 and end the game, "Classi:   10" would clear flag 4). The file stays as it is.
TEST_F(FinestraImpostazioni, FileVuotoOTroncatoLeggeLeRigheIntere)
{
    const ImpostazioniPartita predefinite;
    ImpostazioniPartita scelte;
    scelte.giocatore1 = 4;
    scelte.velocita = 5;
    scelte.quante = 30;
    scelte.classi[2] = false; // "1011"
    const QByteArray intero = testoImpostazioni(scelte);
    const auto finoA = [&](const char* chiave, qsizetype oltre) { return intero.left(intero.indexOf(chiave) + oltre); };
    for (const QByteArray& testo : {QByteArray(), finoA("Giocator1:", 10), intero.left(3), finoA("Giocator1:", 0)}) {
        SCOPED_TRACE(testo.toStdString());
        banco.file.metti("lexorio.ini", testo);
        EXPECT_EQ(crea()->record(), predefinite);
        EXPECT_TRUE(banco.box.mostrati.empty());
        EXPECT_EQ(contenuto("lexorio.ini"), testo); // left as it is until the player saves
    }
    ImpostazioniPartita attese = predefinite;
    attese.giocatore1 = 4;
    attese.velocita = 5;
    banco.file.metti("lexorio.ini", finoA("Quante:", 11)); // "Quante:   3"
    EXPECT_EQ(crea()->record(), attese);
    banco.file.metti("lexorio.ini", finoA("Classi:", 12)); // "Classi:   10", cut inside "1011"
    attese.quante = 30;
    EXPECT_EQ(crea()->record(), attese);

    // A hand-edited file whose last line has no line end is read whole.
    banco.file.metti("lexorio.ini", "Velocita: 5\r\nClassi:   1011");
    attese = predefinite;
    attese.velocita = 5;
    attese.classi[2] = false;
    EXPECT_EQ(crea()->record(), attese);
}

TEST_F(FinestraImpostazioni, NonLeggeDopoUnaPartitaAccettata)
{
    banco.file.metti("lexorio.ini", "Velocita: 5\r\nGiocator1:9\r\n");
    precedente = {true, 6, 0}; // no character yet for player 2: the default stays
    auto imp = crea();
    EXPECT_EQ(imp->m.velox.value, 3);
    EXPECT_EQ(imp->m.nomefoto[1].text, "Seneca");
    EXPECT_EQ(imp->m.Picture1[1].picture, "foto6");
    EXPECT_EQ(imp->m.nomefoto[2].text, "Caesar");
    EXPECT_TRUE(banco.box.mostrati.empty());
}

TEST_F(FinestraImpostazioni, CicloDiVitaNellaFinestraPrincipale)
{
    banco.file.metti("lexorio.ini", "Musica:   1\r\nSuoni:    0\r\n");
    auto lex = banco.lexorio();
    EXPECT_FALSE(lex->impostazioniEsiste());
    Impostazioni* prima = &lex->impostazioni(); // created hidden on first reference
    EXPECT_TRUE(lex->impostazioniEsiste());
    EXPECT_FALSE(prima->m.shown);
    EXPECT_EQ(prima->m.musica.value, 1);
    EXPECT_EQ(&lex->impostazioni(), prima); // referring again does not create another
    prima->musica_Click();
    lex->distruggiImpostazioni();
    EXPECT_FALSE(lex->impostazioniEsiste());
    // A new window reads the file again while no game was accepted...
    EXPECT_EQ(lex->impostazioni().m.musica.value, 1);
    lex->distruggiImpostazioni();
    // ...and not after a game was set up.
    QByteArray voci = "1;1;primus;primo\r\n";
    for (int i = 0; i < 12; ++i)
        voci += "1;1;verbum" + QByteArray::number(i) + ";parola" + QByteArray::number(i) + "\r\n";
    banco.file.metti("vocaboli.txt", voci);
    banco.finestre.impostazioni = [](Impostazioni& imp) { imp.okay_Click(0); };
    lex->menuImposta();
    EXPECT_FALSE(lex->impostazioniEsiste());
    EXPECT_EQ(lex->impostazioni().m.musica.value, 0);
}

TEST_F(FinestraImpostazioni, AttivazioneNascondeLaPrincipaleESvuotaIlSegno)
{
    auto imp = crea();
    imp->Chclassi_Click(1);
    EXPECT_TRUE(imp->consegna().sceltaCambiata);
    imp->precompila(imp->record(), 45); // as the new-game set-up does
    imp->attivazione();
    EXPECT_TRUE(imp->m.shown);
    EXPECT_FALSE(imp->consegna().sceltaCambiata);
    EXPECT_EQ(imp->m.quverbi.selected, 4); // 3.5 rounds to the even row
}

TEST(RigaPerQuante, MetaAlPari)
{
    const std::pair<const char*, int> casi[] = {{"", 1},   {"0", 1},  {"10", 0}, {"15", 0}, {"20", 1}, {"25", 2},
                                                 {"30", 2}, {"35", 2}, {"40", 3}, {"45", 4}, {"50", 4},
                                                 {"2147483648", 4}}; // no wrapping round to a negative number
    for (const auto& [testo, riga] : casi)
        EXPECT_EQ(rigaPerQuante(QString::fromLatin1(testo)), riga) << testo;
}

TEST_F(FinestraImpostazioni, AlmenoUnaClasse)
{
    auto imp = crea();
    for (int i = 1; i <= 3; ++i)
        imp->Chclassi_Click(i);
    EXPECT_TRUE(banco.box.mostrati.empty());
    imp->Chclassi_Click(4);
    EXPECT_EQ(testiBox(), QStringList{"Almeno una classe obbligatoria"});
    EXPECT_EQ(imp->m.Chclassi[4].value, 1);
    EXPECT_TRUE(imp->consegna().sceltaCambiata);

    for (int i = 4; i >= 2; --i)
        imp->Chfreq_Click(i);
    imp->Chfreq_Click(1);
    EXPECT_EQ(banco.box.mostrati.size(), 2u);
    EXPECT_EQ(imp->m.Chfreq[1].value, 1);
    imp->Chfreq_Click(3); // ticking again is always allowed
    EXPECT_EQ(imp->m.Chfreq[3].value, 1);
    EXPECT_EQ(banco.box.mostrati.size(), 2u);
}

TEST_F(FinestraImpostazioni, SegnoCambiatoSoloPerLeScelteDiParole)
{
    auto imp = crea();
    imp->attivazione();
    imp->suoni_Click();
    imp->musica_Click();
    imp->velox_Change(5);
    imp->Giocatori_Click(2);
    imp->quverbi_Click(0);
    imp->Picture1_Click(1);
    EXPECT_FALSE(imp->consegna().sceltaCambiata);
    imp->similino_Click();
    EXPECT_TRUE(imp->consegna().sceltaCambiata);
    EXPECT_EQ(imp->m.similino.value, 0);
}

TEST_F(FinestraImpostazioni, ElencoPersonaleMancante)
{
    auto imp = crea();
    imp->Chfreq_Click(0);
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    const auto& b = banco.box.mostrati[0];
    EXPECT_EQ(b.testo, "file \"/gioco/vocpers.txt\" inesistente");
    EXPECT_EQ(b.titolo, "Manca il vocabolario personale");
    EXPECT_EQ(b.icona, Icona::Avviso);
    EXPECT_EQ(imp->m.Chfreq[0].value, 0);
    EXPECT_FALSE(imp->m.Chfreq[0].visible);
    EXPECT_TRUE(imp->m.Frame3.visible);
    EXPECT_TRUE(imp->consegna().sceltaCambiata);
}

TEST_F(FinestraImpostazioni, ElencoPersonalePresenteNascondeLeFrequenze)
{
    banco.file.metti("vocpers.txt", "x");
    auto imp = crea();
    imp->Chfreq_Click(0);
    EXPECT_EQ(imp->m.Chfreq[0].value, 1);
    EXPECT_FALSE(imp->m.Frame3.visible);
    imp->Chfreq_Click(0);
    EXPECT_TRUE(imp->m.Frame3.visible);
    EXPECT_TRUE(banco.box.mostrati.empty());
    EXPECT_TRUE(imp->record().frequenze[1]);
}

TEST_F(FinestraImpostazioni, OkConsegnaPersonaggiBattuteEPeriodo)
{
    auto imp = crea();
    imp->attivazione();
    imp->Giocatori_Click(2);
    imp->carattere('0'); // player 1: Cicero -> Caesar
    imp->carattere('0'); // -> Catullus; player 2 is Caesar
    imp->velox_Change(4);
    imp->carattere(13);
    EXPECT_FALSE(imp->m.shown);
    ASSERT_TRUE(imp->confermata());
    const Consegna c = imp->consegna();
    EXPECT_EQ(c.scelte.giocatore1, 3); // Catullus
    EXPECT_EQ(c.scelte.giocatore2, 2); // Caesar
    EXPECT_EQ(c.battute[0], "Nil nimium studeo, Caesar, tibi velle placere");
    EXPECT_EQ(c.battute[1], "Alea iacta est!");
    EXPECT_EQ(c.scelte.velocita, 4);
    EXPECT_FALSE(banco.file.ha("lexorio.ini")); // O.K. does not save
}

TEST_F(FinestraImpostazioni, UscitaNonConsegnaNulla)
{
    auto imp = crea();
    imp->attivazione();
    imp->okay_Click(0); // an earlier O.K.
    imp->attivazione();
    ASSERT_TRUE(imp->confermata());
    imp->carattere('0');
    imp->velox_Change(1);
    imp->carattere(27);
    EXPECT_FALSE(imp->m.shown);
    EXPECT_FALSE(imp->confermata());
}

TEST_F(FinestraImpostazioni, StessoPersonaggioRifiutatoSoloConDueGiocatori)
{
    auto imp = crea();
    imp->attivazione();
    for (int i = 0; i < 5; ++i)
        imp->carattere('0'); // player 1 -> Seneca
    imp->Giocatori_Click(2);
    for (int i = 0; i < 4; ++i)
        imp->carattere('1'); // player 2: Caesar -> Seneca
    imp->okay_Click(0);
    EXPECT_EQ(testiBox(), QStringList{"Seneca non può giocare contro se stesso"});
    EXPECT_EQ(banco.box.mostrati[0].titolo, "Cambiare un personaggio");
    EXPECT_TRUE(imp->m.shown);
    EXPECT_FALSE(imp->confermata());
    // One player: the same character twice is accepted, and player 2's is handed over too.
    imp->Giocatori_Click(1);
    imp->okay_Click(0);
    EXPECT_TRUE(imp->confermata());
    EXPECT_EQ(imp->consegna().scelte.giocatore2, 6);
}

TEST_F(FinestraImpostazioni, SalvataggioFallitoLasciaIlFileDiPrima)
{
    banco.file.metti("lexorio.ini", "Velocita: 5\r\n");
    auto imp = crea();
    imp->velox_Change(2);
    banco.file.pieno = true;
    imp->okay_Click(2);
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].testo, "Impossibile salvare");
    EXPECT_EQ(banco.box.mostrati[0].titolo, QStringLiteral("Errore %1").arg(errori::kAccessoFile));
    EXPECT_EQ(banco.box.mostrati[0].icona, Icona::Errore);
    EXPECT_TRUE(imp->m.window.visible || !imp->m.shown); // nothing closed by the failure
    EXPECT_EQ(contenuto("lexorio.ini"), "Velocita: 5\r\n");
    EXPECT_EQ(imp->m.velox.value, 2);
}

TEST_F(FinestraImpostazioni, SuggerimentiDeiControlli)
{
    const auto imp = crea();
    const auto& m = imp->m;
    const QString frequenze =
        "I 1600 vocaboli latini più frequenti sono divisi in 4 classi di frequenza: scegliere quelli con cui giocare";
    const std::pair<const Elemento*, QString> righe[] = {
        {&m.Giocatori[1], "Un giocatore: Usare il tasto Enter quando è evidenziata la traduzione esatta."},
        {&m.Giocatori[2], "Due giocatori: Il giocatore di sinistra usa il tasto 1, il giocatore di destra usa il tasto 0."},
        {&m.velocita, "Imposta la velocità di svolgimento del gioco"},
        // The list sets the number of words of every class, not of verbs.
        {&m.quverbi, "Imposta il numero di vocaboli su cui svolgere l'esercizio"},
        {&m.similino, "Spuntare la casella per escludere dal gioco i vocaboli troppo simili all'italiano (prime due "
                      "lettere uguali)."},
        {&m.Frame3, frequenze},
        {&m.Chfreq[1], frequenze},
        {&m.Chfreq[4], frequenze},
        {&m.okay[0], "Conferma impostazioni e passa alla partita"},
        {&m.okay[1], "Rinuncia a modificare le impostazioni"},
        {&m.okay[2], ""},
    };
    for (const auto& [e, testo] : righe)
        EXPECT_EQ(e->tooltip, testo);
}

} // namespace
} // namespace lex
