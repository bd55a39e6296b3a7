#include "dati/disco/filesistemadisco.h"

#include "dati/disco/scritturaatomica.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <stdio.h>

namespace lex {

namespace {
std::filesystem::path nativo(const QString& percorso) { return std::filesystem::path(percorso.toStdU16String()); }
QString testo(const std::error_code& e) { return QString::fromLocal8Bit(e.message()); }
QString testo(int codice) { return QString::fromLocal8Bit(std::system_category().message(codice)); }
} // namespace

bool FileSistemaDisco::esiste(const QString& percorso)
{
    const QFileInfo info(percorso);
    return info.exists() && !info.isDir();
}

Lettura FileSistemaDisco::leggi(const QString& percorso, QByteArray& dati, QString& motivo, qint64 massimo)
{
    QFile file(percorso);
    if (!file.exists())
        return Lettura::Assente;
    if (!file.open(QIODevice::ReadOnly)) {
        motivo = file.errorString();
        return Lettura::Illeggibile;
    }
    if (file.size() > massimo) {
        motivo = testo(EFBIG);
        return Lettura::Illeggibile;
    }
    // Read to the end rather than trusting the size: a file may grow, or report none (/proc).
    dati.clear();
    while (dati.size() <= massimo) {
        const QByteArray pezzo = file.read(std::min<qint64>(1 << 16, massimo + 1 - dati.size()));
        if (file.error() != QFileDevice::NoError) {
            dati.clear();
            motivo = file.errorString();
            return Lettura::Illeggibile;
        }
        if (pezzo.isEmpty())
            break;
        dati += pezzo;
    }
    if (dati.size() > massimo) {
        dati.clear();
        motivo = testo(EFBIG);
        return Lettura::Illeggibile;
    }
    return Lettura::Letta;
}

bool FileSistemaDisco::scrivi(const QString& percorso, QByteArrayView dati, QString& motivo)
{
    motivo = scriviAtomicamente(percorso, dati);
    return motivo.isEmpty();
}

bool FileSistemaDisco::rinomina(const QString& da, const QString& a, QString& motivo)
{
    // RENAME_NOREPLACE: the check and the renaming in one step, so nothing slips in between.
    const QByteArray origine = QFile::encodeName(da);
    const QByteArray destinazione = QFile::encodeName(a);
    if (::renameat2(AT_FDCWD, origine.constData(), AT_FDCWD, destinazione.constData(), RENAME_NOREPLACE) == 0)
        return true;
    const int codice = errno;
    if (codice != EINVAL && codice != ENOSYS) {
        motivo = testo(codice);
        return false;
    }
    // File systems without it: check, then rename.
    if (QFileInfo::exists(a)) {
        motivo = testo(EEXIST);
        return false;
    }
    if (::rename(origine.constData(), destinazione.constData()) != 0) {
        motivo = testo(errno);
        return false;
    }
    return true;
}

bool FileSistemaDisco::creaCartella(const QString& percorso, QString& motivo)
{
    std::error_code e;
    std::filesystem::create_directories(nativo(percorso), e);
    if (!e && std::filesystem::is_directory(nativo(percorso), e))
        return true;
    motivo = e ? testo(e) : testo(ENOTDIR);
    return false;
}

bool FileSistemaDisco::entra(const QString& percorso, QString& motivo)
{
    std::error_code e;
    std::filesystem::current_path(nativo(percorso), e);
    if (e)
        motivo = testo(e);
    return !e;
}

QString FileSistemaDisco::cartellaCorrente()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

} // namespace lex
