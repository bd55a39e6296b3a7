#include "board/ui/immagini.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <memory>

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

} // namespace

QPixmap immagine(const QString& id, QSize logica, qreal dpr)
{
    if (id.isEmpty() || logica.isEmpty())
        return {};
    static QHash<QString, QPixmap> cache;
    const QString chiave = QStringLiteral("%1|%2x%3|%4").arg(id).arg(logica.width()).arg(logica.height()).arg(dpr);
    if (auto it = cache.constFind(chiave); it != cache.constEnd())
        return *it;
    QSvgRenderer* r = renderer(id);
    if (!r)
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
    cache.insert(chiave, pm);
    return pm;
}

QIcon iconaGioco()
{
    QIcon icona;
    for (int lato : {16, 32, 48, 64})
        icona.addPixmap(immagine(QStringLiteral("lexorio"), QSize(lato, lato), 1));
    return icona;
}

QSize dimensioniProgettate(const QString& id)
{
    QSvgRenderer* r = renderer(id);
    return r ? r->defaultSize() : QSize();
}

} // namespace lex::ui
