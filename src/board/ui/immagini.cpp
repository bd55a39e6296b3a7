#include "board/ui/immagini.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <memory>
#include <vector>

namespace lex::ui {

namespace {

QString percorso(const QString& id) { return QStringLiteral(":/assets/pictures/") + id + QStringLiteral(".svg"); }

QSvgRenderer* renderer(const QString& id)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
    auto it = cache.find(id);
    if (it == cache.end()) {
        auto r = std::make_shared<QSvgRenderer>(percorso(id));
        it = cache.insert(id, r->isValid() ? r : nullptr);
    }
    return it->get();
}

std::vector<std::pair<const ImmaginePronta*, std::size_t>>& tabellePronte()
{
    static std::vector<std::pair<const ImmaginePronta*, std::size_t>> t;
    return t;
}

const ImmaginePronta* pronta(const QString& id, QSize logica, qreal dpr)
{
    for (const auto& [tabella, quante] : tabellePronte())
        for (std::size_t i = 0; i < quante; ++i) {
            const ImmaginePronta& p = tabella[i];
            if (p.larghezza == logica.width() && p.altezza == logica.height() && p.dpr == dpr
                && id == QLatin1String(p.id))
                return &p;
        }
    return nullptr;
}

} // namespace

void registraImmaginiPronte(const ImmaginePronta* tabella, std::size_t quante)
{
    tabellePronte().emplace_back(tabella, quante);
}

bool immaginePronta(const QString& id, QSize logica, qreal dpr)
{
    return pronta(id, logica, dpr) != nullptr;
}

QPixmap disegnaImmagine(const QString& id, QSize logica, qreal dpr)
{
    QSvgRenderer* r = renderer(id);
    if (!r || logica.isEmpty())
        return {};
    const QSize fisica(static_cast<int>(std::ceil(logica.width() * dpr)), static_cast<int>(std::ceil(logica.height() * dpr)));
    QPixmap pm(fisica);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        r->setAspectRatioMode(Qt::IgnoreAspectRatio);
        r->render(&p, QRectF(QPointF(0, 0), QSizeF(fisica)));
    }
    pm.setDevicePixelRatio(dpr);
    return pm;
}

QPixmap immagine(const QString& id, QSize logica, qreal dpr)
{
    if (id.isEmpty() || logica.isEmpty())
        return {};
    static QHash<QString, QPixmap> cache;
    const QString chiave = QStringLiteral("%1|%2x%3|%4").arg(id).arg(logica.width()).arg(logica.height()).arg(dpr);
    if (auto it = cache.constFind(chiave); it != cache.constEnd())
        return *it;
    QPixmap pm;
    if (const ImmaginePronta* p = pronta(id, logica, dpr)) {
        const QImage pixel(p->pixel, p->pixelLarghi, p->pixelAlti, p->pixelLarghi * 4,
                           p->opaca ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        pm = QPixmap::fromImage(pixel);
        pm.setDevicePixelRatio(dpr);
    } else {
        pm = disegnaImmagine(id, logica, dpr);
        if (pm.isNull())
            return {};
    }
    cache.insert(chiave, pm);
    return pm;
}

QIcon iconaGioco()
{
    QIcon icona;
    for (int lato : kLatiIcona)
        icona.addPixmap(immagine(QStringLiteral("lexorio"), QSize(lato, lato), 1));
    return icona;
}

QSize dimensioniProgettate(const QString& id)
{
    QSvgRenderer* r = renderer(id);
    return r ? r->defaultSize() : QSize();
}

} // namespace lex::ui
