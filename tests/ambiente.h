// Every test program starts with the same environment, whoever runs it: no display, a
// silent sound driver, and the source and play directories of this build.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace lex::test {

inline void preparaAmbiente()
{
    const auto predefinito = [](const char* nome, const QByteArray& valore) {
        if (qEnvironmentVariableIsEmpty(nome))
            qputenv(nome, valore);
    };
    predefinito("QT_QPA_PLATFORM", "offscreen");
    predefinito("SDL_AUDIODRIVER", "dummy");
    predefinito("LEXORIO_SOURCE_DIR", LEXORIO_SOURCE_DIR);
    predefinito("LEXORIO_PLAY_DIR", LEXORIO_PLAY_DIR);
    predefinito("XDG_RUNTIME_DIR", LEXORIO_XDG_RUNTIME_DIR);
}

} // namespace lex::test
