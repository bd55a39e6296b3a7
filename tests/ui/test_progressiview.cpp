// The progress window shows the chosen character's record and is used from the keyboard
// alone: arrows or access keys choose the character, Esc closes; the chart comes from the module.
#include "core/fakes.h"
#include "progressi/ui/grafico.h"
#include "progressi/ui/progressiview.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

struct VistaProgressi : ::testing::Test {
    FakeFileSistema fs;
    ScrittoreInDisparte scrittore{fs, ScrittoreInDisparte::Filo::Chiamante};
    FakeCalendario cal;
    Progressi progressi{fs, scrittore, cal};

    void gioca(const char* nome, const char* parola, bool giusta)
    {
        progressi.partitaIniziata(1, nome, "");
        progressi.parolaChiesta(parola, QStringLiteral("t-") + parola, "1", "1");
        progressi.rispostaGiudicata(1, "x", giusta);
        progressi.partitaFinita();
    }
    TabellaCopertura tabella() const
    {
        return *leggiCopertura("parola\tlemmi\tCaesar\tCicero\r\n(totale)\t-\t100\t300\r\n"
                               "et\tet\t40\t30\r\nsum\tsum\t10\t90\r\n");
    }
};

} // namespace

TEST_F(VistaProgressi, OgniPersonaggioIlSuoETastieraSola)
{
    gioca("Caesar", "et", true);
    gioca("Caesar", "et", true); // box 3: known
    gioca("Seneca", "sum", false);
    ui::cercaGraficoIn({QStringLiteral(LEXORIO_PLAY_DIR)});
    ui::ProgressiView v(progressi, tabella(), 2);
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    EXPECT_EQ(v.windowTitle(), "Lexorio: Progressi");
    EXPECT_TRUE(v.scelta(2)->isChecked());
    EXPECT_TRUE(v.scelta(2)->hasFocus());
    const auto* titolo = v.findChild<QLabel*>("titolo");
    ASSERT_TRUE(titolo);
    EXPECT_EQ(titolo->text(), "Caesar: 1 vocaboli noti su 1");
    EXPECT_TRUE(v.copertura()->text().contains("Cesare: 40% delle parole"));
    EXPECT_TRUE(v.copertura()->text().contains("Cicerone: 10% delle parole"));
    EXPECT_TRUE(v.copertura()->text().contains("+10% con i prossimi 50 vocaboli"));
    EXPECT_FALSE(v.avvisi()->isVisible());
    ASSERT_TRUE(v.grafico());
    EXPECT_EQ(v.grafico()->objectName(), "grafico"); // the module's chart, not the note that it is missing

    // Arrows walk the characters; each shows its own record.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(v.personaggio(), 3);
    EXPECT_EQ(titolo->text(), "Catullus: 0 vocaboli noti su 0");
    EXPECT_TRUE(v.copertura()->text().contains("Cesare: 0% delle parole"));
    // An access key clicks after a short animation: wait for it, a few ms at a time.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    for (int i = 0; i < 100 && v.personaggio() != 6; ++i)
        QTest::qWait(10);
    EXPECT_EQ(v.personaggio(), 6);
    EXPECT_EQ(titolo->text(), "Seneca: 0 vocaboli noti su 1");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(v.isVisible());
}

TEST_F(VistaProgressi, SenzaTabellaLoDice)
{
    fs.metti("progressi.txt", "rovinato");
    progressi.carica();
    ui::ProgressiView v(progressi, std::nullopt, 0);
    EXPECT_EQ(v.personaggio(), 1);
    EXPECT_EQ(v.copertura()->text(), "La tabella copertura.tsv manca o è danneggiata.");
    EXPECT_TRUE(v.avvisi()->text().contains("progressi-guasto.txt"));
}
