// Invariant: the main window is a mirror of the model; keys, clicks and menu commands reach
// the rules exactly as the rules' own event functions would.
#include "about/ui/infoview.h"
#include "core/fakes.h"
#include "board/ui/immagini.h"
#include "core/partita_banco.h"
#include "settings/impostazionimodel.h"
#include "shell/ui/lexorioview.h"
#include "shell/ui/porteqt.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

struct Vista : ::testing::Test {
    Banco banco;
    std::unique_ptr<Lexorio> lex;
    std::unique_ptr<ui::LexorioView> vista;

    void SetUp() override
    {
        QByteArray dati = "0;0;Lexorio;titolo\r\n";
        for (int i = 1; i < 120; ++i)
            dati += "1;1;w" + QByteArray::number(i) + ";t\r\n";
        banco.file.metti(QStringLiteral("vocaboli.txt"), dati);
        lex = banco.lexorio();
        vista = std::make_unique<ui::LexorioView>(*lex);
        lex->avvio();
        vista->rispecchia();
    }
    QWidget* pezzo(const char* nome) const
    {
        QWidget* w = vista->findChild<QWidget*>(QLatin1String(nome));
        EXPECT_NE(w, nullptr) << nome;
        return w;
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
    ASSERT_EQ(voci.size(), 6);
    EXPECT_EQ(voci[0]->text(), QStringLiteral("&Partenza nuova partita"));
    EXPECT_EQ(voci[1]->text(), QStringLiteral("&Ripasso errori"));
    EXPECT_EQ(voci[2]->text(), QStringLiteral("Pro&gressi"));
    EXPECT_EQ(voci[3]->text(), QStringLiteral("Vocaboli da un &testo…"));
    EXPECT_TRUE(voci[4]->isSeparator());
    EXPECT_EQ(voci[5]->text(), QStringLiteral("&Fine"));
    EXPECT_EQ(menu[1]->menu()->actions().at(0)->text(), QStringLiteral("Info"));
    EXPECT_TRUE(vista->timer().isActive());
    EXPECT_EQ(vista->timer().interval(), 1000);
    EXPECT_EQ(vista->timer().timerType(), Qt::PreciseTimer);

    menu[1]->menu()->actions().at(0)->trigger();
    EXPECT_EQ(banco.finestre.infoMostrate, 1);
    voci[1]->trigger();
    EXPECT_EQ(banco.finestre.ripassiMostrati, 1);
    voci[2]->trigger();
    EXPECT_EQ(banco.finestre.progressiMostrati, 1);
    voci[3]->trigger();
    EXPECT_EQ(banco.finestre.testiMostrati, 1);
    EXPECT_EQ(banco.finestre.impostazioniMostrate, 0);
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

    // A click on a quote label does nothing; one on its balloon acts as Enter. Shown on a
    // staged board whose events reach the same rules.
    {
        LexorioModel allestito = lex->modello();
        allestito.battuta[1].visible = allestito.fumetto[1].visible = true;
        ui::LexorioView palco(*lex, allestito);
        palco.rispecchia();
        auto* battuta = palco.findChild<QWidget*>(QStringLiteral("battuta1"));
        auto* fumetto = palco.findChild<QWidget*>(QStringLiteral("fumetto1"));
        ASSERT_TRUE(battuta && fumetto);
        QTest::mouseClick(battuta, Qt::LeftButton);
        EXPECT_EQ(banco.finestre.impostazioniMostrate, 0);
        QTest::mouseClick(fumetto, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(banco.finestre.impostazioniMostrate, 1);
    }
    vista->rispecchia();

    // Any other key on the start prompt opens the settings window.
    QTest::keyClick(vista.get(), Qt::Key_A);
    EXPECT_EQ(banco.finestre.impostazioniMostrate, 2);
    // A bare modifier types nothing and starts nothing.
    QTest::keyClick(vista.get(), Qt::Key_Shift);
    EXPECT_EQ(banco.finestre.impostazioniMostrate, 2);
}

// A menu used from the keyboard hands the keys back to the board: Esc still asks to quit.
TEST_F(Vista, MenuDaTastieraRestituisceITasti)
{
    vista->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(vista.get()));
    QTest::keyClick(vista.get(), Qt::Key_I, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_R);
    EXPECT_EQ(banco.finestre.ripassiMostrati, 1);
    banco.box.risposte = {Risposta::Annulla};
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : vista.get(), Qt::Key_Escape);
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].testo, QStringLiteral("Confermi l'uscita dal programma?"));
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
        if (&e == &lex->modello().foto1 || &e == &lex->modello().foto2)
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
    // The author, place and date read as three lines, none wrapped, within the label.
    auto* des = dynamic_cast<ui::Pezzo*>(box.findChild<QWidget*>(QStringLiteral("lbldes")));
    ASSERT_NE(des, nullptr);
    const QFontMetricsF fm(des->fontTesto());
    const QRectF steso = fm.boundingRect(des->areaTesto(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, box.m.lbldes.text);
    EXPECT_EQ(qRound(steso.height() / fm.lineSpacing()), 3);
    EXPECT_LE(steso.height(), des->areaTesto().height());
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

namespace {

// A game played through the view, with the real event port, so that what the rules switch off
// and draw before a box is what the window shows.
struct VistaPartita : Vista {
    ui::EventiQt eventiQt;
    Porte porteQt{banco.orologio, banco.casuale, banco.box, eventiQt, banco.uscita, banco.misure, banco.file, banco.finestre};
    std::deque<Scelte> scelte;

    void SetUp() override
    {
        // Twelve nouns and eight adjectives, after the first record that is never played.
        banco.file.metti(QStringLiteral("vocaboli.txt"), vocabolario(12) + righe(8, "2", 20));
        lex = std::make_unique<Lexorio>(porteQt, banco.canali.crea());
        vista = std::make_unique<ui::LexorioView>(*lex);
        eventiQt.ridisegnaTutto = [this] { vista->ridisegnaSubito(); };
        eventiQt.rispecchiaTutto = [this] { vista->rispecchia(); };
        // As the real settings window: it hides the board while it is up, and the board is
        // mirrored once it has closed.
        banco.finestre.impostazioni = [this](Impostazioni& imp) {
            imp.attivazione();
            vista->rispecchia();
            premiOk(imp, scelte.empty() ? Scelte{} : scelte.front());
            if (!scelte.empty())
                scelte.pop_front();
            vista->rispecchia();
        };
        lex->avvio();
        vista->rispecchia();
        banco.box.mostrati.clear();
    }
};

} // namespace

TEST_F(VistaPartita, IlTimerSpentoNonBattePiuEIlBoxStaSopraLaFinestra)
{
    Scelte tutte;
    tutte.classi = {0, 1, 1, 0, 0};
    scelte = {tutte};
    QTest::keyClick(vista.get(), Qt::Key_Return);
    ASSERT_EQ(lex->partita().turnoAperto, 1);
    EXPECT_TRUE(vista->timer().isActive());
    EXPECT_EQ(pezzo("Parola")->cursor().shape(), Qt::ArrowCursor); // the default pointer from the first game on

    // A new game with the adjectives alone: 8 words, a box, while the old word is still open.
    Scelte aggettivi;
    aggettivi.classi = {0, 0, 1, 0, 0};
    scelte = {aggettivi};
    bool finestraVisibile = false, timerAttivo = true;
    int evidenziata = -1;
    banco.box.quandoMostrato = [&](const BoxMostrato&) {
        finestraVisibile = vista->isVisible();
        timerAttivo = vista->timer().isActive();
        evidenziata = lex->partita().evidenziata;
        // A tick the platform had already queued finds the timer switched off and does nothing.
        QMetaObject::invokeMethod(&vista->timer(), "timeout");
    };
    QTest::mouseClick(pezzo("Parola"), Qt::LeftButton);
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].testo, "Solo  8 vocaboli selezionati!");
    EXPECT_TRUE(finestraVisibile);
    EXPECT_FALSE(timerAttivo);
    EXPECT_EQ(lex->partita().evidenziata, evidenziata);
}

