#include "progressi/ui/grafico.h"

#include "sound/ui/audiodifferito.h"

#include <QDir>
#include <QLibrary>

namespace lex::ui {

namespace {

QStringList& cartelle()
{
    static QStringList c = cartelleModuloAudio();
    return c;
}

IngressoGrafico apriModulo()
{
    for (const QString& cartella : cartelle()) {
        // Never unloaded: the charts it made may outlive any one window.
        auto* modulo = new QLibrary(QDir(cartella).filePath(QStringLiteral("liblexorio-progressi.so")));
        if (modulo->load())
            if (auto ingresso = reinterpret_cast<IngressoGrafico>(modulo->resolve(kIngressoGrafico)))
                return ingresso;
        delete modulo;
    }
    return nullptr;
}

} // namespace

void cercaGraficoIn(const QStringList& c)
{
    cartelle() = c;
}

QWidget* creaGrafico(const DatiGrafico& dati, QWidget* genitore)
{
    static const IngressoGrafico ingresso = apriModulo();
    return ingresso ? ingresso(&dati, genitore) : nullptr;
}

} // namespace lex::ui
