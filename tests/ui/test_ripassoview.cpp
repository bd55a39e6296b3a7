// The review window mirrors its rules and is used from the keyboard alone: arrows in the list,
// access keys for the two lists and the buttons, Enter and Esc close it.
#include "core/fakes.h"
#include "review/ui/ripassoview.h"
#include "shell/ui/twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

// Access keys click their button after a short animation: wait for it, a few ms at a time.
template <typename F> bool aspetta(F&& fatto)
{
    for (int i = 0; i < 100 && !fatto(); ++i)
        QTest::qWait(10);
    return fatto();
}

struct VistaRipasso : ::testing::Test {
    FakeBox box;
    FakeFileSistema fs;
    ScrittoreInDisparte scrittore{fs, ScrittoreInDisparte::Filo::Chiamante};
    Ripasso ripasso{fs, scrittore};

    void sbaglia(const char* parola, int giocatore, const char* scelta)
    {
        ripasso.parolaChiesta(parola, QStringLiteral("t-") + parola, "1", "1");
        ripasso.rispostaGiudicata(giocatore, scelta, false);
        ripasso.rispostaGiudicata(giocatore == 1 ? 2 : 1, QStringLiteral("t-") + parola, true);
    }
    void partite()
    {
        ripasso.partitaIniziata(1, "Cicero", "");
        sbaglia("beta", 1, "x");
        ripasso.partitaFinita();
        ripasso.partitaIniziata(2, "Cicero", "Caesar");
        sbaglia("alfa", 2, "y");
        sbaglia("gamma", 1, "z");
        ripasso.partitaFinita();
    }
    void apri(ui::RipassoView& v)
    {
        v.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
        v.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    }
};

TEST_F(VistaRipasso, ElencoAlPostoProgettatoEDaTastiera)
{
    partite();
    FinestraRipasso regole(ripasso, box, fs);
    ui::RipassoView v(regole);
    apri(v);
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Lexorio: Ripasso"));
    EXPECT_EQ(v.size(), QSize(600, 364)); // 9000 x 5460 twips
    EXPECT_EQ(v.elenco()->geometry(), ui::rettangolo(regole.m.elenco));
    EXPECT_EQ(v.okay(0)->geometry(), ui::rettangolo(regole.m.okay[0]));
    EXPECT_TRUE(v.elenco()->isVisible());
    EXPECT_FALSE(v.vuoto()->isVisible());
    ASSERT_EQ(v.elenco()->columnCount(), 5);
    EXPECT_EQ(v.elenco()->horizontalHeaderItem(0)->text(), QStringLiteral("Giocatore"));
    ASSERT_EQ(v.elenco()->rowCount(), 2);
    EXPECT_EQ(v.elenco()->item(0, 0)->text(), QStringLiteral("Caesar"));
    EXPECT_EQ(v.elenco()->item(1, 3)->text(), QStringLiteral("z"));
    EXPECT_EQ(v.elenco()->item(1, 3)->toolTip(), QStringLiteral("z"));

    // The list has the keys; arrows move through it.
    EXPECT_EQ(QApplication::focusWidget(), v.elenco());
    EXPECT_EQ(v.elenco()->currentRow(), 0);
    QTest::keyClick(v.elenco(), Qt::Key_Down);
    EXPECT_EQ(v.elenco()->currentRow(), 1);

    // Alt+T: all games, without the player column.
    QTest::keyClick(&v, Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(aspetta([&] { return regole.m.vista[1].selected; }));
    EXPECT_TRUE(v.vista(1)->isChecked());
    EXPECT_EQ(v.elenco()->columnCount(), 4);
    EXPECT_EQ(v.elenco()->rowCount(), 3);
    EXPECT_EQ(v.elenco()->item(0, 0)->text(), QStringLiteral("alfa"));
    // An arrow on the option buttons goes back to the last game.
    QTest::keyClick(v.vista(1), Qt::Key_Left);
    EXPECT_TRUE(regole.m.vista[0].selected);
    EXPECT_EQ(v.elenco()->rowCount(), 2);

    // Alt+S saves the list shown; Esc closes.
    QTest::keyClick(&v, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(aspetta([&] { return regole.elencoSalvato(); }));
    EXPECT_TRUE(v.isVisible());
    QTest::keyClick(v.elenco(), Qt::Key_Escape);
    EXPECT_FALSE(v.isVisible());
    EXPECT_FALSE(regole.m.shown);
}

TEST_F(VistaRipasso, NienteDaRipassare)
{
    FinestraRipasso regole(ripasso, box, fs);
    ui::RipassoView v(regole);
    apri(v);
    EXPECT_FALSE(v.elenco()->isVisible());
    EXPECT_TRUE(v.vuoto()->isVisible());
    EXPECT_TRUE(v.vuoto()->text().startsWith(QStringLiteral("Nessuna partita finita")));
    EXPECT_FALSE(v.okay(0)->isEnabled());
    EXPECT_TRUE(v.okay(1)->isDefault());
}

TEST_F(VistaRipasso, InvioChiudeLaFinestraModale)
{
    partite();
    QTimer::singleShot(0, [] {
        QWidget* d = QApplication::activeModalWidget();
        ASSERT_NE(d, nullptr);
        ASSERT_EQ(d->focusWidget(), d->findChild<QTableWidget*>("elenco"));
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    EXPECT_FALSE(ui::mostraRipassoModale(ripasso, box, fs, nullptr));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