TEST_F(VistaPartita, PuntatoriCifreEFacciaDeiPulsanti)
{
    // Only the start screen's word invites a click with the hand.
    EXPECT_EQ(pezzo("Parola")->cursor().shape(), Qt::PointingHandCursor);
    for (const char* nome : {"arapacis", "Label1", "fumetto1", "battuta1", "sign0"})
        EXPECT_FALSE(pezzo(nome)->testAttribute(Qt::WA_SetCursor)) << nome;

    // Counts that grow with the run keep every digit.
    QTest::keyClick(vista.get(), Qt::Key_Return);
    {
        LexorioModel allestito = lex->modello();
        allestito.Lab[2].text = QStringLiteral("Penalità: 12345");
        allestito.Labverbi.text = QStringLiteral("Vocaboli 51 su 50");
        allestito.Lab[1].text = QStringLiteral("Tempo: 23:59:59");
        ui::LexorioView palco(*lex, allestito);
        palco.rispecchia();
        for (const char* nome : {"Lab1", "Lab2", "Labverbi"}) {
            auto* p = palco.findChild<ui::Pezzo*>(QLatin1String(nome));
            ASSERT_NE(p, nullptr);
            const QString testo = nome == QLatin1String("Lab2") ? allestito.Lab[2].text
                                  : nome == QLatin1String("Lab1") ? allestito.Lab[1].text : allestito.Labverbi.text;
            EXPECT_LE(QFontMetricsF(p->fontTesto()).horizontalAdvance(testo), p->areaTesto().width()) << qPrintable(testo);
            // and the panel does not cut it
            EXPECT_LE(p->geometry().right(), palco.findChild<QWidget*>(QStringLiteral("Cornice"))->width()) << nome;
        }
    }

    // An unlit box shows the platform's button face, whatever the style makes of it.
    const QPalette prima = QApplication::palette();
    QPalette pal = prima;
    pal.setColor(QPalette::Button, QColor(10, 200, 30));
    QApplication::setPalette(pal);
    ASSERT_EQ(lex->modello().sign[0].back, colori::buttonFace); // no tick yet: nothing lit
    vista->rispecchia();
    const QImage casella = pezzo("sign0")->grab().toImage();
    QApplication::setPalette(prima);
    EXPECT_EQ(casella.pixelColor(4, 4), QColor(10, 200, 30));
}

