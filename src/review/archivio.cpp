#include "review/archivio.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lex {

namespace {
bool scriviOra(const QString& percorso, const QByteArray& dati)
{
    QSaveFile file(percorso);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(dati) == dati.size() && file.commit();
    if (!ok)
        file.cancelWriting();
    return ok;
}
} // namespace

ArchivioFile::~ArchivioFile()
{
    {
        std::lock_guard blocco(mutex_);
        fine_ = true;
    }
    cambiato_.notify_all();
    if (filo_.joinable())
        filo_.join();
}

bool ArchivioFile::esiste(const QString& nome)
{
    return QFile::exists(nome);
}

Lettura ArchivioFile::leggi(const QString& nome, QByteArray& dati, qint64 massimo)
{
    QFile file(nome);
    if (!file.exists())
        return Lettura::Assente;
    if (!file.open(QIODevice::ReadOnly) || file.size() > massimo)
        return Lettura::Illeggibile;
    dati = file.read(massimo + 1);
    if (file.error() != QFileDevice::NoError || dati.size() > massimo)
        return Lettura::Illeggibile;
    return Lettura::Letta;
}

bool ArchivioFile::scrivi(const QString& nome, const QByteArray& dati)
{
    return scriviOra(nome, dati);
}

void ArchivioFile::scriviInDisparte(const QString& nome, std::function<QByteArray()> testo)
{
    // The directory is the one of the moment the write is asked for.
    const QString percorso = QFileInfo(nome).absoluteFilePath();
    {
        std::lock_guard blocco(mutex_);
        inAttesa_[percorso] = std::move(testo);
        if (!filo_.joinable())
            filo_ = std::thread([this] { lavora(); });
    }
    cambiato_.notify_all();
}

bool ArchivioFile::scritturaInDisparteFallita()
{
    std::lock_guard blocco(mutex_);
    return fallita_;
}

bool ArchivioFile::rinomina(const QString& da, const QString& a)
{
    return !QFile::exists(a) && QFile::rename(da, a);
}

bool ArchivioFile::copia(const QString& da, const QString& a)
{
    QFile origine(da);
    if (!origine.open(QIODevice::ReadOnly))
        return false;
    QSaveFile destinazione(a);
    if (!destinazione.open(QIODevice::WriteOnly))
        return false;
    while (!origine.atEnd()) {
        const QByteArray pezzo = origine.read(1 << 16);
        if (origine.error() != QFileDevice::NoError || destinazione.write(pezzo) != pezzo.size()) {
            destinazione.cancelWriting();
            return false;
        }
    }
    return destinazione.commit();
}

void ArchivioFile::attendi()
{
    std::unique_lock blocco(mutex_);
    cambiato_.wait(blocco, [this] { return inAttesa_.empty() && !scrivendo_; });
}

void ArchivioFile::lavora()
{
    std::unique_lock blocco(mutex_);
    for (;;) {
        cambiato_.wait(blocco, [this] { return fine_ || !inAttesa_.empty(); });
        if (inAttesa_.empty())
            return; // asked to end, nothing left
        auto voce = inAttesa_.extract(inAttesa_.begin());
        scrivendo_ = true;
        blocco.unlock();
        const bool ok = scriviOra(voce.key(), voce.mapped()());
        blocco.lock();
        scrivendo_ = false;
        fallita_ = !ok;
        cambiato_.notify_all();
    }
}

} // namespace lex
