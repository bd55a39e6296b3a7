#include "board/ui/caselle.h"

#include "shell/ui/porteqt.h"
#include "shell/ui/twips.h"

#include <QFontMetrics>

namespace lex::ui {

QFont fontCasella() { return arial(9, true); }

QRect areaTestoCasella() { return QRect(0, 0, px(1575), px(495)).adjusted(2, 0, -2, 0); }

bool entraNellaCasella(const QString& testo)
{
    const QRect area = areaTestoCasella();
    const QRect usata = QFontMetrics(fontCasella()).boundingRect(area, kFlagsCasella, testo);
    return usata.width() <= area.width() && usata.height() <= area.height();
}

} // namespace lex::ui
