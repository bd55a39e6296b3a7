// The settings window mirrors its rules: controls at the designed twips, keys and clicks reach
// the rules, and the modal loop ends when the rules hide the window.
#include "core/fakes.h"
#include "settings/impostazioni.h"
#include "settings/ui/impostazioniview.h"
#include "shell/ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

struct VistaImpostazioni : ::testing::Test {
    Banco banco;
    std::unique_ptr<Impostazioni> imp = std::make_unique<Impostazioni>(banco.porte);
    std::unique_ptr<ui::ImpostazioniView> vista;

    void apri()
    {
        vista = std::make_unique<ui::ImpostazioniView>(*imp);
        imp->attivazione();
        vista->rispecchia();
        vista->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(vista.get()));
        vista->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(vista.get()));
    }
    template <typename T> T* w(const char* nome) { return vista->findChild<T*>(QLatin1String(nome)); }
    void click(QWidget* x) { QTest::mouseClick(x, Qt::LeftButton, {}, x->rect().center()); }
};

TEST_F(VistaImpostazioni, ControlliAlPostoProgettato)
{
    apri();
    const auto& m = imp->m;
    EXPECT_EQ(vista->windowTitle(), QStringLiteral("Lexorio: Impostazioni nuova partita"));
    EXPECT_EQ(vista->size(), QSize(461, 314)); // 6915 x 4710 twips
    const std::pair<const char*, const Elemento*> posti[] = {
        {"Frame1", &m.Frame1},         {"Frame2", &m.Frame2},         {"Frame3", &m.Frame3},
        {"suoni", &m.suoni},           {"velox", &m.velox},           {"velocita", &m.velocita},
        {"Giocatori2", &m.Giocatori[2]}, {"quverbi", &m.quverbi},     {"Chclassi4", &m.Chclassi[4]},
        {"Chfreq1", &m.Chfreq[1]},     {"Chfreq0", &m.Chfreq[0]},     {"similino", &m.similino},
        {"okay0", &m.okay[0]},         {"okay1", &m.okay[1]},         {"okay2", &m.okay[2]},
        {"Picture1_1", &m.Picture1[1]}, {"Picture1_3", &m.Picture1[3]}, {"battuta1", &m.battuta[1]},
        {"nomefoto0", &m.nomefoto[0]}, {"nomefoto1", &m.nomefoto[1]}};
    for (const auto& [nome, e] : posti) {
        QWidget* x = w<QWidget>(nome);
        ASSERT_NE(x, nullptr) << nome;
        EXPECT_EQ(x->geometry(), ui::rettangolo(*e)) << nome;
        EXPECT_EQ(x->toolTip(), e->tooltip) << nome;
    }
    EXPECT_EQ(w<QGroupBox>("Frame3")->title(), QStringLiteral("Classi di frequenza"));
    EXPECT_EQ(w<QLabel>("velocita")->text(), QStringLiteral("&Velocità:  3"));
    EXPECT_EQ(w<QLabel>("velocita")->buddy(), w<QScrollBar>("velox"));
    EXPECT_EQ(w<QPushButton>("okay0")->font().pointSizeF(), 15.75);
    EXPECT_TRUE(w<QPushButton>("okay0")->font().bold());
    EXPECT_TRUE(w<QPushButton>("okay0")->isDefault());
    EXPECT_EQ(w<QListWidget>("quverbi")->currentRow(), 1);
    EXPECT_EQ(w<QListWidget>("quverbi")->count(), 5);
    EXPECT_FALSE(w<QWidget>("Picture1_2")->isVisible()); // one player
    EXPECT_TRUE(w<QWidget>("Picture1_1")->isVisible());
}

