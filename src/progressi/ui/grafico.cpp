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
        // Kept for the whole run (never destroyed, never unloaded): the charts it made may outlive
        // any one window.
        static QLibrary* modulo = nullptr;
        delete modulo; // a folder where it did not load
        modulo = new QLibrary(QDir(cartella).filePath(QStringLiteral("liblexorio-progressi.so")));
        if (modulo->load())
            if (auto ingresso = reinterpret_cast<IngressoGrafico>(modulo->resolve(kIngressoGrafico)))
                return ingresso;
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
