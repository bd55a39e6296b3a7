// Invariant: two copies of the game never run in one data folder at the same time, checked with
// real processes; a copy that died does not keep the folder; a folder nobody can write in
// does not stop the game.
#include "dati/unasolapartita.h"
#include "fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

// Another process that takes the folder; its first line says whether it got it.
struct AltraCopia {
    QProcess p;
    QByteArray esito;

    explicit AltraCopia(const QString& cartella, const char* modo = "--tieni-cartella")
    {
        p.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(modo), cartella});
        if (p.waitForStarted(30000))
            while (!p.canReadLine() && p.waitForReadyRead(30000)) {
            }
        esito = p.readLine().trimmed();
    }
    void chiudi()
    {
        p.closeWriteChannel();
        p.waitForFinished(30000);
    }
    ~AltraCopia()
    {
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished(30000);
        }
    }
};

} // namespace

TEST(UnaSolaPartita, DueProcessiNonGiocanoNellaStessaCartella)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    AltraCopia prima(cartella.path());
    ASSERT_EQ(prima.esito, "presa");

    // This process is the second copy: told in Italian, and it does not start.
    FakeBox box;
    UnaSolaPartita seconda(cartella.path());
    EXPECT_FALSE(seconda.prendiOAvvisa(box));
    ASSERT_EQ(box.mostrati.size(), 1u);
    EXPECT_EQ(box.mostrati[0].icona, Icona::Errore);
    EXPECT_EQ(box.mostrati[0].titolo, "lexorio");
    EXPECT_EQ(box.mostrati[0].testo, testoCartellaOccupata(cartella.path()));
    EXPECT_TRUE(box.mostrati[0].testo.startsWith("Lexorio è già aperto con questa cartella:\n" +
                                                 QDir::toNativeSeparators(cartella.path()) + "\n\n"));

    // Another folder is free all the same.
    QTemporaryDir altra;
    EXPECT_EQ(UnaSolaPartita(altra.path()).prendi(), UnaSolaPartita::Esito::Presa);

    // Once the first copy has ended, the folder is free, and now this process keeps a third out.
    prima.chiudi();
    EXPECT_TRUE(seconda.prendiOAvvisa(box));
    EXPECT_EQ(box.mostrati.size(), 1u);
    AltraCopia terza(cartella.path());
    EXPECT_EQ(terza.esito, "occupata");
}

TEST(UnaSolaPartita, UnaCopiaUccisaNonTieneLaCartella)
{
    QTemporaryDir cartella;
    AltraCopia uccisa(cartella.path());
    ASSERT_EQ(uccisa.esito, "presa");
    uccisa.p.kill();
    uccisa.p.waitForFinished(30000);
    EXPECT_TRUE(QFile::exists(cartella.filePath(QString::fromLatin1(kFileBlocco)))) << "killed, it could not clean up";
    EXPECT_EQ(UnaSolaPartita(cartella.path()).prendi(), UnaSolaPartita::Esito::Presa);
}

// The quit ends the process on the spot, where no destructor runs: the folder is given back
// all the same, so a shared folder is not left locked for the other computers.
TEST(UnaSolaPartita, LUscitaSulPostoRilasciaLaCartella)
{
    QTemporaryDir cartella;
    AltraCopia uscita(cartella.path(), "--esci-subito");
    ASSERT_EQ(uscita.esito, "presa");
    uscita.chiudi();
    EXPECT_EQ(uscita.p.exitStatus(), QProcess::NormalExit);
    EXPECT_FALSE(QFile::exists(cartella.filePath(QString::fromLatin1(kFileBlocco))));
}

// A copy on another computer sharing the folder can not be checked for life: the message names
// that computer and the file to remove if it went down with the game open.
TEST(UnaSolaPartita, UnaCopiaSuUnAltroComputer)
{
    QTemporaryDir cartella;
    QFile blocco(cartella.filePath(QString::fromLatin1(kFileBlocco)));
    ASSERT_TRUE(blocco.open(QIODevice::WriteOnly));
    blocco.write("4242\nlexorio\naula-3\n");
    blocco.close();
    FakeBox box;
    UnaSolaPartita u(cartella.path());
    EXPECT_FALSE(u.prendiOAvvisa(box));
    ASSERT_EQ(box.mostrati.size(), 1u);
    EXPECT_TRUE(box.mostrati[0].testo.endsWith("L'altra finestra è aperta sul computer \"aula-3\". Se quel computer si è "
                                               "spento con il gioco aperto, cancellare il file .lexorio.lock in questa "
                                               "cartella."))
        << qPrintable(box.mostrati[0].testo);
}

// Nothing can be written there (read-only, gone): no lock, and the game starts as it always did.
TEST(UnaSolaPartita, CartellaNonScrivibileNonFermaIlGioco)
{
    QTemporaryDir cartella;
    FakeBox box;
    UnaSolaPartita sparita(cartella.filePath(QStringLiteral("non-esiste")));
    EXPECT_EQ(sparita.prendi(), UnaSolaPartita::Esito::NonScrivibile);
    EXPECT_TRUE(sparita.prendiOAvvisa(box));
    EXPECT_TRUE(box.mostrati.empty());

    QFile::setPermissions(cartella.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile prova(cartella.filePath(QStringLiteral("prova")));
    if (!prova.open(QIODevice::WriteOnly)) { // root writes anyway
        UnaSolaPartita solaLettura(cartella.path());
        EXPECT_EQ(solaLettura.prendi(), UnaSolaPartita::Esito::NonScrivibile);
    }
    QFile::setPermissions(cartella.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
