#include "dati/disco/scritturaatomica.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lex {

namespace {

QString motivo(int codice)
{
    // std::system_category's message is strerror's text, safe from the background thread.
    return QString::fromLocal8Bit(std::system_category().message(codice));
}

// A file of our own beside the target: a name nobody else uses, made with O_EXCL.
int creaAccanto(const QByteArray& destinazione, QByteArray& nome)
{
    const qsizetype barra = destinazione.lastIndexOf('/');
    const QByteArray cartella = destinazione.left(barra + 1);
    const QByteArray base = destinazione.mid(barra + 1);
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        nome = cartella + '.' + base + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = ::open(nome.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes it all, resuming after interruptions and short writes; errno tells why when false.
bool scriviTutto(int fd, QByteArrayView dati, qint64& scritti)
{
    scritti = 0;
    while (scritti < dati.size()) {
        const ssize_t n = ::write(fd, dati.data() + scritti, static_cast<size_t>(dati.size() - scritti));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC; // no progress and no error: nothing more fits
            return false;
        }
        scritti += n;
    }
    return true;
}

} // namespace

QString scriviAtomicamente(const QString& percorso, QByteArrayView dati)
{
    // Relative paths stay relative: the file beside goes into the same directory either way, and a
    // working directory removed under the game makes the write fail instead of landing elsewhere.
    const QByteArray destinazione = QFile::encodeName(percorso);
    QByteArray accanto;
    const int fd = creaAccanto(destinazione, accanto);
    if (fd < 0)
        return motivo(errno);

    int errore = 0;
    struct stat vecchio {};
    if (::stat(destinazione.constData(), &vecchio) == 0 && ::fchmod(fd, vecchio.st_mode & 07777) != 0)
        errore = errno;
    qint64 scritti = 0;
    if (!errore && !scriviTutto(fd, dati, scritti))
        errore = errno;
    if (!errore && scritti != dati.size())
        errore = EIO;
    if (!errore && ::fsync(fd) != 0)
        errore = errno;
    // Some file systems report a failed write only when the file is closed.
    if (::close(fd) != 0 && !errore && errno != EINTR)
        errore = errno;
    if (!errore) {
        // The size on disk, as a last look before the old file goes.
        struct stat nuovo {};
        if (::stat(accanto.constData(), &nuovo) != 0)
            errore = errno;
        else if (nuovo.st_size != dati.size())
            errore = EIO;
    }
    if (!errore && ::rename(accanto.constData(), destinazione.constData()) != 0)
        errore = errno;
    if (errore) {
        ::unlink(accanto.constData());
        return motivo(errore);
    }
    // The renaming itself made durable; a directory that cannot be synced changes nothing of the above.
    QByteArray cartella = destinazione.left(destinazione.lastIndexOf('/') + 1);
    if (cartella.isEmpty())
        cartella = ".";
    const int dir = ::open(cartella.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

int togliAvanzi(const QString& cartella, const std::function<bool(const QString&)>& nostro)
{
    // The name creaAccanto gives: a dot, the target, a base-36 number, ".tmp".
    static const QRegularExpression avanzo(QStringLiteral("^\\.(.+)\\.[0-9a-z]{1,7}\\.tmp$"));
    const QDir d(cartella);
    int tolti = 0;
    for (const QString& nome : d.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch m = avanzo.match(nome);
        if (m.hasMatch() && nostro(m.captured(1)) && QFile::remove(d.filePath(nome)))
            ++tolti;
    }
    return tolti;
}

} // namespace lex