TEST(MessaggiBox, SopraLaSuaFinestraEInItaliano)
{
    QWidget finestra;
    finestra.resize(300, 200);
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    ui::MessaggiBoxQt box;
    box.setGenitore(&finestra);

    QWidget* genitore = nullptr;
    QWindow* transitoria = nullptr;
    bool attiva = false;
    QStringList pulsanti;
    QTimer::singleShot(0, [&] {
        auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(m, nullptr);
        attiva = QTest::qWaitForWindowActive(m);
        genitore = m->parentWidget();
        transitoria = m->windowHandle()->transientParent();
        for (QAbstractButton* b : m->buttons())
            pulsanti << b->text();
        m->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(box.mostra(QStringLiteral("Confermi l'uscita dal programma?"), QStringLiteral("Fine lavoro"),
                         Icona::Domanda, Pulsanti::OkAnnulla),
              Risposta::Annulla);
    EXPECT_EQ(genitore, &finestra);
    EXPECT_EQ(transitoria, finestra.windowHandle());
    EXPECT_TRUE(attiva);
    pulsanti.sort();
    EXPECT_EQ(pulsanti, (QStringList{"Annulla", "OK"}));

    // Qt's own texts (a scroll bar's menu, say) are Italian too.
    ASSERT_TRUE(ui::caricaTraduzioni());
    EXPECT_EQ(QCoreApplication::translate("QScrollBar", "Scroll here"), QStringLiteral("Scorri qui"));
}
