// Invariant: the review window shows the list chosen, most missed first, with who missed it in a
// two-player game; says kindly when there is nothing; and saves the list shown as vocpers.txt
// only after asking when one exists, keeping the old one whole in vocpers.bak.
#include "fakes.h"
#include "review/finestraripasso.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

struct Tasto {
    const char* parola;
    int giocatore; // 0: answered right
    const char* scelta = "";
};

void gioca(Ripasso& r, int giocatori, std::initializer_list<Tasto> tasti)
{
    r.partitaIniziata(giocatori, "Cicero", "Caesar");
    QString ultima;
    for (const Tasto& t : tasti) {
        if (ultima != QLatin1String(t.parola))
            r.parolaChiesta(t.parola, QStringLiteral("t-") + t.parola, "1", "1");
        ultima = QString::fromLatin1(t.parola);
        r.rispostaGiudicata(t.giocatore ? t.giocatore : 1, QString::fromUtf8(t.scelta), t.giocatore == 0);
    }
    r.partitaFinita();
}

struct Finestra : ::testing::Test {
    FakeBox box;
    FakeFileSistema fs;
    ScrittoreInDisparte scrittore{fs, ScrittoreInDisparte::Filo::Chiamante};
    Ripasso ripasso{fs, scrittore};
    QByteArray contenuto(const char* nome) { return fs.ha(nome) ? fs.di(nome) : QByteArray("(assente)"); }
};

} // namespace

TEST_F(Finestra, NienteDaMostrareLoDiceConGarbo)
{
    const struct {
        int partite; // 0 none, 1 one game missing "alfa", 2 then four games without a miss
        int vista;
        const char* inizio;
    } casi[] = {
        {0, 0, "Nessuna partita finita, per ora."},
        {0, 1, "Ancora nessun errore da ripassare."},
        {2, 0, "Nell'ultima partita nessun errore."},
        {2, 1, "Nessun vocabolo da ripassare: complimenti!"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.partite << " " << c.vista);
        Ripasso r(fs, scrittore);
        if (c.partite == 2) {
            gioca(r, 1, {{"alfa", 1, "x"}, {"alfa", 0}});
            for (int i = 0; i < 3; ++i)
                gioca(r, 1, {{"alfa", 0}});
        }
        FinestraRipasso f(r, box, fs);
        f.vista_Click(c.vista);
        EXPECT_TRUE(f.m.vuoto.visible);
        EXPECT_FALSE(f.m.elenco.visible);
        EXPECT_TRUE(f.m.vuoto.text.startsWith(QString::fromUtf8(c.inizio))) << f.m.vuoto.text.toStdString();
        EXPECT_FALSE(f.m.okay[0].enabled);
        EXPECT_TRUE(f.m.nota.text.isEmpty());
        f.okay_Click(0); // nothing to save: nothing happens
        EXPECT_FALSE(fs.scritti.contains("vocpers.txt"));
    }
}

TEST_F(Finestra, LeDueListe)
{
    gioca(ripasso, 1, {{"beta", 1, "x"}, {"beta", 0}});
    gioca(ripasso, 2, {{"alfa", 2, "y"}, {"alfa", 1, "x"}, {"alfa", 2, "y"}, {"alfa", 0}, {"gamma", 1, ""}, {"gamma", 0}});

    FinestraRipasso f(ripasso, box, fs);
    EXPECT_TRUE(f.m.shown);
    EXPECT_TRUE(f.m.vista[0].selected && !f.m.vista[1].selected);
    EXPECT_TRUE(f.m.elenco.visible && !f.m.vuoto.visible && f.m.okay[0].enabled);
    EXPECT_EQ(f.m.colonne, (QStringList{"Giocatore", "Vocabolo", "Traduzione giusta", "Scelto invece", "Errori"}));
    EXPECT_EQ(f.m.larghezze.size(), f.m.colonne.size());
    EXPECT_EQ(f.m.righe, (QList<QStringList>{{"Caesar", "alfa", "t-alfa", "y (2)", "2"},
                                             {"Cicero", "alfa", "t-alfa", "x", "1"},
                                             {"Cicero", "gamma", "t-gamma", "(casella vuota)", "1"}}));
    EXPECT_TRUE(f.m.nota.text.contains("ne mancano 5")) << f.m.nota.text.toStdString();

    f.vista_Click(1);
    EXPECT_TRUE(!f.m.vista[0].selected && f.m.vista[1].selected);
    EXPECT_EQ(f.m.colonne.size(), 4);
    EXPECT_EQ(f.m.righe, (QList<QStringList>{{"alfa", "t-alfa", "y (2), x", "3"},
                                             {"beta", "t-beta", "x", "1"},
                                             {"gamma", "t-gamma", "(casella vuota)", "1"}}));
    f.okay_Click(1);
    EXPECT_FALSE(f.m.shown);
    EXPECT_FALSE(f.elencoSalvato());
}

