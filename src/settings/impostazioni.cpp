#include "settings/impostazioni.h"

namespace lex {

// Placeholder until the settings window's rules land: the designed defaults only.
Impostazioni::Impostazioni(LexorioModel& principale, Porte porte)
    : principale_(principale), porte_(porte)
{
    m.suoni.value = 1;
    m.musica.value = 0;
    for (int i = 1; i <= 6; ++i)
        m.foto[i].picture = QStringLiteral("foto%1").arg(i);
}

void Impostazioni::attivazione() {}
void Impostazioni::carattere(int) {}
void Impostazioni::leggiimpostazioni() {}
void Impostazioni::salvaimpostazioni() {}
void Impostazioni::mostrapersonaggio(int, int) {}

} // namespace lex
