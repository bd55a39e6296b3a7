// Renders every picture to PNG at 1x/2x/4x and builds a contact sheet, to look at the artwork.
// Build: g++ -std=c++20 -fPIC tools/render_pictures.cpp -o /tmp/render_pictures $(pkg-config --cflags --libs Qt6Gui Qt6Svg)
// Run:   QT_QPA_PLATFORM=offscreen /tmp/render_pictures assets/pictures /tmp/pictures
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QFile>
#include <cstdio>
#include <map>

namespace {

// Renders the picture into an image of its own size times the scale, as the views do for a device pixel ratio.
QImage draw(QSvgRenderer& r, QSizeF logical, double scale, QColor under = Qt::transparent)
{
    QImage img((logical * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(under);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    r.render(&p, QRectF(QPointF(0, 0), logical * scale));
    return img;
}

// The declared width/height attributes must agree with the viewBox: the program relies on both.
bool sizesAgree(const QString& path, QSize& declared)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    QXmlStreamReader x(&f);
    while (x.readNextStartElement()) {
        if (x.name() != u"svg") return false;
        const auto a = x.attributes();
        declared = QSize(a.value("width").toInt(), a.value("height").toInt());
        const auto vb = a.value("viewBox").toString().split(' ');
        return vb.size() == 4 && vb[0] == "0" && vb[1] == "0" && vb[2].toInt() == declared.width()
            && vb[3].toInt() == declared.height();
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <svg folder> <png folder>\n", argv[0]);
        return 2;
    }
    const QDir in(QString::fromLocal8Bit(argv[1]));
    QDir out(QString::fromLocal8Bit(argv[2]));
    out.mkpath(".");

    std::map<QString, QImage> at2;
    std::map<QString, QSize> sizes;
    int bad = 0;
    for (const QFileInfo& fi : in.entryInfoList({"*.svg"}, QDir::Files, QDir::Name)) {
        QSvgRenderer r(fi.filePath());
        QSize declared;
        const bool agree = sizesAgree(fi.filePath(), declared);
        if (!r.isValid() || !agree) {
            std::printf("BAD  %s (valid %d, size/viewBox agree %d)\n", qPrintable(fi.fileName()), r.isValid(), agree);
            ++bad;
            continue;
        }
        std::printf("ok   %-16s %3dx%-3d\n", qPrintable(fi.fileName()), declared.width(), declared.height());
        for (int s : {1, 2, 4})
            draw(r, declared, s).save(out.filePath(fi.baseName() + QString("@%1x.png").arg(s)));
        at2[fi.baseName()] = draw(r, declared, 2);
        sizes[fi.baseName()] = declared;
    }

    // Contact sheet at 2x on the main window's orange, with the columns assembled as the board stacks them.
    const double s = 2;
    QImage sheet(1800, 1340, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(255, 128, 0));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    auto put = [&](const QString& n, double x, double y, double w = 0, double h = 0) {
        if (!sizes.count(n)) return;
        QSvgRenderer r(in.filePath(n + ".svg"));
        const QSizeF sz = w > 0 ? QSizeF(w, h) : QSizeF(sizes[n]);
        r.render(&p, QRectF(x * s, y * s, sz.width() * s, sz.height() * s));
    };
    // Bands stretched to the designed board height, each with its bar risen part way.
    for (int i : {1, 2}) {
        const double bx = i == 2 ? 10 : 70;
        put("barrone", bx, 10, 46, 396);
        const QColor bar = i == 1 ? QColor(0, 0, 255) : QColor(255, 0, 0);
        const double barTop = 10 + 396 - 107 - 120;
        p.fillRect(QRectF((bx + 5) * s, barTop * s, 36 * s, (105 + 120) * s), bar);
        const QString side = i == 1 ? "imr" : "iml";
        put(side + "0", bx + 6, barTop + 1);
        put(QString("colonna%1").arg(i), bx + 6, barTop + 45, 34, 33 + 120);
        put(QString("base%1").arg(i), bx + 6, barTop + 45 + 153, 34, 28);
    }
    put("arapacis", 130, 10);
    put("lexorio", 330, 10);
    put("bottone", 410, 10);
    put("autore", 460, 10);
    double x = 130;
    for (int i = 1; i <= 6; ++i, x += 76) put(QString("foto%1").arg(i), x, 90);
    put("nuvola1", 130, 170);
    p.fillRect(QRectF(275 * s, 170 * s, 70 * s, 70 * s), QColor(255, 0, 0));
    put("foto1", 275, 170);
    put("foto2", 350, 170);
    put("nuvola2", 422, 170);
    // Both series in order, and the head falling beside the defeat pose.
    for (int row = 0; row < 2; ++row) {
        const QString side = row == 0 ? "imr" : "iml";
        for (int i = 0; i <= 7; ++i) put(side + QString::number(i), 130 + i * 40, 250 + row * 50);
    }
    // The end of a game: big balloon with the small one in its lower quadrant, as the board places them.
    put("fumetto1", 130, 350);
    put("fumetto4", 130 + 145, 350 + 144);
    put("fumetto2", 440, 350);
    put("fumetto3", 440, 350 + 144);
    put("colonna1", 750, 350);
    put("base1", 750, 390);
    put("colonna2", 800, 350);
    put("base2", 800, 390);
    p.end();
    sheet.save(out.filePath("contact-sheet.png"));

    // The animation frames side by side at 6x, to judge that they read as motion.
    QImage strip(6 * 34 * 7, 6 * 44, QImage::Format_ARGB32_Premultiplied);
    strip.fill(QColor(255, 128, 0));
    QPainter q(&strip);
    for (int i = 0; i < 7; ++i) {
        const QString n = QString("imr%1").arg(i);
        if (!sizes.count(n)) continue;
        QSvgRenderer r(in.filePath(n + ".svg"));
        r.render(&q, QRectF(i * 34 * 6, 0, 34 * 6, 44 * 6));
    }
    q.end();
    strip.save(out.filePath("frames.png"));
    std::printf("%d bad\n", bad);
    return bad ? 1 : 0;
}