TEST_F(Finestra, SalvaLaListaMostrataChiedendoPrima)
{
    gioca(ripasso, 1, {{"beta", 1, "x"}, {"beta", 0}});
    gioca(ripasso, 1, {{"alfa", 1, "x"}, {"alfa", 0}});

    // No personal list yet, and too few words to play: said before saving, with what to add;
    // Annulla writes nothing.
    box.risposte = {Risposta::Annulla};
    {
        FinestraRipasso f(ripasso, box, fs);
        f.okay_Click(0);
        EXPECT_FALSE(f.elencoSalvato());
    }
    ASSERT_EQ(box.mostrati.size(), 1u);
    EXPECT_EQ(box.mostrati[0].icona, Icona::Domanda);
    EXPECT_EQ(box.mostrati[0].testo, "Un solo vocabolo non basta per una partita: il gioco ne vuole almeno 7. Una volta "
                                     "salvato l'elenco, prima di giocarlo bisognerà aggiungere a mano almeno 6 vocaboli.\n\n"
                                     "Salvarli lo stesso?");
    EXPECT_EQ(contenuto("vocpers.txt"), "(assente)");

    // OK: saved, and the message after it says what to add, not to tick a list the game refuses.
    box.mostrati.clear();
    {
        FinestraRipasso f(ripasso, box, fs);
        f.okay_Click(0);
        EXPECT_TRUE(f.elencoSalvato());
        EXPECT_TRUE(f.m.shown); // the window stays open
    }
    ASSERT_EQ(box.mostrati.size(), 2u);
    EXPECT_EQ(box.mostrati[1].icona, Icona::Avviso);
    EXPECT_TRUE(box.mostrati[1].testo.startsWith("Salvati in vocpers.txt: 1 vocabolo.\n\nNon bastano ancora per una "
                                                 "partita. Prima di spuntare \"Elenco personale (vocpers.txt)\" nelle "
                                                 "impostazioni, aggiungere a vocpers.txt almeno 6 vocaboli"))
        << qPrintable(box.mostrati[1].testo);
    EXPECT_TRUE(contenuto("vocpers.txt").endsWith("\r\n0;1;alfa;t-alfa\r\n"));
    EXPECT_EQ(contenuto("vocpers.bak"), "(assente)");
    const QByteArray primo = contenuto("vocpers.txt");

    // One exists: asked first, naming where it is kept; Annulla leaves everything alone.
    box.mostrati.clear();
    box.risposte = {Risposta::Annulla};
    {
        FinestraRipasso f(ripasso, box, fs);
        f.vista_Click(1);
        f.okay_Click(0);
        EXPECT_FALSE(f.elencoSalvato());
    }
    ASSERT_EQ(box.mostrati.size(), 1u);
    EXPECT_EQ(box.mostrati[0].icona, Icona::Domanda);
    EXPECT_EQ(box.mostrati[0].pulsanti, Pulsanti::OkAnnulla);
    EXPECT_TRUE(box.mostrati[0].testo.contains("Sostituirlo con 2 vocaboli del ripasso?\nQuello di adesso resterà in "
                                               "vocpers.bak. Il gioco non sovrascrive mai un elenco che non ha scritto "
                                               "il ripasso"))
        << qPrintable(box.mostrati[0].testo);
    EXPECT_EQ(contenuto("vocpers.txt"), primo);

    // A vocpers.bak that cannot be written: the list stays as it was.
    box.mostrati.clear();
    fs.bloccati = {"vocpers.bak"};
    {
        FinestraRipasso f(ripasso, box, fs);
        f.vista_Click(1);
        f.okay_Click(0);
        EXPECT_FALSE(f.elencoSalvato());
    }
    ASSERT_EQ(box.mostrati.size(), 2u);
    EXPECT_EQ(box.mostrati[1].icona, Icona::Errore);
    EXPECT_EQ(box.mostrati[1].testo, "Impossibile conservare il vecchio vocpers.txt in vocpers.bak (Read-only file "
                                     "system): vocpers.txt è rimasto com'era.");
    EXPECT_EQ(contenuto("vocpers.txt"), primo);

    // OK: the old list kept whole in vocpers.bak, the new one in its place.
    box.mostrati.clear();
    fs.bloccati.clear();
    {
        FinestraRipasso f(ripasso, box, fs);
        f.vista_Click(1);
        f.okay_Click(0);
        EXPECT_TRUE(f.elencoSalvato());
    }
    EXPECT_EQ(contenuto("vocpers.bak"), primo);
    EXPECT_TRUE(contenuto("vocpers.txt").endsWith("\r\n0;1;alfa;t-alfa\r\n0;1;beta;t-beta\r\n"));

    // A list that cannot be written is said so, and nothing counts as saved.
    const QByteArray secondo = contenuto("vocpers.txt");
    box.mostrati.clear();
    fs.bloccati = {"vocpers.txt"};
    FinestraRipasso f(ripasso, box, fs);
    f.okay_Click(0);
    EXPECT_FALSE(f.elencoSalvato());
    ASSERT_EQ(box.mostrati.size(), 2u);
    EXPECT_EQ(box.mostrati[1].testo, "Impossibile salvare vocpers.txt (Read-only file system).");
    EXPECT_EQ(contenuto("vocpers.txt"), secondo);
}