TEST_F(VistaImpostazioni, TastiZeroEUnoVistiPrimaDelControllo)
{
    apri();
    w<QListWidget>("quverbi")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), '0');
    EXPECT_EQ(imp->m.nomefoto[1].text, "Caesar");
    QTest::keyClick(QApplication::focusWidget(), '1'); // one player: nothing for player 2
    EXPECT_EQ(imp->m.nomefoto[2].text, "Caesar");
    click(w<QRadioButton>("Giocatori2"));
    EXPECT_TRUE(imp->m.Giocatori[2].selected);
    EXPECT_TRUE(w<QRadioButton>("Giocatori2")->isChecked());
    EXPECT_FALSE(w<QRadioButton>("Giocatori1")->isChecked());
    EXPECT_TRUE(w<QWidget>("Picture1_2")->isVisible());
    QTest::keyClick(QApplication::focusWidget(), '1');
    EXPECT_EQ(imp->m.nomefoto[2].text, "Catullus");
    QTest::keyClick(QApplication::focusWidget(), '0'); // player 1 to Catullus too
    EXPECT_EQ(w<QWidget>("battuta1")->isVisible(), true);
    EXPECT_EQ(imp->m.battuta[1].text, "Miser Catulle!");
}

TEST_F(VistaImpostazioni, TabCorniceDopoCorniceEFrecceTraIGiocatori)
{
    apri();
    // Two players, so every place takes the focus.
    click(w<QRadioButton>("Giocatori2"));
    w<QCheckBox>("suoni")->setFocus(Qt::TabFocusReason);
    QStringList giro{QApplication::focusWidget()->objectName()};
    for (int k = 0; k < 23; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        giro << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(giro, (QStringList{"suoni", "musica", "velox", "Giocatori2", "quverbi", "Chclassi1", "Chclassi2",
                                 "Chclassi3", "Chclassi4", "Chfreq1", "Chfreq2", "Chfreq3", "Chfreq4", "Chfreq0",
                                 "similino", "okay0", "okay2", "okay1", "Picture1_2", "Picture1_4", "Picture1_3",
                                 "Picture1_1", "suoni", "musica"}));

    // The two player buttons are one group: the arrows move the choice, and the rules follow.
    w<QRadioButton>("Giocatori2")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w<QRadioButton>("Giocatori2"), Qt::Key_Up);
    EXPECT_TRUE(imp->m.Giocatori[1].selected);
    EXPECT_TRUE(w<QRadioButton>("Giocatori1")->hasFocus() && w<QRadioButton>("Giocatori1")->isChecked());
    EXPECT_FALSE(w<QRadioButton>("Giocatori2")->isChecked() || w<QWidget>("Picture1_2")->isVisible());
    QTest::keyClick(w<QRadioButton>("Giocatori1"), Qt::Key_Down);
    EXPECT_TRUE(imp->m.Giocatori[2].selected && w<QWidget>("Picture1_2")->isVisible());
}

TEST_F(VistaImpostazioni, ClicSuFotoFumettoNomeERiga)
{
    apri();
    click(w<QWidget>("Picture1_1"));
    EXPECT_EQ(imp->m.nomefoto[1].text, "Caesar");
    click(w<QWidget>("Picture1_3"));
    EXPECT_EQ(imp->m.nomefoto[1].text, "Catullus");
    click(w<QWidget>("battuta1"));
    EXPECT_EQ(imp->m.nomefoto[1].text, "Vergilius");
    click(w<QWidget>("nomefoto1"));
    EXPECT_EQ(imp->m.nomefoto[1].text, "Horatius");
    click(w<QWidget>("nomefoto0"));
    EXPECT_EQ(imp->m.nomefoto[1].text, "Horatius");
    EXPECT_EQ(imp->m.Picture1[1].picture, "foto5");
}

TEST_F(VistaImpostazioni, CaselleDecisseDalleRegole)
{
    apri();
    for (const char* nome : {"Chclassi1", "Chclassi2", "Chclassi3"})
        click(w<QCheckBox>(nome));
    EXPECT_FALSE(w<QCheckBox>("Chclassi3")->isChecked());
    click(w<QCheckBox>("Chclassi4"));
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].testo, "Almeno una classe obbligatoria");
    EXPECT_TRUE(w<QCheckBox>("Chclassi4")->isChecked());
    EXPECT_TRUE(imp->consegna().sceltaCambiata);

    click(w<QCheckBox>("Chfreq0")); // no vocpers.txt here
    EXPECT_EQ(banco.box.mostrati.size(), 2u);
    EXPECT_FALSE(w<QCheckBox>("Chfreq0")->isVisible());
    EXPECT_TRUE(w<QGroupBox>("Frame3")->isVisible());
}

