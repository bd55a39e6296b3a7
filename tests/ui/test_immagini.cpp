// Invariant: every picture a window names exists, at the size it was drawn for, and renders
// crisp at the screen's scale. A missing or misnamed picture fails here, not in a game.
#include "about/info.h"
#include "board/ui/caselle.h"
#include "board/ui/immagini.h"
#include "shell/modello.h"

#include <QImage>
#include <gtest/gtest.h>
#include <map>

using namespace lex;

namespace {

const std::map<QString, QSize>& dimensioni()
{
    static const std::map<QString, QSize> d = [] {
        std::map<QString, QSize> m{
            {"fumetto1", {290, 288}}, {"fumetto2", {290, 288}}, {"fumetto3", {158, 161}}, {"fumetto4", {145, 158}},
            {"barrone", {46, 416}},   {"arapacis", {180, 70}},  {"colonna1", {34, 31}},   {"colonna2", {34, 31}},
            {"base1", {34, 26}},      {"base2", {34, 26}},      {"nuvola1", {143, 70}},   {"nuvola2", {143, 70}},
            {"autore", {140, 174}},   {"bottone", {32, 32}},    {"lexorio", {64, 64}},
        };
        for (const char* lato : {"imr", "iml"}) {
            for (int k = 0; k <= 6; ++k)
                m[QString::fromLatin1(lato) + QString::number(k)] = k == 4 ? QSize(33, 44) : QSize(34, 44);
            m[QString::fromLatin1(lato) + QStringLiteral("7")] = QSize(25, 21);
        }
        for (int n = 1; n <= 6; ++n)
            m[QStringLiteral("foto%1").arg(n)] = QSize(70, 70);
        return m;
    }();
    return d;
}

QStringList nominateDalleFinestre()
{
    QStringList ids;
    auto aggiungi = [&](const Elemento& e) {
        if (!e.picture.isEmpty())
            ids << e.picture;
    };
    const auto m = LexorioModel::progettato();
    for (const auto* serie : {&m.Imr, &m.Iml})
        for (const auto& e : *serie)
            aggiungi(e);
    for (const auto& e : m.fumetto)
        aggiungi(e);
    for (int i = 1; i <= 2; ++i)
        for (const auto* e : {&m.barrone[i], &m.colonna[i], &m.base[i]})
            aggiungi(*e);
    aggiungi(m.arapacis);
    const auto info = InfoModel::apertura();
    aggiungi(info.Image1);
    aggiungi(info.Command3);
    return ids;
}

} // namespace

TEST(Immagini, OgniImmagineEsisteAllaSuaMisura)
{
    for (const auto& [id, misura] : dimensioni()) {
        EXPECT_EQ(ui::dimensioniProgettate(id), misura) << qPrintable(id);
        for (qreal dpr : {1.0, 1.5, 2.0}) {
            const QPixmap pm = ui::immagine(id, misura, dpr);
            ASSERT_FALSE(pm.isNull()) << qPrintable(id);
            EXPECT_EQ(pm.deviceIndependentSize().toSize(), misura) << qPrintable(id);
            EXPECT_GE(pm.width(), static_cast<int>(misura.width() * dpr)) << qPrintable(id); // drawn at full resolution
        }
    }
    for (const QString& id : nominateDalleFinestre())
        EXPECT_TRUE(dimensioni().count(id)) << "the windows name an unknown picture " << qPrintable(id);
}

TEST(Immagini, CondiviseENonVuote)
{
    const QPixmap a = ui::immagine(QStringLiteral("imr0"), QSize(34, 44), 1.0);
    const QPixmap b = ui::immagine(QStringLiteral("imr0"), QSize(34, 44), 1.0);
    EXPECT_EQ(a.cacheKey(), b.cacheKey()); // rendered once, shared
    const QImage img = a.toImage();
    int coperti = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            coperti += qAlpha(img.pixel(x, y)) > 0;
    EXPECT_GT(coperti, img.width() * img.height() / 2); // the bust's ground fills the picture
    EXPECT_TRUE(ui::immagine(QStringLiteral("nessuna"), QSize(10, 10), 1.0).isNull());
}

// The pictures made when the program was built are those the vectors give, pixel for pixel.
TEST(Immagini, LePronteSonoQuelleDisegnate)
{
    const struct {
        const char* id;
        QSize misura;
        qreal dpr;
    } casi[] = {{"barrone", {46, 396}, 1.0}, {"arapacis", {180, 70}, 2.0}, {"foto5", {70, 70}, 1.0}};
    for (const auto& c : casi) {
        const QString id = QString::fromLatin1(c.id);
        ASSERT_TRUE(ui::immaginePronta(id, c.misura, c.dpr)) << c.id;
        const QPixmap pronta = ui::immagine(id, c.misura, c.dpr);
        EXPECT_EQ(pronta.devicePixelRatio(), c.dpr) << c.id;
        const QImage attesa = ui::disegnaImmagine(id, c.misura, c.dpr).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(pronta.toImage().convertToFormat(QImage::Format_ARGB32), attesa) << c.id;
    }
    EXPECT_FALSE(ui::immaginePronta(QStringLiteral("barrone"), QSize(46, 395), 1.0));
    EXPECT_FALSE(ui::immaginePronta(QStringLiteral("barrone"), QSize(46, 396), 1.5));
}

TEST(Caselle, MisuraDelleTraduzioni)
{
    EXPECT_TRUE(ui::entraNellaCasella(QStringLiteral("rosa")));
    EXPECT_TRUE(ui::entraNellaCasella(QStringLiteral("diritto, legge")));
    EXPECT_TRUE(ui::entraNellaCasella(QStringLiteral("accampamento militare")));
    EXPECT_FALSE(ui::entraNellaCasella(QStringLiteral("precipitevolissimevolmente")));          // one word too long
    EXPECT_FALSE(ui::entraNellaCasella(QStringLiteral("uno due tre quattro cinque sei sette otto"))); // three lines
}
