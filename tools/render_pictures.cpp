// Renders every picture to PNG at 1x/2x/4x and builds a contact sheet, to look at the artwork; checks that
// every file parses, that the column pieces meet and that grounds and surrounds are what the board expects.
// Built with the game (target render_pictures).
// Run:   QT_QPA_PLATFORM=offscreen build/render_pictures assets/pictures /tmp/pictures
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QFile>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
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

int maxDiff(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)),
                     std::abs(qAlpha(a) - qAlpha(b))});
}

// What the board relies on when it puts the pieces side by side; returns the number of failures.
int checkJoins(const std::map<QString, QImage>& img4)
{
    int bad = 0;
    auto fail = [&](const QString& what) {
        std::printf("FAIL %s\n", qPrintable(what));
        ++bad;
    };
    auto row = [&](const QString& n, int y, const QString& m, int ym, int width) {
        const QImage& a = img4.at(n);
        const QImage& b = img4.at(m);
        for (int x = 0; x < width; ++x)
            if (maxDiff(a.pixel(x, y), b.pixel(x, ym)) > 8)
                return fail(QString("%1 row %2 does not meet %3 row %4 at x %5").arg(n).arg(y).arg(m).arg(ym).arg(x));
    };
    for (const char* side : {"imr", "iml"}) {
        const QString col = side == QString("imr") ? "colonna1" : "colonna2";
        const QString base = side == QString("imr") ? "base1" : "base2";
        if (!img4.count(col) || !img4.count(base)) continue;
        for (int i = 0; i <= 6; ++i) {
            const QString n = side + QString::number(i);
            if (img4.count(n)) row(n, img4.at(n).height() - 1, col, 0, img4.at(n).width());
        }
        // The shaft is cut at both ends the same way, so any number of pieces tile, and it enters the base.
        row(col, img4.at(col).height() - 1, col, 0, img4.at(col).width());
        row(col, img4.at(col).height() - 1, base, 0, img4.at(col).width());
    }
    const QRgb blue = qRgb(0, 0, 255), red = qRgb(255, 0, 0);
    for (const auto& [n, im] : img4) {
        const QList<QPoint> corners{{0, 0}, {im.width() - 1, 0}, {0, im.height() - 1}, {im.width() - 1, im.height() - 1}};
        const bool left = n.startsWith("iml") || n == "colonna2" || n == "base2" || n.startsWith("nuvola");
        const bool right = n.startsWith("imr") || n == "colonna1" || n == "base1";
        const bool clear = n.startsWith("fumetto") || n.endsWith('7') || n == "bottone" || n == "lexorio";
        for (const QPoint& c : corners) {
            const QRgb px = im.pixel(c);
            if (clear && qAlpha(px) != 0) fail(n + ": the surround must be transparent");
            else if (!clear && (left || right) && px != (left ? red : blue)) fail(n + ": the ground colour is off");
            if (clear || (left || right)) continue;
            if (qAlpha(px) != 255) fail(n + ": must be opaque");
        }
    }
    return bad;
}

// Pixels that differ between two pictures of one size inside a rectangle (picture pixels at 4x).
int changed(const QImage& a, const QImage& b, QRect area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right() && x < a.width() && x < b.width(); ++x)
            n += maxDiff(a.pixel(x, y), b.pixel(x, y)) > 24;
    return n;
}

// What the figures and balloons must do for the game to read; returns the number of failures.
int checkFigures(const std::map<QString, QImage>& img4)
{
    int bad = 0;
    auto fail = [&](const QString& what) {
        std::printf("FAIL %s\n", qPrintable(what));
        ++bad;
    };
    const int k = 4;
    for (const char* side : {"imr", "iml"}) {
        auto at = [&](int i) -> const QImage* {
            const auto it = img4.find(side + QString::number(i));
            return it == img4.end() ? nullptr : &it->second;
        };
        for (int i = 0; i <= 4; ++i) {
            const QImage* a = at(i);
            const QImage* b = at((i + 1) % 5);
            if (!a || !b) continue;
            const QString pair = QString("%1%2 -> %1%3").arg(side).arg(i).arg((i + 1) % 5);
            // The capital and the chest stand still while the head moves, so the column does not jitter...
            if (changed(*a, *b, QRect(0, 24 * k, 33 * k, 20 * k)) > 0) fail(pair + ": the bust below the neck moves");
            // ...and each step moves the head clearly: a good part of the head's pixels change.
            if (changed(*a, *b, QRect(8 * k, 2 * k, 18 * k, 17 * k)) < 900) fail(pair + ": the head hardly moves");
        }
        // Nothing of a figure may be cut off at the top or the sides: the edges show the ground only.
        for (int i = 0; i <= 6; ++i) {
            const QImage* a = at(i);
            if (!a) continue;
            const QRgb ground = a->pixel(0, 0);
            for (int x = 0; x < a->width(); ++x)
                if (a->pixel(x, 0) != ground) { fail(QString("%1%2: the figure touches the top edge").arg(side).arg(i)); break; }
            for (int y = 0; y < 32 * k; ++y)
                if (a->pixel(0, y) != ground || a->pixel(a->width() - 1, y) != ground) {
                    fail(QString("%1%2: the figure touches a side edge").arg(side).arg(i));
                    break;
                }
        }
        // The fallen head fills its little picture and is not cut off either.
        if (const QImage* h = at(7)) {
            int opaque = 0, edge = 0;
            for (int y = 0; y < h->height(); ++y)
                for (int x = 0; x < h->width(); ++x) {
                    const bool on = qAlpha(h->pixel(x, y)) > 0;
                    opaque += on;
                    edge += on && (x == 0 || y == 0 || x == h->width() - 1 || y == h->height() - 1);
                }
            if (opaque < h->width() * h->height() / 3) fail(QString("%17: the head is too small").arg(side));
            if (edge > 0) fail(QString("%17: the head is cut off at the edge").arg(side));
        }
    }
    // The quote labels the board lays over the balloons, in picture pixels: their corners, pulled in a
    // little since the text is centred, must fall on the balloon's paper.
    const std::map<QString, QRect> labels{{"fumetto1", {8, 8, 265, 89}},  {"fumetto2", {8, 8, 265, 89}},
                                          {"fumetto3", {10, 12, 115, 60}}, {"fumetto4", {10, 12, 115, 60}},
                                          {"nuvola1", {10, 10, 100, 50}},  {"nuvola2", {33, 10, 100, 50}}};
    for (const auto& [n, r] : labels) {
        const auto it = img4.find(n);
        if (it == img4.end()) continue;
        const QRect in = r.adjusted(6, 6, -6, -6);
        for (QPoint p : {in.topLeft(), in.topRight(), in.bottomLeft(), in.bottomRight(), in.center()}) {
            const QColor c = it->second.pixelColor(p * k);
            if (c.alpha() < 255 || c.lightness() < 200) {
                fail(QString("%1: the quote's corner (%2,%3) is off the paper").arg(n).arg(p.x()).arg(p.y()));
                break;
            }
        }
    }
    return bad;
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

    std::map<QString, QImage> at2, at4;
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
        at4[fi.baseName()] = draw(r, declared, 4).convertToFormat(QImage::Format_ARGB32);
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
    put("autore", 620, 90);
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
    bad += checkJoins(at4);
    bad += checkFigures(at4);
    std::printf("%d bad\n", bad);
    return bad ? 1 : 0;
}