TEST_F(VistaImpostazioni, CasellaGrigia)
{
    imp->m.similino.value = 2;
    apri();
    EXPECT_EQ(w<QCheckBox>("similino")->checkState(), Qt::PartiallyChecked);
    click(w<QCheckBox>("similino"));
    EXPECT_EQ(imp->m.similino.value, 0);
    EXPECT_EQ(w<QCheckBox>("similino")->checkState(), Qt::Unchecked);
}

TEST_F(VistaImpostazioni, BarraDiVelocita)
{
    apri();
    QTest::keyClick(vista.get(), Qt::Key_V, Qt::AltModifier);
    ASSERT_TRUE(w<QScrollBar>("velox")->hasFocus());
    QTest::keyClick(w<QScrollBar>("velox"), Qt::Key_Right);
    EXPECT_EQ(imp->m.velox.value, 4);
    EXPECT_EQ(w<QLabel>("velocita")->text(), QStringLiteral("&Velocità:  4"));
    w<QScrollBar>("velox")->setValue(1);
    EXPECT_EQ(imp->m.velocita.text, QStringLiteral("&Velocità:  1"));
}

TEST_F(VistaImpostazioni, FuocoSullaFotoColoraIlNome)
{
    apri();
    w<QWidget>("Picture1_1")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(imp->m.nomefoto[1].back, colori::rossoChiaro);
    w<QPushButton>("okay2")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(imp->m.nomefoto[1].back, colori::bianco);
}

// The entry point of the main window: modal, and back once the rules hid the window.
struct Modale : VistaImpostazioni {
    // Runs f on the modal window once it is up.
    void quandoAperta(std::function<void(QWidget*)> f)
    {
        QTimer::singleShot(0, [f] {
            QWidget* d = QApplication::activeModalWidget();
            ASSERT_NE(d, nullptr);
            f(d);
        });
    }
};

TEST_F(Modale, InvioConfermaEConsegna)
{
    quandoAperta([](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); });
    ui::mostraImpostazioniModale(*imp, nullptr);
    EXPECT_FALSE(imp->m.shown);
    EXPECT_TRUE(imp->confermata());
    EXPECT_EQ(imp->consegna().scelte.giocatore1, 1);
    EXPECT_EQ(imp->consegna().scelte.velocita, 3);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(vista == nullptr);
    for (QWidget* t : QApplication::topLevelWidgets())
        EXPECT_EQ(dynamic_cast<ui::ImpostazioniView*>(t), nullptr) << "the view is gone, the rules stay";
}

TEST_F(Modale, EscAbbandona)
{
    imp->okay_Click(0); // an earlier O.K.
    ASSERT_TRUE(imp->confermata());
    quandoAperta([](QWidget* d) {
        QTest::keyClick(d, '0');
        QTest::keyClick(d, Qt::Key_Escape);
    });
    ui::mostraImpostazioniModale(*imp, nullptr);
    EXPECT_FALSE(imp->m.shown);
    EXPECT_FALSE(imp->confermata());
}

TEST_F(Modale, SalvaRestaAperta)
{
    quandoAperta([](QWidget* d) {
        QTest::mouseClick(d->findChild<QPushButton*>("okay2"), Qt::LeftButton);
        EXPECT_TRUE(d->isVisible());
        d->close(); // the close control is Uscita
    });
    ui::mostraImpostazioniModale(*imp, nullptr);
    EXPECT_TRUE(banco.file.ha("lexorio.ini"));
    EXPECT_FALSE(imp->confermata());
    EXPECT_FALSE(imp->m.shown);
}

} // namespace
