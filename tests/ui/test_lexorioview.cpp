// Invariant: the main window is a mirror of the model; keys, clicks and menu commands reach
// the rules exactly as the rules' own event functions would.
#include "about/ui/infoview.h"
#include "core/fakes.h"
#include "settings/impostazionimodel.h"
#include "shell/ui/lexorioview.h"
#include "board/ui/immagini.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

struct Vista : ::testing::Test {
    CartellaTemporanea cartella;
    Banco banco;
    std::unique_ptr<Lexorio> lex;
    std::unique_ptr<ui::LexorioView> vista;

    void SetUp() override
    {
        QByteArray dati = "0;0;Lexorio;titolo\r\n";
        for (int i = 1; i < 120; ++i)
            dati += "1;1;w" + QByteArray::number(i) + ";t\r\n";
        cartella.scrivi(QStringLiteral("vocaboli.txt"), dati);
        lex = banco.lexorio();
        vista = std::make_unique<ui::LexorioView>(*lex);
        lex->avvio();
        vista->rispecchia();
    }
};

} // namespace

TEST_F(Vista, FinestraEMenu)
{
    EXPECT_EQ(vista->windowTitle(), QStringLiteral("Lexorio !"));
    EXPECT_TRUE(vista->isVisible());
    EXPECT_EQ(vista->tabellone()->size(), QSize(469, 420)); // 7035 x 6300 twips
    const auto menu = vista->menuBar()->actions();
    ASSERT_EQ(menu.size(), 2);
    EXPECT_EQ(menu[0]->text(), QStringLiteral("&Impostazioni"));
    EXPECT_EQ(menu[1]->text(), QStringLiteral("?"));
    const auto voci = menu[0]->menu()->actions();
    ASSERT_EQ(voci.size(), 3);
    EXPECT_EQ(voci[0]->text(), QStringLiteral("&Partenza nuova partita"));
    EXPECT_TRUE(voci[1]->isSeparator());
    EXPECT_EQ(voci[2]->text(), QStringLiteral("&Fine"));
    EXPECT_EQ(menu[1]->menu()->actions().at(0)->text(), QStringLiteral("Info"));
    EXPECT_TRUE(vista->timer().isActive());
    EXPECT_EQ(vista->timer().interval(), 1000);
    EXPECT_EQ(vista->timer().timerType(), Qt::PreciseTimer);

    menu[1]->menu()->actions().at(0)->trigger();
    EXPECT_EQ(banco.finestre.infoMostrate, 1);
}

TEST_F(Vista, TastiEClic)
{
    banco.box.risposte = {Risposta::Annulla, Risposta::Annulla};
    QTest::keyClick(vista.get(), Qt::Key_Escape);
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].titolo, QStringLiteral("Fine lavoro"));

    // A click on the instruction line acts as Esc.
    QWidget* label1 = vista->tabellone()->childAt(QPoint(5, 6000 / 15 + 5));
    ASSERT_NE(label1, nullptr);
    QTest::mouseClick(label1, Qt::LeftButton);
    EXPECT_EQ(banco.box.mostrati.size(), 2u);

    // Any other key on the start prompt opens the settings window.
    QTest::keyClick(vista.get(), Qt::Key_A);
    EXPECT_EQ(banco.finestre.impostazioniMostrate, 1);
    // A bare modifier types nothing and starts nothing.
    QTest::keyClick(vista.get(), Qt::Key_Shift);
    EXPECT_EQ(banco.finestre.impostazioniMostrate, 1);
}

// Before the first picture nothing is drawn from vectors: every picture the start screen shows
// (either frame may show any of the six characters) was drawn when the program was built, at the
// size its widget has, for screens at 1x and 2x. A change of the board's layout fails here.
TEST_F(Vista, LaSchermataInizialeHaLeSueImmaginiPronte)
{
    const ImpostazioniModel imp = ImpostazioniModel::progettato();
    int viste = 0;
    for (const QWidget* w : vista->findChildren<QWidget*>()) {
        const auto* p = dynamic_cast<const ui::Pezzo*>(w); // Pezzo has no meta-object of its own
        if (!p || !p->isVisible() || p->elemento().picture.isEmpty())
            continue;
        const Elemento& e = p->elemento();
        QStringList ids{e.picture};
        if (&e == &lex->m.foto1 || &e == &lex->m.foto2)
            for (int k = 1; k <= 6; ++k)
                ids << imp.foto[static_cast<std::size_t>(k)].picture;
        for (const QString& id : ids)
            for (qreal dpr : {1.0, 2.0})
                EXPECT_TRUE(ui::immaginePronta(id, p->size(), dpr)) << qPrintable(id) << " at " << dpr;
        ++viste;
    }
    EXPECT_EQ(viste, 5); // two bands, the title picture, two portraits
}

TEST(CodiceTasto, CaratteriDelleRegole)
{
    auto codice = [](int tasto, const QString& testo, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QKeyEvent ev(QEvent::KeyPress, tasto, mod, testo);
        return ui::codiceTasto(&ev);
    };
    EXPECT_EQ(codice(Qt::Key_Escape, QStringLiteral("\x1b")), 27);
    EXPECT_EQ(codice(Qt::Key_Return, QStringLiteral("\r")), 13);
    EXPECT_EQ(codice(Qt::Key_Enter, QStringLiteral("\r")), 13);
    EXPECT_EQ(codice(Qt::Key_Space, QStringLiteral(" ")), 32);
    EXPECT_EQ(codice(Qt::Key_0, QStringLiteral("0")), 48);
    EXPECT_EQ(codice(Qt::Key_1, QStringLiteral("1")), 49);
    EXPECT_EQ(codice(Qt::Key_Shift, QString()), 0);
    EXPECT_EQ(codice(Qt::Key_I, QStringLiteral("i"), Qt::AltModifier), 0); // a menu's access key
}

TEST(Info, TestiEFotoNascosta)
{
    ui::InfoView box(nullptr);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Lexorio !"));
    EXPECT_EQ(box.size(), QSize(234, 237)); // 3510 x 3555 twips
    EXPECT_EQ(box.m.lblVersion.text, QStringLiteral("Versione 3.1"));
    const QStringList righe = box.m.lbldes.text.split(QLatin1Char('\n'));
    ASSERT_EQ(righe.size(), 3);
    EXPECT_TRUE(righe[1].endsWith(QLatin1Char(',')));
    EXPECT_EQ(righe[2], QStringLiteral("25 dicembre 2002"));
    EXPECT_TRUE(box.m.email.text.startsWith(QStringLiteral("Per segnalazioni o suggerimenti:\n\n")));
    EXPECT_EQ(box.m.Command3.text, QStringLiteral("L'autore (foto non recente)"));

    box.show();
    EXPECT_TRUE(box.command3()->isVisible());
    QTest::mouseClick(box.command3(), Qt::LeftButton);
    EXPECT_FALSE(box.command3()->isVisible());

    ui::InfoView seconda(nullptr); // every opening starts with the portrait covered
    seconda.show();
    EXPECT_TRUE(seconda.command3()->isVisible());
    QTest::mouseClick(seconda.command1(), Qt::LeftButton);
    EXPECT_EQ(seconda.result(), QDialog::Accepted);
}