// The teacher's list survives any number of saves: a copy is written over only when it holds a
// list the review wrote and nobody changed.
TEST_F(Finestra, LElencoDellInsegnanteNonSiPerdeMai)
{
    const QByteArray insegnante = "0;0;Titolo;Classe terza\r\n0;1;miles;soldato\r\n";
    fs.metti("vocpers.txt", insegnante);
    for (const char* p : {"a1", "a2", "a3", "a4", "a5", "a6", "a7"})
        gioca(ripasso, 1, {{p, 1, "x"}});
    const auto salva = [&](int vista) {
        box.mostrati.clear();
        FinestraRipasso f(ripasso, box, fs);
        f.vista_Click(vista);
        f.okay_Click(0);
        EXPECT_TRUE(f.elencoSalvato());
        return box.mostrati.front().testo;
    };

    EXPECT_TRUE(salva(0).contains("resterà in vocpers.bak."));
    const QByteArray ultima = contenuto("vocpers.txt");
    // The second save keeps the first one beside the teacher's list, not over it.
    EXPECT_TRUE(salva(1).contains("resterà in vocpers-2.bak. Il gioco non sovrascrive mai"));
    EXPECT_EQ(contenuto("vocpers.bak"), insegnante);
    EXPECT_EQ(contenuto("vocpers-2.bak"), ultima);
    // The third replaces that earlier review list, and says so.
    const QByteArray tutte = contenuto("vocpers.txt");
    EXPECT_TRUE(salva(0).contains("resterà in vocpers-2.bak, al posto di un elenco salvato prima dal ripasso."));
    EXPECT_EQ(contenuto("vocpers.bak"), insegnante);
    EXPECT_EQ(contenuto("vocpers-2.bak"), tutte);
    EXPECT_EQ(contenuto("vocpers-3.bak"), "(assente)");

    // A review list with a word added by hand is no longer the review's: it is kept too.
    fs.metti("vocpers-2.bak", tutte + "0;3;amo;amare\r\n");
    EXPECT_TRUE(salva(1).contains("resterà in vocpers-3.bak."));
    EXPECT_TRUE(contenuto("vocpers-2.bak").endsWith("0;3;amo;amare\r\n"));
    EXPECT_EQ(contenuto("vocpers.bak"), insegnante);
}

// With seven words or more the message says how to play them, and about "Escludi simili" when only
// unticking it gives a game.
TEST_F(Finestra, DopoIlSalvataggioComeGiocarli)
{
    for (const char* p : {"a1", "a2", "a3", "a4", "a5", "a6", "a7"})
        gioca(ripasso, 1, {{p, 1, "x"}});
    {
        FinestraRipasso f(ripasso, box, fs);
        f.vista_Click(1);
        f.okay_Click(0);
    }
    ASSERT_EQ(box.mostrati.size(), 1u) << "enough to play: no question before saving";
    EXPECT_TRUE(box.mostrati[0].testo.contains("Per giocarli, nelle impostazioni spuntare \"Elenco personale "
                                               "(vocpers.txt)\". Il gioco avviserà"))
        << qPrintable(box.mostrati[0].testo);

    // Words that begin like their translation ("t-" both): left out while "Escludi simili" is ticked.
    Ripasso simili{fs, scrittore};
    for (const char* p : {"t-1", "t-2", "t-3", "t-4", "t-5", "t-6", "t-7"})
        gioca(simili, 1, {{p, 1, "x"}});
    box.mostrati.clear();
    box.risposte = {Risposta::Ok};
    FinestraRipasso f(simili, box, fs);
    f.vista_Click(1);
    f.okay_Click(0);
    ASSERT_EQ(box.mostrati.size(), 2u);
    EXPECT_TRUE(box.mostrati[1].testo.contains("\"Elenco personale (vocpers.txt)\" e togliere la spunta a "
                                               "\"Escludi simili\"."))
        << qPrintable(box.mostrati[1].testo);
}
