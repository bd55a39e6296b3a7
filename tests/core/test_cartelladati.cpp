// Invariant: the installed game plays in the player's data directory, where a file is written
// only when it is missing or still exactly what an earlier start put there; started where its
// files are, or from the build tree, it stays where it is and writes nothing.
#include "dati/cartelladati.h"
#include "fakes.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

const QString kSpediti = QStringLiteral("/usr/share/lexorio");
const QString kDati = QStringLiteral("/home/anna/.local/share/lexorio");

QString qui(const QString& nome) { return kDati + QLatin1Char('/') + nome; }
QString spedito(const QString& nome) { return kSpediti + QLatin1Char('/') + nome; }
QByteArray sha(const QByteArray& b) { return QCryptographicHash::hash(b, QCryptographicHash::Sha256).toHex(); }

// An installed game in /usr, started from / by a player whose home is /home/anna.
struct Installato {
    FakeFileSistema fs;
    FakeBox box;
    Luoghi luoghi{QStringLiteral("/"), kSpediti, QString(), QStringLiteral("/home/anna")};

    Installato()
    {
        crea(kSpediti);
        for (const QString& nome : fileSpediti())
            fs.file[spedito(nome)] = "v1 " + nome.toLatin1();
    }
    void crea(const QString& cartella)
    {
        QString errore;
        fs.creaCartella(cartella, errore);
    }
    bool avvia() { return preparaCartellaDati(fs, box, luoghi); }
    QMap<QString, QByteArray> registro() { return leggiRegistro(fs.file[qui(QString::fromLatin1(kRegistroOriginali))]); }
};

struct CartellaDati : ::testing::Test, Installato {};

} // namespace

TEST(CartellaDatiUtente, SegueXdgDataHomeOppureHome)
{
    struct Riga {
        const char *xdg, *home, *attesa;
    } righe[] = {
        {"/dati", "/home/anna", "/dati/lexorio"},
        {"/dati/", "/home/anna", "/dati/lexorio"},
        {"", "/home/anna", "/home/anna/.local/share/lexorio"},
        {"dati/relativi", "/home/anna", "/home/anna/.local/share/lexorio"}, // invalid: ignored
        {"", "", ""},
        {"", "relativa", ""},
    };
    for (const auto& r : righe)
        EXPECT_EQ(cartellaDatiUtente(QString::fromLatin1(r.xdg), QString::fromLatin1(r.home)), QString::fromLatin1(r.attesa))
            << r.xdg << " | " << r.home;
}

TEST(Registro, FormatoDiSha256sum)
{
    const QByteArray h1(64, 'a'), h2(64, 'b');
    const QMap<QString, QByteArray> r{{QStringLiteral("vocaboli.txt"), h1}, {QStringLiteral("Right.wav"), h2}};
    EXPECT_EQ(scriviRegistro(r), "bbbb" + QByteArray(60, 'b') + "  Right.wav\n" + h1 + "  vocaboli.txt\n");
    EXPECT_EQ(leggiRegistro(scriviRegistro(r)), r);
    // What a hand-run sha256sum writes (binary mode, CR LF, upper case) reads the same; rubbish is skipped.
    const QByteArray aMano = QByteArray(64, 'A') + " *vocaboli.txt\r\nrubbish\n" + QByteArray(63, 'c') + "  corto.txt\n\n";
    EXPECT_EQ(leggiRegistro(aMano), (QMap<QString, QByteArray>{{QStringLiteral("vocaboli.txt"), h1}}));
}

TEST_F(CartellaDati, PrimoAvvioCopiaTuttoEPoiNonScrivePiu)
{
    ASSERT_TRUE(avvia());
    EXPECT_TRUE(box.mostrati.empty());
    EXPECT_EQ(fs.corrente, kDati);
    for (const QString& nome : fileSpediti()) {
        EXPECT_EQ(fs.file[qui(nome)], fs.file[spedito(nome)]) << qPrintable(nome);
        EXPECT_EQ(registro().value(nome), sha(fs.file[spedito(nome)])) << qPrintable(nome);
    }

    // The player saves settings and plays; the next start leaves every file alone.
    fs.file[qui(QStringLiteral("lexorio.ini"))] = "Velocita: 5\r\n";
    const int scritture = fs.scritture;
    fs.corrente = QStringLiteral("/");
    ASSERT_TRUE(avvia());
    EXPECT_EQ(fs.scritture, scritture);
    EXPECT_EQ(fs.corrente, kDati);
    EXPECT_EQ(fs.file[qui(QStringLiteral("lexorio.ini"))], "Velocita: 5\r\n");
}

