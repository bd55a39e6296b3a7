#include "dati/filesistema.h"

#include <QDir>

namespace lex {

std::optional<QByteArray> FileSistema::contenuto(const QString& percorso, QString& motivo)
{
    QByteArray dati;
    switch (leggi(percorso, dati, motivo)) {
    case Lettura::Letta:
        return dati;
    case Lettura::Assente:
        if (motivo.isEmpty())
            motivo = QStringLiteral("No such file or directory");
        return std::nullopt;
    case Lettura::Illeggibile:
        break;
    }
    return std::nullopt;
}

bool FileSistema::copia(const QString& da, const QString& a, QString& motivo)
{
    const auto dati = contenuto(da, motivo);
    return dati && scrivi(a, *dati, motivo);
}

QString FileSistema::assoluto(const QString& percorso)
{
    if (QDir::isAbsolutePath(percorso))
        return QDir::cleanPath(percorso);
    const QString corrente = cartellaCorrente();
    // A working directory removed under the game has no name any more: the path stays relative
    // (and its writes fail there), never "/name" at the root.
    if (corrente.isEmpty())
        return percorso;
    return QDir::cleanPath(QDir::fromNativeSeparators(corrente) + QLatin1Char('/') + percorso);
}

std::optional<QString> FileSistema::mettiDaParte(const QString& nome)
{
    const QString base = nome.endsWith(QLatin1String(".txt")) ? nome.chopped(4) : nome;
    for (int i = 1; i <= 99; ++i) {
        const QString daParte = i == 1 ? base + QStringLiteral("-guasto.txt") : base + QStringLiteral("-guasto-%1.txt").arg(i);
        if (esiste(daParte))
            continue;
        QString motivo;
        if (rinomina(nome, daParte, motivo))
            return daParte;
        break;
    }
    return std::nullopt;
}

} // namespace lex
