// One-player games and the set-up around them. The clock moves only when a test or a pause
// moves it; random numbers default to 0, so every word is "verbum1" and box 0 is right.
#include "partita_banco.h"
#include "play/tempo.h"

using namespace lex;
using namespace lex::test;

TEST_F(InPartita, UnGiocatoreDallInizioAiPalloncini)
{
    avvia(vocabolario(20));
    auto& m = lx->modello();
    auto& s = lx->partita();
    b.eventi.coda.push_back([&] { orologio.avanza(5000); }); // preparing the first word is slow
    EXPECT_EQ(m.Parola.puntatore, Puntatore::Mano); // the start screen's word invites a click
    inizia();
    EXPECT_EQ(m.Parola.puntatore, Puntatore::Predefinito);
    EXPECT_TRUE(b.box.mostrati.empty());
    EXPECT_EQ(m.Label1.text, "Enter per scegliere. Per interrompere: Esc.");
    EXPECT_EQ(m.sign[7].tooltip, "Lascia perdere il mouse ed usa la tastiera (tasto Enter)");
    EXPECT_EQ((QStringList{m.Labverbi.text, m.Lab[2].text, m.Label2.text, m.Parola.text}),
              (QStringList{"Vocaboli 0 su 10", "Penalità: 0", "20 vocaboli", "verbum1"}));
    EXPECT_TRUE(m.figura[1].visible && m.Lab[2].visible && m.Timer1.enabled);
    EXPECT_FALSE(m.figura[2].visible || m.punti[1].visible);

    orologio.avanza(83000);
    tick();
    EXPECT_EQ(m.Lab[1].text, "Tempo: 00:01:23"); // preparing does not count
    EXPECT_EQ(m.sign[1].back, colori::giallo);

    // Wrong: a penalty and the box leaves the cycle, but stays lit until the next tick.
    lx->tasto(13);
    lx->tasto(32);
    EXPECT_EQ(m.Lab[2].text, "Penalità: 2");
    EXPECT_FALSE(m.sign[1].visible);
    tick();
    EXPECT_EQ(s.evidenziata, 2);

    // Right: a second in blue, drawn first; a key pressed meanwhile is swallowed afterwards.
    std::vector<Colore> inPausa;
    orologio.durantePausa = [&] {
        inPausa.push_back(m.Frame1.back);
        b.eventi.coda.push_back([&] { lx->tasto(13); });
    };
    const double barra = m.barra[1].top;
    illumina(true);
    const double inizio = orologio.giorno;
    lx->tasto(13);
    orologio.durantePausa = nullptr;
    ASSERT_FALSE(inPausa.empty());
    EXPECT_EQ(inPausa.front(), colori::blu);
    EXPECT_GT(b.eventi.ridisegni, 0);
    EXPECT_NEAR((orologio.giorno - inizio) * 86400000, 1005, 10);
    EXPECT_EQ(m.Frame1.back, colori::rossoScuro);
    EXPECT_EQ((QStringList{m.Labverbi.text, m.Lab[2].text}), (QStringList{"Vocaboli 1 su 10", "Penalità: 2"}));
    EXPECT_DOUBLE_EQ(m.barra[1].top, barra - s.passo);
    EXPECT_DOUBLE_EQ(m.figura[1].top, m.barra[1].top + 100);
    tick();
    EXPECT_EQ(m.Lab[1].text, "Tempo: 00:01:24"); // the pause counts

    for (int k = 2; k <= 10; ++k)
        giusta(13);
    EXPECT_NEAR(m.barra[1].height, m.barrone[1].height, 1e-6); // the top on the last word
    EXPECT_TRUE((s.fase == Fase::Chiusura));
    EXPECT_EQ((QStringList{m.Parola.text, m.Label1.text, m.battuta[1].text}), (QStringList{"", "", "O fortunatam, natam me consule Romam!"}));
    EXPECT_EQ(m.Timer1.interval, 50);
    EXPECT_TRUE(m.fumetto[2].visible && m.battuta[1].visible);
    EXPECT_FALSE(m.fumetto[1].visible || m.battuta[2].visible || accesa().visible || m.Iml[7].visible);

    // Keys before the prompt do nothing; the clock stands still; then any key starts again.
    const QString tempo = m.Lab[1].text;
    lx->tasto(13);
    orologio.avanza(60000);
    EXPECT_EQ(finoAlPrompt(), 18); // the hidden left head falls from its figure to the floor
    EXPECT_EQ(viste.size(), 1u);
    EXPECT_EQ(m.Lab[1].text, tempo);
    lx->clickFumetto();
    EXPECT_EQ(viste.size(), 2u);
}

