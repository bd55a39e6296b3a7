// Invariant: every translation the game ships fits its answer box, and every Latin word is
// drawn whole in the word label, measured with the real font the board draws them in.
#include "board/ui/caselle.h"
#include "core/fakes.h"
#include "shell/presentatore.h"
#include "shell/ui/pezzo.h"
#include "shell/ui/porteqt.h"
#include "vocab/caricamento.h"
#include "vocab/controllo.h"

#include <QFile>
#include <QFontMetricsF>
#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {
QByteArray spedito(const char* nome)
{
    QFile f(qEnvironmentVariable("LEXORIO_SOURCE_DIR") + QStringLiteral("/assets/") + QString::fromLatin1(nome));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << nome;
    return f.readAll();
}
} // namespace

TEST(VocaboliSpediti, OgniTraduzioneEntraNellaCasella)
{
    for (const char* nome : {"vocaboli.txt", "vocpers.txt"}) {
        const Resoconto r = controllaVocabolario(spedito(nome), ui::entraNellaCasella);
        EXPECT_TRUE(r.utilizzabile()) << nome;
        EXPECT_TRUE(r.caricamento.righeDifettose.isEmpty()) << nome;
        EXPECT_TRUE(r.fuoriIntervallo.isEmpty()) << nome;
        for (int i : r.nonEntrano)
            ADD_FAILURE() << nome << ": " << qPrintable(r.vocabolario.righe[static_cast<std::size_t>(i)].traduzione);
    }
}

TEST(VocaboliSpediti, OgniParolaSiVedeIntera)
{
    // The word's size chosen by the rules with the real measure, then drawn by the board's own label.
    ui::MisureQt misure;
    Presentatore p(misure);
    ui::Pezzo parola(p.modello().Parola, {ui::fontParola(14), Qt::AlignCenter, false, false}, nullptr);

    int rimpicciolite = 0;
    for (const char* nome : {"vocaboli.txt", "vocpers.txt"}) {
        Vocabolario v;
        caricaVocaboli(spedito(nome), v);
        for (int i = 0; i <= v.ultimovoc; ++i) {
            p.parola(v.righe[static_cast<std::size_t>(i)].parola);
            parola.rispecchia();
            const QString& testo = p.modello().Parola.text;
            const QFontMetricsF fm(parola.fontTesto());
            const QRectF area(parola.areaTesto());
            // Where drawText lays the line out, and where its ink falls.
            const QRectF riga = fm.boundingRect(area, Qt::AlignCenter, testo);
            const QRectF inchiostro = fm.boundingRect(testo).translated(riga.left(), 0);
            EXPECT_TRUE(area.left() <= std::min(riga.left(), inchiostro.left())
                        && std::max(riga.right(), inchiostro.right()) <= area.right())
                << nome << ": \"" << qPrintable(testo) << "\" at " << p.modello().Parola.fontSize << " points";
            rimpicciolite += p.modello().Parola.fontSize < 14;
        }
    }
    EXPECT_GT(rimpicciolite, 0); // the long words are there: the shrinking is what this checks
}