// One shipped file through an upgrade: seeded as v1, then the player does something, then the
// new version ships v2.
TEST_F(CartellaDati, AggiornamentoSoloDelleCopieIntatte)
{
    struct Riga {
        const char* caso;
        std::function<void(FakeFileSistema&, const QString&)> giocatore;
        QByteArray attesa; // the player's file after the upgrade ("" = the new shipped one)
        bool tenuto;
    } righe[] = {
        {"intatto", [](FakeFileSistema&, const QString&) {}, "", false},
        {"cambiato", [](FakeFileSistema& f, const QString& p) { f.file[p] = "mio"; }, "mio", true},
        {"cancellato", [](FakeFileSistema& f, const QString& p) { f.file.erase(p); }, "", false},
        {"reso uguale al nuovo", [](FakeFileSistema& f, const QString& p) { f.file[p] = "v2"; }, "", false},
    };
    for (const QString& nome : {QStringLiteral("vocaboli.txt"), QStringLiteral("musica.mid")}) {
        for (const auto& r : righe) {
            FakeFileSistema disco = fs;
            FakeBox scatola;
            ASSERT_TRUE(preparaCartellaDati(disco, scatola, luoghi));
            r.giocatore(disco, qui(nome));
            disco.file[spedito(nome)] = "v2";
            const EsitoSemina esito = semina(disco, kSpediti, kDati);
            const QByteArray attesa = r.attesa.isEmpty() ? QByteArray("v2") : r.attesa;
            EXPECT_EQ(disco.file[qui(nome)], attesa) << r.caso << " " << qPrintable(nome);
            EXPECT_EQ(esito.tenuti.contains(nome), r.tenuto) << r.caso;
            EXPECT_TRUE(esito.errori.isEmpty()) << r.caso;
            const auto reg = leggiRegistro(disco.file[qui(QString::fromLatin1(kRegistroOriginali))]);
            // A kept file keeps its old record, so it is never taken for an untouched copy of v2.
            EXPECT_EQ(reg.value(nome), sha(r.tenuto ? QByteArray("v1 ") + nome.toLatin1() : QByteArray("v2"))) << r.caso;
            for (const QString& altro : fileSpediti()) {
                if (altro != nome) {
                    EXPECT_EQ(disco.file[qui(altro)], disco.file[spedito(altro)]) << r.caso;
                }
            }
        }
    }
}

TEST_F(CartellaDati, CartellaPreparataAManoSenzaRegistro)
{
    // A teacher put a list there before the first start: it is not ours, so it stays, and a
    // later upgrade of the shipped list leaves it alone too.
    crea(kDati);
    fs.file[qui(QStringLiteral("vocpers.txt"))] = "lista della maestra";
    fs.file[qui(QStringLiteral("vocaboli.txt"))] = fs.file[spedito(QStringLiteral("vocaboli.txt"))];
    ASSERT_TRUE(avvia());
    EXPECT_EQ(fs.file[qui(QStringLiteral("vocpers.txt"))], "lista della maestra");
    EXPECT_FALSE(registro().contains(QStringLiteral("vocpers.txt")));
    EXPECT_TRUE(registro().contains(QStringLiteral("vocaboli.txt"))); // identical: now known as ours

    fs.file[spedito(QStringLiteral("vocpers.txt"))] = "v2";
    EXPECT_EQ(semina(fs, kSpediti, kDati).tenuti, QStringList{QStringLiteral("vocpers.txt")});
    EXPECT_EQ(fs.file[qui(QStringLiteral("vocpers.txt"))], "lista della maestra");

    // A damaged record is no licence to overwrite either.
    fs.file[qui(QString::fromLatin1(kRegistroOriginali))] = QByteArray("\0\xff garbage", 10);
    fs.file[qui(QStringLiteral("vocaboli.txt"))] = "cambiato";
    fs.file[spedito(QStringLiteral("vocaboli.txt"))] = "v2";
    EXPECT_TRUE(avvia());
    EXPECT_EQ(fs.file[qui(QStringLiteral("vocaboli.txt"))], "cambiato");
}

TEST_F(CartellaDati, RestaDoveSonoISuoiFile)
{
    // Started in a folder that holds a vocabulary (a teacher's, the build tree's play directory).
    luoghi.corrente = QStringLiteral("/scuola");
    crea(luoghi.corrente);
    fs.file[QStringLiteral("/scuola/vocaboli.txt")] = "mio";
    EXPECT_TRUE(avvia());
    EXPECT_EQ(fs.corrente, QStringLiteral("/"));

    // Not installed (the build tree): no shipped files beside the program.
    luoghi.corrente = QStringLiteral("/");
    luoghi.spediti = QStringLiteral("/build/share/lexorio");
    EXPECT_TRUE(avvia());
    luoghi.spediti.clear();
    EXPECT_TRUE(avvia());

    EXPECT_EQ(fs.corrente, QStringLiteral("/"));
    EXPECT_EQ(fs.scritture, 0);
    EXPECT_EQ(fs.cartelle.count(kDati), 0u);
    EXPECT_TRUE(box.mostrati.empty());
}

