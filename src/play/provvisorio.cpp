// Temporary bodies of the game's procedures, replaced file by file as play lands.
#include "settings/impostazioni.h"
#include "shell/lexorio.h"

namespace lex {

void Lexorio::tasto(int codice)
{
    if (codice == 27) {
        esci();
        return;
    }
    if (m.Parola.text.startsWith(QStringLiteral("Un tasto")))
        impostapartita();
}

void Lexorio::clickParola() { impostapartita(); }

void Lexorio::impostapartita()
{
    if (inImpostapartita_)
        return;
    inImpostapartita_ = true;
    porte.finestre.mostraImpostazioni(impostazioni());
    distruggiImpostazioni();
    m.windowShown = true;
    inImpostapartita_ = false;
}

void Lexorio::tickGioco() {}
void Lexorio::giudica(int) {}
void Lexorio::componiistruzioni() {}
void Lexorio::preparatabellone() {}
void Lexorio::selezionaparole() {}
void Lexorio::preparaparola() {}
void Lexorio::prossimaparola() {}
void Lexorio::rispostaesatta(int) {}
void Lexorio::mostrapunti() {}
void Lexorio::finepartita() {}
void Lexorio::animazionefinale() {}

} // namespace lex
