#include "shell/ui/finestreqt.h"

#include "about/ui/infoview.h"

namespace lex::ui {

void FinestreQt::mostraImpostazioni(Impostazioni& imp)
{
    mostraImpostazioniModale(imp, genitore);
    if (dopo)
        dopo();
}

void FinestreQt::mostraInfo()
{
    lex::ui::mostraInfo(genitore);
}

} // namespace lex::ui
