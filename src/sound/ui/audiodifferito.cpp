#include "sound/ui/audiodifferito.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QMetaObject>

namespace lex::ui {

namespace {

using Ingresso = void (*)(Canali*);

Canali apriModulo(const QStringList& cartelle)
{
    for (const QString& cartella : cartelle) {
        QLibrary modulo(QDir(cartella).filePath(QStringLiteral("liblexorio-audio.so")));
        if (!modulo.load())
            continue;
        if (auto ingresso = reinterpret_cast<Ingresso>(modulo.resolve("lexorio_canali_audio"))) {
            Canali c;
            ingresso(&c);
            if (c.musica && c.right && c.wrong && c.vittoria)
                return c;
        }
    }
    return Canali::muti();
}

} // namespace

QStringList cartelleModuloAudio()
{
    const QString programma = QCoreApplication::applicationDirPath();
    return {programma, QDir::cleanPath(programma + QStringLiteral("/" LEXORIO_MODULI_DA_PROGRAMMA))};
}

AudioDifferito::AudioDifferito(QStringList cartelle)
    : cartelle_(std::move(cartelle)), differiti_([this] { return attendi(); }), futuro_(promessa_.get_future())
{
}

AudioDifferito::~AudioDifferito()
{
    if (lavoro_.joinable())
        lavoro_.join();
}

Canali AudioDifferito::canali()
{
    return differiti_.canali();
}

void AudioDifferito::carica()
{
    if (lavoro_.joinable())
        return;
    lavoro_ = std::thread([this] {
        promessa_.set_value(apriModulo(cartelle_));
        QMetaObject::invokeMethod(
            &contesto_,
            [this] {
                if (!differiti_.collegati())
                    differiti_.collega(futuro_.get());
            },
            Qt::QueuedConnection);
    });
}

Canali AudioDifferito::attendi()
{
    carica();
    return futuro_.get();
}

} // namespace lex::ui