TEST_F(InPartita, SecondaPartitaConLeSceltePrecedenti)
{
    avvia(vocabolario(20));
    Scelte prima;
    prima.velocita = 5;
    prima.classi = {0, 1, 0, 1, 0};
    prima.parole = 20;
    inizia(prima);
    sbagliata(13);
    for (int k = 0; k < 20; ++k)
        giusta(13);
    finoAlPrompt();

    // Unchanged choices play the same words without a new selection, which would have shown
    // its count where the prompt stands when the game begins.
    struct : OsservatorePartita {
        const LexorioModel* m = nullptr;
        QString parola;
        void partitaIniziata(int, const QString&, const QString&) override { parola = m->Parola.text; }
        void parolaChiesta(const QString&, const QString&, const QString&, const QString&) override {}
        void rispostaGiudicata(int, const QString&, bool) override {}
        void partitaFinita() override {}
    } spia;
    spia.m = &lx->modello();
    lx->osserva(&spia);
    prima.cambiato = false;
    inizia(prima);
    EXPECT_EQ(spia.parola, "Un tasto per ripartire");
    lx->osserva(nullptr);
    const auto& w = viste.at(1);
    EXPECT_TRUE(w.Giocatori[1].selected && !w.Giocatori[2].selected && !w.nomefoto[2].visible);
    EXPECT_EQ((std::array{w.velox.value, w.Chclassi[1].value, w.Chclassi[2].value, w.Chfreq[0].value}),
              (std::array{5, 1, 0, 0}));
    EXPECT_EQ(volute.at(1), 20);
    EXPECT_EQ(w.velocita.text, "&Velocità:  5");
    EXPECT_TRUE(b.box.mostrati.empty()); // the same list again
    EXPECT_EQ(lx->modello().Lab[2].text, "Penalità: 1"); // penalties count over the whole run
    EXPECT_DOUBLE_EQ(lx->modello().barra[1].height, 1575);
    EXPECT_FALSE(lx->modello().fumetto[2].visible);

    // A click mid-game, a box clicked for a class with no words: a new selection finds none,
    // then the player gives up.
    prima.cambiato = true;
    prima.classi = {0, 0, 1, 0, 0};
    Scelte lascia;
    lascia.annulla = true;
    scelte = {prima, lascia};
    lx->clickParola();
    EXPECT_EQ(boxMostrati(), QStringList{"Solo  0 vocaboli selezionati!"});
    EXPECT_EQ(b.box.mostrati[0].icona, Icona::Errore);
    EXPECT_EQ(b.box.mostrati[0].titolo, "lexorio");
    EXPECT_FALSE(lx->modello().Timer1.enabled);
}

TEST_F(InPartita, QuanteParoleBastano)
{
    const std::tuple<int, const char*, bool> casi[] = {
        {6, "Solo  6 vocaboli selezionati!", true}, {7, "Solo  7 vocaboli selezionati!", false},
        {11, "Solo  11 vocaboli selezionati!", false}, {12, nullptr, false}};
    for (const auto& [parole, messaggio, ancora] : casi) {
        avvia(vocabolario(parole));
        Scelte lascia;
        lascia.annulla = true;
        scelte = {Scelte{}, lascia};
        lx->tasto(13);
        EXPECT_EQ(boxMostrati(), messaggio ? QStringList{messaggio} : QStringList{}) << parole;
        EXPECT_EQ(viste.size(), ancora ? 2u : 1u) << parole;
        EXPECT_EQ(lx->partita().turnoAperto, ancora ? 0 : 1) << parole;
    }
    // Widening the classes on the second showing starts the game.
    avvia("1;1;primus;primo\r\n" + righe(5) + righe(3, "2", 6));
    Scelte strette;
    strette.classi = {0, 1, 0, 0, 0};
    Scelte larghe = strette;
    larghe.classi[2] = 1;
    scelte = {strette, larghe};
    lx->menuImposta();
    EXPECT_EQ(boxMostrati(), (QStringList{"Solo  5 vocaboli selezionati!", "Solo  8 vocaboli selezionati!"}));
    EXPECT_EQ(viste.at(1).Chclassi[2].value, 0);
    EXPECT_EQ(lx->partita().turnoAperto, 1);
}

TEST_F(InPartita, UnaSolaFinestraEIlNuovoOrologio)
{
    avvia(vocabolario(20));
    b.eventi.coda = {[&] { lx->clickParola(); }, [&] { lx->menuImposta(); }}; // during the set-up itself
    inizia();
    EXPECT_EQ(viste.size(), 1u);

    // A click after a right answer starts a new game under the old word, whose bookkeeping
    // must leave the new clock alone; the player took ten minutes in the settings.
    b.finestre.impostazioni = [this, ok = b.finestre.impostazioni](Impostazioni& imp) {
        orologio.avanza(600000);
        ok(imp);
    };
    orologio.durantePausa = [&] { b.eventi.coda = {[&] { lx->clickParola(); }}; };
    giusta(13);
    orologio.durantePausa = nullptr;
    EXPECT_EQ(viste.size(), 2u);
    tick();
    EXPECT_EQ(lx->modello().Lab[1].text, "Tempo: 00:00:00");
}

