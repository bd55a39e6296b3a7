#include "fakes.h"

#include <QCoreApplication>

namespace lex::test {

namespace {
int contatore = 0;
}

CartellaTemporanea::CartellaTemporanea()
{
    precedente_ = QDir::currentPath();
    percorso_ = QDir::tempPath() + QStringLiteral("/lexorio-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++contatore);
    QDir(percorso_).removeRecursively();
    QDir().mkpath(percorso_);
    QDir::setCurrent(percorso_);
}

CartellaTemporanea::~CartellaTemporanea()
{
    QDir::setCurrent(precedente_);
    QDir(percorso_).removeRecursively();
}

void CartellaTemporanea::scrivi(const QString& nome, const QByteArray& contenuto)
{
    QFile f(percorso_ + QLatin1Char('/') + nome);
    f.open(QIODevice::WriteOnly);
    f.write(contenuto);
}

} // namespace lex::test
