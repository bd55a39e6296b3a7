// The progress line, the one-player penalties and the two players' points.
#include "shell/lexorio.h"

namespace lex {

void Lexorio::mostrapunti()
{
    m.Labverbi.text = QStringLiteral("Vocaboli ") + QString::number(s.vocabolifatti) + QStringLiteral(" su ")
                      + QString::number(s.totalevocaboli);
    if (s.numgiocatori == 1)
        m.Lab[2].text = QStringLiteral("Penalità: ") + QString::number(s.penalita);
    if (s.numgiocatori == 2)
        for (std::size_t i = 1; i <= 2; ++i)
            m.punti[i].text = QString::number(s.punteggio[i]);
}

} // namespace lex