TEST_F(InPartita, MezzanotteECaselleTutteNascoste)
{
    orologio.giorno = 1.0 - 30.0 / 86400;
    avvia(vocabolario(20));
    inizia();
    orologio.avanza(60000);
    orologio.giorno -= 1; // the time of day starts again from zero
    tick();
    EXPECT_EQ(lx->modello().Lab[1].text, "Tempo: 00:01:00");

    // Set-up asked for during the closing animation and cancelled: no box left to light.
    for (int k = 0; k < 10; ++k)
        giusta(13);
    Scelte lascia;
    lascia.annulla = true;
    scelte.push_back(lascia);
    lx->menuImposta();
    const int prima = lx->partita().evidenziata;
    tick();
    EXPECT_EQ(lx->partita().evidenziata, prima);
    for (const auto& c : lx->modello().sign)
        EXPECT_NE(c.back, colori::giallo);
}

TEST_F(InPartita, SuoniDelGiudizio)
{
    avvia(vocabolario(20));
    inizia();
    b.canali.log->clear();
    sbagliata(13);
    EXPECT_EQ(*b.canali.log, (QStringList{"Wrong.wav Prev", "Wrong.wav Play"}));
    for (int k = 0; k < 10; ++k)
        giusta(13);
    EXPECT_EQ(b.canali.log->count("Right.wav Play"), 10);
    EXPECT_EQ(b.canali.log->count("Vittoria.wav Play"), 1);
}

TEST_F(InPartita, UnTestoUgualeAllaTraduzioneEGiusto)
{
    for (const int giocatori : {1, 2}) {
        // "verbum1" and "verbum2" both mean "parola1": the wrong candidates of verbum1 show the right text.
        avvia("1;1;primus;primo\r\n1;1;verbum1;parola1\r\n1;1;verbum2;parola1\r\n" + righe(10, "2", 3));
        Scelte c;
        c.giocatori = giocatori;
        inizia(c);
        ASSERT_EQ(lx->partita().casellaEsatta, 0);
        tick();
        ASSERT_EQ(lx->partita().evidenziata, 1); // another box, the same text
        lx->tasto(giocatori == 1 ? 13 : '1');
        EXPECT_EQ(lx->partita().vocaboliFatti, 1) << giocatori;
        EXPECT_EQ(lx->partita().penalita, 0) << giocatori;
        EXPECT_EQ(lx->partita().giocatore(2).punti, giocatori == 1 ? 0 : 1) << giocatori;
    }
}

TEST_F(InPartita, LaLuceProsegueTraLeParoleESiFermaSullInvito)
{
    avvia(vocabolario(20));
    b.casuale.valori = {0.0, 5.0 / 12}; // the first word's right box is box 5, the next ones box 0
    inizia();
    giusta(13);
    tick();
    EXPECT_EQ(lx->partita().evidenziata, 6); // on from where the last word's light stood
    EXPECT_EQ(accesa().back, colori::giallo);

    // After the game, a new one asked for and given up: the prompt stays, and with it the
    // light, even with boxes to light; the clock runs on.
    for (int k = 1; k < 10; ++k)
        giusta(13);
    finoAlPrompt();
    Scelte lascia;
    lascia.annulla = true;
    scelte = {lascia};
    lx->tasto('x');
    const int prima = lx->partita().evidenziata;
    const QString tempo = lx->modello().Lab[1].text;
    orologio.avanza(2000);
    tick();
    EXPECT_EQ(lx->partita().evidenziata, prima);
    EXPECT_NE(lx->modello().Lab[1].text, tempo);
    for (const auto& c : lx->modello().sign)
        EXPECT_NE(c.back, colori::giallo);
}

