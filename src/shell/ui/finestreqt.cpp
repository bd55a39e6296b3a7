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

bool FinestreQt::mostraRipasso()
{
    const bool salvato = ripasso && ripasso();
    if (dopo)
        dopo();
    return salvato;
}

void FinestreQt::mostraProgressi()
{
    if (progressi)
        progressi();
    if (dopo)
        dopo();
}

bool FinestreQt::mostraTesto()
{
    const bool salvato = testo && testo();
    if (dopo)
        dopo();
    return salvato;
}

} // namespace lex::ui
