// Invariant: the file port on the disk reports every failure with the system's reason instead of
// claiming success, reads back what it wrote, renames without ever replacing, and the writer in
// the background ends up with the newest text, made away from the caller's thread.
#include "dati/disco/filesistemadisco.h"
#include "dati/disparte.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>
#include <thread>

using namespace lex;

namespace {

// The system's own words for an error, in whatever language the machine speaks.
QString sistema(int codice) { return QString::fromLocal8Bit(std::system_category().message(codice)); }

QByteArray contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(assente)");
}

} // namespace

TEST(FileSistemaDisco, FalliscePerBeneERiesceDavvero)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    FileSistemaDisco fs;
    QString errore;
    const QString cartella = tmp.path() + QStringLiteral("/a/b/lexorio");

    ASSERT_TRUE(fs.creaCartella(cartella, errore)) << qPrintable(errore);
    EXPECT_TRUE(fs.creaCartella(cartella, errore)); // already there
    EXPECT_FALSE(fs.esiste(cartella));              // a directory is not a file

    const QString file = cartella + QStringLiteral("/vocaboli.txt");
    ASSERT_TRUE(fs.scrivi(file, "uno", errore));
    ASSERT_TRUE(fs.scrivi(file, "due", errore));
    EXPECT_TRUE(fs.esiste(file));
    EXPECT_EQ(fs.contenuto(file, errore), QByteArray("due"));
    EXPECT_EQ(QDir(cartella).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"vocaboli.txt"}); // nothing left beside it

    // A file where a directory should be: refused, with a reason.
    errore.clear();
    EXPECT_FALSE(fs.creaCartella(file, errore));
    EXPECT_FALSE(errore.isEmpty());
    errore.clear();
    EXPECT_FALSE(fs.creaCartella(file + QStringLiteral("/sotto"), errore));
    EXPECT_FALSE(errore.isEmpty());
    // Writing where a directory stands, or into a missing one, fails with the system's words.
    errore.clear();
    EXPECT_FALSE(fs.scrivi(cartella, "tre", errore));
    EXPECT_EQ(errore, sistema(EISDIR));
    errore.clear();
    EXPECT_FALSE(fs.scrivi(tmp.path() + QStringLiteral("/manca/x.txt"), "x", errore));
    EXPECT_EQ(errore, sistema(ENOENT));
    errore.clear();
    EXPECT_FALSE(fs.contenuto(cartella + QStringLiteral("/manca.txt"), errore).has_value());
    EXPECT_FALSE(errore.isEmpty());

    const QString prima = QDir::currentPath();
    errore.clear();
    EXPECT_FALSE(fs.entra(file, errore));
    EXPECT_FALSE(errore.isEmpty());
    EXPECT_EQ(QDir::currentPath(), prima);
    ASSERT_TRUE(fs.entra(cartella, errore));
    EXPECT_EQ(fs.cartellaCorrente(), QDir(cartella).canonicalPath());
    EXPECT_EQ(fs.assoluto("x.txt"), QDir(cartella).canonicalPath() + "/x.txt");
    QDir::setCurrent(prima);
}

TEST(FileSistemaDisco, LeggeRinominaCopia)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    FileSistemaDisco fs;
    QString errore;
    const QString a = tmp.filePath("a.txt"), b = tmp.filePath("b.txt"), c = tmp.filePath("c.txt");
    ASSERT_TRUE(fs.scrivi(a, "quattro", errore));

    QByteArray dati;
    EXPECT_EQ(fs.leggi(b, dati, errore, 10), Lettura::Assente);
    EXPECT_EQ(fs.leggi(a, dati, errore, 7), Lettura::Letta);
    EXPECT_EQ(dati, "quattro");
    EXPECT_EQ(fs.leggi(a, dati, errore, 6), Lettura::Illeggibile); // too large to be ours
    EXPECT_EQ(errore, sistema(EFBIG));
    QDir().mkdir(tmp.filePath("cartella.txt"));
    EXPECT_EQ(fs.leggi(tmp.filePath("cartella.txt"), dati, errore, 10), Lettura::Illeggibile);

    EXPECT_TRUE(fs.copia(a, b, errore));
    EXPECT_EQ(contenuto(b), "quattro");
    EXPECT_FALSE(fs.copia(c, b, errore)); // nothing to copy: the target stays
    EXPECT_EQ(contenuto(b), "quattro");
    ASSERT_TRUE(fs.scrivi(c, "altro", errore));
    EXPECT_FALSE(fs.rinomina(c, b, errore)); // never over another file
    EXPECT_EQ(errore, sistema(EEXIST));
    EXPECT_EQ(contenuto(b), "quattro");
    EXPECT_TRUE(fs.rinomina(c, tmp.filePath("d.txt"), errore));
    EXPECT_EQ(contenuto(tmp.filePath("d.txt")), "altro");
    EXPECT_FALSE(fs.esiste(c));
}

TEST(FileSistemaDisco, LaCopiaNuovaTieneIPermessiDellaVecchia)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    FileSistemaDisco fs;
    QString errore;
    const QString f = tmp.filePath("lexorio.ini");
    ASSERT_TRUE(fs.scrivi(f, "uno", errore));
    const auto permessi = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(f, permessi));
    ASSERT_TRUE(fs.scrivi(f, "due", errore));
    EXPECT_EQ(QFile::permissions(f) & 0x7077, permessi); // owner, group, others
}

TEST(ScrittoreInDisparte, SulDisco)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    FileSistemaDisco fs;
    const QString ripasso = tmp.filePath("ripasso.txt");
    {
        ScrittoreInDisparte s(fs);
        s.scrivi(ripasso, [] { return QByteArray("uno"); });
        s.scrivi(ripasso, [] { return QByteArray("due"); });
        s.attendi();
        EXPECT_EQ(contenuto(ripasso), "due"); // the newest text wins
        EXPECT_TRUE(s.ultimoErrore().isEmpty());
        s.scrivi(tmp.filePath("manca/ripasso.txt"), [] { return QByteArray("x"); });
        s.attendi();
        EXPECT_EQ(s.ultimoErrore(), sistema(ENOENT));
        EXPECT_EQ(s.fallite(), 1);
        // The text itself is made on the writing thread, not on the game's.
        std::thread::id dove;
        s.scrivi(ripasso, [&dove] {
            dove = std::this_thread::get_id();
            return QByteArray("tre");
        });
        s.attendi();
        EXPECT_NE(dove, std::this_thread::get_id());
        EXPECT_TRUE(s.ultimoErrore().isEmpty()); // a write that works again clears the failure
        s.scrivi(ripasso, [] { return QByteArray("quattro"); });
    } // leaving finishes the write
    EXPECT_EQ(contenuto(ripasso), "quattro");
}