TEST_F(CartellaDati, CartellaImpossibileFermaIlGiocoConUnMessaggio)
{
    struct Riga {
        const char* caso;
        std::function<void(Installato&)> guasto;
        QString nelTesto;
    } righe[] = {
        {"non si crea", [](Installato& t) { t.fs.increabili.insert(kDati); }, QStringLiteral("Impossibile creare")},
        {"non si apre", [](Installato& t) { t.fs.inaccessibili.insert(kDati); }, QStringLiteral("Impossibile aprire")},
        {"nessuna casa", [](Installato& t) { t.luoghi.home.clear(); }, QStringLiteral("HOME")},
    };
    for (const auto& r : righe) {
        Installato t;
        r.guasto(t);
        EXPECT_FALSE(t.avvia()) << r.caso;
        ASSERT_EQ(t.box.mostrati.size(), 1u) << r.caso;
        const BoxMostrato& b = t.box.mostrati[0];
        EXPECT_EQ(b.icona, Icona::Errore) << r.caso;
        EXPECT_EQ(b.titolo, QStringLiteral("lexorio"));
        EXPECT_TRUE(b.testo.contains(r.nelTesto)) << qPrintable(b.testo);
        EXPECT_EQ(t.fs.corrente, QStringLiteral("/")) << r.caso;
    }
    // The reason and the place are told.
    Installato t;
    t.fs.increabili.insert(kDati);
    t.avvia();
    EXPECT_TRUE(t.box.mostrati[0].testo.contains(kDati));
    EXPECT_TRUE(t.box.mostrati[0].testo.contains(QStringLiteral("Permission denied")));
}

TEST_F(CartellaDati, FileNonCopiatiSonoElencatiEIlGiocoProsegue)
{
    // A read-only directory (say, a full or locked disk) after the first start: nothing to copy,
    // nothing to say.
    ASSERT_TRUE(avvia());
    fs.bloccati.insert(kDati);
    ASSERT_TRUE(avvia());
    EXPECT_TRUE(box.mostrati.empty());

    // Now something must be copied and can not be: the player hears which files and why, and
    // the game goes on in the directory with what it has.
    fs.file.erase(qui(QStringLiteral("Wrong.wav")));
    fs.illeggibili.insert(spedito(QStringLiteral("Right.wav")));
    fs.file[spedito(QStringLiteral("vocaboli.txt"))] = "v2";
    fs.illeggibili.insert(qui(QStringLiteral("vocpers.txt")));
    fs.file[spedito(QStringLiteral("vocpers.txt"))] = "v2";
    ASSERT_TRUE(avvia());
    ASSERT_EQ(box.mostrati.size(), 1u);
    const BoxMostrato& b = box.mostrati[0];
    EXPECT_EQ(b.icona, Icona::Avviso);
    EXPECT_TRUE(b.testo.contains(kDati));
    for (const char* riga : {"Wrong.wav: Read-only file system", "Right.wav: Permission denied",
                             "vocaboli.txt: Read-only file system", "vocpers.txt: Permission denied"})
        EXPECT_TRUE(b.testo.contains(QString::fromLatin1(riga))) << riga << "\n" << qPrintable(b.testo);
    EXPECT_EQ(fs.corrente, kDati);
    EXPECT_EQ(fs.file[qui(QStringLiteral("vocaboli.txt"))], "v1 vocaboli.txt");
}

TEST_F(CartellaDati, RegistroNonScrittoESegnalato)
{
    // Were the record lost silently, a later upgrade would take the new copy for the player's own.
    fs.bloccati.insert(qui(QString::fromLatin1(kRegistroOriginali)));
    ASSERT_TRUE(avvia());
    EXPECT_EQ(fs.file[qui(QStringLiteral("vocaboli.txt"))], fs.file[spedito(QStringLiteral("vocaboli.txt"))]);
    ASSERT_EQ(box.mostrati.size(), 1u);
    EXPECT_TRUE(box.mostrati[0].testo.endsWith(QStringLiteral("\n.originali.sha256: Read-only file system")))
        << qPrintable(box.mostrati[0].testo);
}
