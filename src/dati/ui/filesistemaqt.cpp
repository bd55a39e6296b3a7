#include "dati/ui/filesistemaqt.h"

#include "dati/cartelladati.h"
#include "shell/ui/porteqt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace lex::ui {

namespace {
std::filesystem::path nativo(const QString& percorso) { return std::filesystem::path(percorso.toStdU16String()); }
QString motivo(const std::error_code& e) { return QString::fromLocal8Bit(e.message()); }
} // namespace

bool FileSistemaQt::esiste(const QString& percorso)
{
    const QFileInfo info(percorso);
    return info.exists() && !info.isDir();
}

std::optional<QByteArray> FileSistemaQt::leggi(const QString& percorso, QString& errore)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        errore = f.errorString();
        return std::nullopt;
    }
    QByteArray dati = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        errore = f.errorString();
        return std::nullopt;
    }
    return dati;
}

bool FileSistemaQt::scrivi(const QString& percorso, const QByteArray& dati, QString& errore)
{
    // Written beside and renamed into place, so a full disk never leaves half a vocabulary.
    QSaveFile f(percorso);
    if (!f.open(QIODevice::WriteOnly) || f.write(dati) != dati.size() || !f.commit()) {
        errore = f.errorString();
        return false;
    }
    return true;
}

bool FileSistemaQt::creaCartella(const QString& percorso, QString& errore)
{
    std::error_code e;
    std::filesystem::create_directories(nativo(percorso), e);
    if (!e && std::filesystem::is_directory(nativo(percorso), e))
        return true;
    errore = e ? motivo(e) : QStringLiteral("Not a directory");
    return false;
}

bool FileSistemaQt::entra(const QString& percorso, QString& errore)
{
    std::error_code e;
    std::filesystem::current_path(nativo(percorso), e);
    if (e)
        errore = motivo(e);
    return !e;
}

bool entraNellaCartellaDati()
{
    Luoghi luoghi;
    luoghi.corrente = QDir::currentPath();
    // An installation keeps the shipped files at <prefix>/share/lexorio beside <prefix>/bin.
    luoghi.spediti = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                     + QStringLiteral(LEXORIO_SPEDITI_DA_PROGRAMMA));
    luoghi.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    luoghi.home = qEnvironmentVariable("HOME");
    FileSistemaQt fs;
    MessaggiBoxQt box;
    return preparaCartellaDati(fs, box, luoghi);
}

} // namespace lex::ui
