// Invariant: the real file system port reports every failure with a reason instead of claiming
// success, and a file written twice holds the second contents.
#include "dati/ui/filesistemaqt.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lex;

TEST(FileSistemaQt, FalliscePerBeneERiesceDavvero)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    ui::FileSistemaQt fs;
    QString errore;
    const QString cartella = tmp.path() + QStringLiteral("/a/b/lexorio");

    ASSERT_TRUE(fs.creaCartella(cartella, errore)) << qPrintable(errore);
    EXPECT_TRUE(fs.creaCartella(cartella, errore)); // already there
    EXPECT_FALSE(fs.esiste(cartella));              // a directory is not a file

    const QString file = cartella + QStringLiteral("/vocaboli.txt");
    ASSERT_TRUE(fs.scrivi(file, "uno", errore));
    ASSERT_TRUE(fs.scrivi(file, "due", errore));
    EXPECT_TRUE(fs.esiste(file));
    EXPECT_EQ(fs.leggi(file, errore), QByteArray("due"));

    // A file where a directory should be: refused, with a reason.
    errore.clear();
    EXPECT_FALSE(fs.creaCartella(file, errore));
    EXPECT_FALSE(errore.isEmpty());
    errore.clear();
    EXPECT_FALSE(fs.creaCartella(file + QStringLiteral("/sotto"), errore));
    EXPECT_FALSE(errore.isEmpty());
    // Writing where a directory stands, or into a missing one, fails.
    errore.clear();
    EXPECT_FALSE(fs.scrivi(cartella, "tre", errore));
    EXPECT_FALSE(errore.isEmpty());
    errore.clear();
    EXPECT_FALSE(fs.scrivi(tmp.path() + QStringLiteral("/manca/x.txt"), "x", errore));
    EXPECT_FALSE(errore.isEmpty());
    errore.clear();
    EXPECT_FALSE(fs.leggi(cartella + QStringLiteral("/manca.txt"), errore).has_value());
    EXPECT_FALSE(errore.isEmpty());

    const QString prima = QDir::currentPath();
    errore.clear();
    EXPECT_FALSE(fs.entra(file, errore));
    EXPECT_FALSE(errore.isEmpty());
    EXPECT_EQ(QDir::currentPath(), prima);
    ASSERT_TRUE(fs.entra(cartella, errore));
    EXPECT_EQ(QDir::currentPath(), QDir(cartella).canonicalPath());
    QDir::setCurrent(prima);
}
