#include "board/ui/caselle.h"

#include "shell/ui/pezzo.h"
#include "shell/ui/porteqt.h"
#include "shell/ui/twips.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <algorithm>

namespace lex::ui {

QFont fontCasella() { return arial(9, true); }

QRect areaTestoCasella()
{
    return QRect(0, 0, px(1575), px(495)).adjusted(kMargineTesto, 0, -kMargineTesto, 0);
}

bool entraNellaCasella(const QString& testo)
{
    const QRect area = areaTestoCasella();
    const QRect usata = QFontMetrics(fontCasella()).boundingRect(area, kFlagsCasella, testo);
    return usata.width() <= area.width() && usata.height() <= area.height();
}

QFont fontParola(double punti) { return arial(punti, true); }

double larghezzaParolaPx(const QString& testo, double punti)
{
    const QFontMetricsF fm(fontParola(punti));
    const QRectF inchiostro = fm.boundingRect(testo);
    const double testoPx = std::max(fm.horizontalAdvance(testo), inchiostro.right()) - std::min(0.0, inchiostro.left());
    return testoPx + 2 * kMargineTesto + 1;
}

} // namespace lex::ui