TEST_F(InPartita, RinunciareAzzeraVocabolifattiEFinita)
{
    avvia(vocabolario(20));
    Scelte lascia;
    lascia.annulla = true;
    inizia();
    giusta(13);
    giusta(13);
    scelte = {lascia};
    lx->clickParola(); // mid-game: the game goes on, counting again from 0
    EXPECT_EQ((std::array{lx->partita().vocaboliFatti, static_cast<int>(lx->partita().fase == Fase::Chiusura), static_cast<int>(lx->partita().turnoAperto)}), (std::array{0, 0, 1}));
    EXPECT_EQ(lx->partita().totaleVocaboli, 10);
    EXPECT_TRUE(lx->modello().Timer1.enabled);

    for (int k = 0; k < 10; ++k)
        giusta(13);
    ASSERT_TRUE((lx->partita().fase == Fase::Chiusura));
    const QString tempo = lx->modello().Lab[1].text;
    scelte = {lascia};
    lx->clickParola(); // after the end: no longer over, so the clock runs again
    EXPECT_EQ((std::array{lx->partita().vocaboliFatti, static_cast<int>(lx->partita().fase == Fase::Chiusura)}), (std::array{0, 0}));
    orologio.avanza(5000);
    tick();
    EXPECT_NE(lx->modello().Lab[1].text, tempo);
}

TEST_F(InPartita, LaSecondaPartitaRitrovaElencoMusicaEIstruzioneNera)
{
    b.file.metti(QStringLiteral("vocpers.txt"), vocabolario(20));
    avvia(vocabolario(20));
    Scelte personale;
    personale.frequenze = {1, 1, 1, 1, 1}; // box 0: the personal list
    personale.musica = 1;
    personale.giocatori = 2;
    inizia(personale);
    EXPECT_EQ(lx->partita().fileCaricato, "vocpers.txt");
    sbagliata('0');
    ASSERT_EQ(lx->modello().Label1.fore, colori::bianco);

    scelte = {personale};
    lx->clickParola();
    const auto& w = viste.at(1);
    EXPECT_EQ(w.Chfreq[0].value, 1);
    EXPECT_FALSE(w.Frame3.visible);
    EXPECT_EQ(w.musica.value, 1);
    EXPECT_EQ(lx->modello().Label1.text, "Caesar: tasto 1. Cicero: tasto 0. Per interrompere: Esc.");
    EXPECT_EQ(lx->modello().Label1.fore, colori::nero);
}

TEST_F(InPartita, LaRichiestaDiUnaPartitaDentroUnTickAspettaCheFinisca)
{
    avvia(vocabolario(20));
    inizia();
    for (int k = 0; k < 10; ++k)
        giusta(13);
    finoAlPrompt();

    // A key queued before the tick is handled at its start, while the prompt shows.
    b.eventi.coda = {[&] { lx->tasto('x'); }};
    int ticksDietro = -1;
    b.finestre.impostazioni = [this, ok = b.finestre.impostazioni, &ticksDietro](Impostazioni& imp) {
        // Behind the window the board goes on ticking.
        const int prima = lx->partita().fotogramma;
        tick();
        ticksDietro = (lx->partita().fotogramma - prima + 5) % 5;
        ok(imp);
    };
    tick();
    EXPECT_TRUE(viste.size() == 1u && ticksDietro == -1); // not inside the tick
    EXPECT_EQ(b.eventi.dopoEvento.size(), 1u);
    b.eventi.coda = {[&] { lx->clickParola(); }}; // asked for twice: still one window
    tick();
    b.eventi.eseguiDopo();
    EXPECT_EQ(viste.size(), 2u);
    EXPECT_EQ(ticksDietro, 1);
    EXPECT_EQ(lx->partita().turnoAperto, 1);
}

TEST_F(InPartita, RinunciaDopoTroppoPocheParoleLasciaIlTabelloneFermo)
{
    // Too few words, then Esc in the settings window shown again: the board stays as the
    // refused set-up left it, its timer off. Keys do nothing there; the word and the menu
    // open the settings window again.
    avvia(vocabolario(3));
    Scelte lascia;
    lascia.annulla = true;
    scelte = {Scelte{}, lascia};
    lx->tasto(13);
    EXPECT_EQ(b.finestre.impostazioniMostrate, 2);
    EXPECT_EQ(boxMostrati(), QStringList{"Solo  3 vocaboli selezionati!"});
    const auto& m = lx->modello();
    EXPECT_EQ(m.Parola.text, "Vocaboli n. 3");
    EXPECT_FALSE(m.Timer1.enabled);
    EXPECT_NE(m.Timer1.interval, 1000);
    EXPECT_TRUE(m.windowShown);
    EXPECT_EQ(lx->partita().fase, Fase::Gioco);

    for (int codice : {13, 32, int('a'), int('0')})
        lx->tasto(codice);
    tick();
    EXPECT_EQ(b.finestre.impostazioniMostrate, 2);
    EXPECT_EQ(m.Parola.text, "Vocaboli n. 3");

    scelte = {lascia};
    lx->clickParola();
    EXPECT_EQ(b.finestre.impostazioniMostrate, 3);
    scelte = {Scelte{}, lascia};
    lx->menuImposta(); // the same choices: 3 words, refused, then the window once more
    EXPECT_EQ(b.finestre.impostazioniMostrate, 5);
}
