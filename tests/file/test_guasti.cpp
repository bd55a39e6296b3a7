// Invariant: under a real fault (a file-size limit, a full disk, a read-only directory, the
// directory removed while the game runs, the process killed in the middle of a save) every
// writer of the game leaves every file it had before byte for byte, leaves nothing beside them,
// and the player is told why in Italian; a killed save leaves the old file or the new one,
// never a mixture and never an empty file.
#include "dati/cartelladati.h"
#include "dati/disco/scritturaatomica.h"
#include "file/guasti.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

#include <sys/wait.h>
#include <unistd.h>

using namespace lex;
using namespace lex::test;

namespace {

// The four writers under one fault, in a directory prepared by fileDiPrima: nothing on the disk
// changes, and each says the system's reason in its message.
void nullaCambiaETuttoEDetto(const QString& cartella, const QString& motivo,
                             const std::function<QString(const std::function<QString()>&)>& sotto = {})
{
    QTemporaryDir spediti;
    ASSERT_TRUE(spediti.isValid());
    for (const char* nome : {"vocaboli.txt", "vocpers.txt"}) {
        QFile f(spediti.filePath(QString::fromLatin1(nome)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("0;0;Lexorio;titolo\r\n1;1;novus;nuovo\r\n");
    }
    const auto prima = fotografia(cartella);
    const auto esegui = [&](const std::function<QString()>& corpo) { return sotto ? sotto(corpo) : corpo(); };
    Dentro dentro(cartella);
    const QString impostazioni = esegui([] { return Scrittori().salvaImpostazioni(); });
    const QString partita = esegui([] { return Scrittori().registraPartita(); });
    const QString progressi = esegui([] { return Scrittori().registraProgressi(); });
    const QString elenco = esegui([] { return Scrittori().salvaElenco(); });
    const QString semina = esegui([&] { return Scrittori().semina(spediti.path()); });

    EXPECT_EQ(fotografia(cartella), prima);
    EXPECT_EQ(impostazioni, "Errore 75: Impossibile salvare");
    EXPECT_EQ(partita, QStringLiteral("Non è stato possibile scrivere ripasso.txt (%1): gli errori delle ultime partite "
                                      "non saranno ricordati alla prossima partenza.")
                           .arg(motivo));
    EXPECT_EQ(progressi, QStringLiteral("Non è stato possibile scrivere progressi.txt (%1): le ultime partite non "
                                        "saranno ricordate alla prossima partenza.")
                             .arg(motivo));
    EXPECT_EQ(elenco, QStringLiteral("Impossibile conservare il vecchio vocpers.txt in vocpers.bak (%1): vocpers.txt "
                                     "è rimasto com'era.")
                          .arg(motivo));
    EXPECT_TRUE(semina.startsWith("Alcuni file non sono stati copiati nella cartella dei dati di Lexorio:")) << qPrintable(semina);
    EXPECT_TRUE(semina.contains(QStringLiteral("vocaboli.txt: ") + motivo)) << qPrintable(semina);
    EXPECT_TRUE(semina.contains(QStringLiteral("vocpers.txt: ") + motivo)) << qPrintable(semina);
}

} // namespace

TEST(Guasti, LimiteDiDimensione)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    {
        Dentro dentro(tmp.path());
        fileDiPrima();
    }
    // 16 bytes: every file the game writes is longer.
    nullaCambiaETuttoEDetto(tmp.path(), sistema(EFBIG),
                            [](const std::function<QString()>& corpo) { return conLimiteDiFile(16, corpo); });
}

TEST(Guasti, DiscoPieno)
{
    PiccoloTmpfs disco;
    if (!disco.montato()) {
        // The file-size limit above fails the same writes the same way and needs no root.
        std::printf("Skipped: the full tmpfs (%s); LimiteDiDimensione carries the check.\n", qPrintable(disco.perche()));
        GTEST_SKIP() << qPrintable(disco.perche());
    }
    {
        Dentro dentro(disco.percorso());
        fileDiPrima();
    }
    ASSERT_TRUE(disco.riempi());
    nullaCambiaETuttoEDetto(disco.percorso(), sistema(ENOSPC));
}

TEST(Guasti, CartellaInSolaLettura)
{
    PiccoloTmpfs disco;
    QTemporaryDir tmp;
    const QString cartella = disco.montato() ? disco.percorso() : tmp.path();
    {
        Dentro dentro(cartella);
        fileDiPrima();
    }
    if (disco.montato()) {
        // Root writes through any permission: the file system itself refuses.
        ASSERT_TRUE(disco.solaLettura());
        nullaCambiaETuttoEDetto(cartella, sistema(EROFS));
    } else {
        ASSERT_TRUE(QFile::setPermissions(cartella, QFile::ReadOwner | QFile::ExeOwner));
        QFile::setPermissions(cartella + "/lexorio", QFile::ReadOwner | QFile::ExeOwner);
        nullaCambiaETuttoEDetto(cartella, sistema(EACCES));
        QFile::setPermissions(cartella + "/lexorio", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

// The game's folder removed while it runs: every save fails and says so; nothing is written
// anywhere else (not at the root, where a name without its folder would land).
TEST(Guasti, CartellaRimossaDuranteIlGioco)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString cartella = tmp.filePath(QStringLiteral("gioco"));
    QDir().mkdir(cartella);
    const QStringList allaRadice{"/lexorio.ini", "/ripasso.txt", "/progressi.txt", "/vocpers.txt"};
    for (const QString& f : allaRadice)
        ASSERT_FALSE(QFileInfo::exists(f)) << "the check below could not tell";
    Dentro dentro(cartella);
    Scrittori s;
    ASSERT_TRUE(QDir(cartella).removeRecursively());

    EXPECT_EQ(s.salvaImpostazioni(), "Errore 75: Impossibile salvare");
    EXPECT_EQ(s.registraPartita(), QStringLiteral("Non è stato possibile scrivere ripasso.txt (%1): gli errori delle "
                                                  "ultime partite non saranno ricordati alla prossima partenza.")
                                       .arg(sistema(ENOENT)));
    EXPECT_EQ(s.registraProgressi(), QStringLiteral("Non è stato possibile scrivere progressi.txt (%1): le ultime "
                                                    "partite non saranno ricordate alla prossima partenza.")
                                         .arg(sistema(ENOENT)));
    EXPECT_EQ(s.salvaElenco(), QStringLiteral("Impossibile salvare vocpers.txt (%1).").arg(sistema(ENOENT)));
    EXPECT_FALSE(QFileInfo::exists(cartella));
    for (const QString& f : allaRadice)
        EXPECT_FALSE(QFileInfo::exists(f)) << qPrintable(f);
}

// A save killed at any moment: the file is whole, old or new. Each round kills the child a few
// saves in, while it writes 256 KB files one after the other.
TEST(Guasti, UccisoMentreSalva)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString file = tmp.filePath(QStringLiteral("ripasso.txt"));
    const QByteArray vecchio(256 * 1024, 'v'), nuovo(256 * 1024, 'n');
    ASSERT_TRUE(scriviAtomicamente(file, vecchio).isEmpty());
    int aMeta = 0; // rounds killed with a file beside the old one: in the middle of a save
    for (int giro = 0; giro < 20; ++giro) {
        int tubo[2];
        ASSERT_EQ(::pipe(tubo), 0);
        const pid_t figlio = ::fork();
        ASSERT_GE(figlio, 0);
        if (figlio == 0) {
            ::close(tubo[0]);
            for (int i = 0;; ++i) {
                scriviAtomicamente(file, i % 2 ? vecchio : nuovo);
                if (::write(tubo[1], "s", 1) != 1)
                    ::_exit(1);
            }
        }
        ::close(tubo[1]);
        char c;
        for (int salvati = 0; salvati < 1 + giro % 3 && ::read(tubo[0], &c, 1) == 1; ++salvati) {
        }
        ::kill(figlio, SIGKILL);
        int stato = 0;
        ::waitpid(figlio, &stato, 0);
        ::close(tubo[0]);
        ASSERT_TRUE(WIFSIGNALED(stato));

        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray letto = f.readAll();
        ASSERT_TRUE(letto == vecchio || letto == nuovo) << "round " << giro << ": " << letto.size() << " bytes";
        // What a killed save leaves beside it is a hidden file of its own, never the game's, and
        // the next start removes it.
        const int avanzi = togliAvanzi(tmp.path(), scrittoDalGioco);
        EXPECT_LE(avanzi, 1);
        aMeta += avanzi;
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ripasso.txt"});
    }
    std::printf("Killed in the middle of a save in %d rounds of 20.\n", aMeta);
}

// The next start removes what killed saves of the game's own files left, and nothing else: not
// another program's leftovers, not a file that merely looks alike.
TEST(Guasti, AvanziDelleScrittureUccise)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QStringList tolti{".ripasso.txt.k3j9x.tmp", ".lexorio.ini.0.tmp", ".vocpers-3.bak.1z141z3.tmp",
                            ".progressi.txt.abc.tmp", ".vocaboli.txt.q.tmp"};
    const QStringList restano{"ripasso.txt", ".appunti.txt.k3j9x.tmp", ".ripasso.txt.tmp", ".ripasso.txt.K3J9X.tmp",
                              ".ripasso.txt.k3j9x.tmp.bak", ".vocpers-x.bak.abc.tmp"};
    for (const QString& nome : tolti + restano) {
        QFile f(tmp.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(togliAvanzi(tmp.path(), scrittoDalGioco), tolti.size());
    QStringList attese = restano;
    attese.sort();
    QStringList dopo = QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden);
    dopo.sort();
    EXPECT_EQ(dopo, attese);
}
