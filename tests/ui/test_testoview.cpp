// "Vocaboli da un testo" is used from the keyboard alone: the passage typed, its access key
// analyses it, Space in the table leaves a word out, F2 edits a translation, Esc closes.
#include "core/fakes.h"
#include "testo/ui/testoview.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

TEST(VistaTesto, DaTastiera)
{
    if (!QDir(testo::Lessico::cartellaPredefinita()).exists())
        GTEST_FAIL() << "Dati di Collatinus assenti: tools/install-deps.sh li installa";
    FakeBox box;
    FakeFileSistema fs;
    FinestraTesto regole(box, fs, testo::Lessico::cartellaPredefinita());
    ui::TestoView vista(regole);
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vista));
    EXPECT_EQ(vista.windowTitle(), QStringLiteral("Lexorio: Vocaboli da un testo"));
    EXPECT_TRUE(vista.testo()->hasFocus());

    QTest::keyClicks(vista.testo(), QStringLiteral("gladius gladio arma virumque"));
    EXPECT_EQ(regole.m.testo.text, QStringLiteral("gladius gladio arma virumque"));
    vista.comando(1)->click();
    ASSERT_EQ(vista.elenco()->rowCount(), 3);
    EXPECT_TRUE(vista.elenco()->item(0, 0)->text().startsWith(QLatin1String("gladius")));
    EXPECT_EQ(vista.elenco()->item(0, 4)->text(), QStringLiteral("2"));
    EXPECT_TRUE(vista.copertura()->text().startsWith(QLatin1String("4 parole, 3 lemmi")));

    vista.elenco()->setFocus();
    vista.elenco()->setCurrentCell(0, 0);
    QTest::keyClick(vista.elenco(), Qt::Key_Space);
    EXPECT_FALSE(regole.m.tenute.value(0, true));
    EXPECT_EQ(vista.elenco()->item(0, 0)->checkState(), Qt::Unchecked);

    vista.elenco()->setCurrentCell(1, 1);
    QTest::keyClick(vista.elenco(), Qt::Key_F2);
    auto* campo = vista.elenco()->findChild<QLineEdit*>();
    ASSERT_NE(campo, nullptr);
    campo->selectAll();
    QTest::keyClicks(campo, QStringLiteral("armi"));
    QTest::keyClick(campo, Qt::Key_Return);
    EXPECT_EQ(regole.m.righe.value(1).value(1), QStringLiteral("armi"));

    QTest::keyClick(&vista, Qt::Key_Escape);
    EXPECT_FALSE(regole.m.shown);
    EXPECT_FALSE(vista.isVisible());
}
