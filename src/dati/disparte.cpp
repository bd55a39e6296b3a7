#include "dati/disparte.h"

namespace lex {

ScrittoreInDisparte::~ScrittoreInDisparte()
{
    {
        std::lock_guard blocco(mutex_);
        fine_ = true;
    }
    cambiato_.notify_all();
    if (lavoratore_.joinable())
        lavoratore_.join();
}

void ScrittoreInDisparte::scrivi(const QString& percorso, std::function<QByteArray()> testo)
{
    const QString assoluto = fs_.assoluto(percorso);
    if (filo_ == Filo::Chiamante) {
        QString motivo;
        const bool ok = fs_.scrivi(assoluto, testo(), motivo);
        std::lock_guard blocco(mutex_);
        ultimoErrore_ = ok ? QString() : motivo;
        fallite_ += ok ? 0 : 1;
        return;
    }
    {
        std::lock_guard blocco(mutex_);
        inAttesa_[assoluto] = std::move(testo);
        if (!lavoratore_.joinable())
            lavoratore_ = std::thread([this] { lavora(); });
    }
    cambiato_.notify_all();
}

QString ScrittoreInDisparte::ultimoErrore()
{
    std::lock_guard blocco(mutex_);
    return ultimoErrore_;
}

int ScrittoreInDisparte::fallite()
{
    std::lock_guard blocco(mutex_);
    return fallite_;
}

void ScrittoreInDisparte::attendi()
{
    std::unique_lock blocco(mutex_);
    cambiato_.wait(blocco, [this] { return inAttesa_.empty() && !scrivendo_; });
}

void ScrittoreInDisparte::lavora()
{
    std::unique_lock blocco(mutex_);
    for (;;) {
        cambiato_.wait(blocco, [this] { return fine_ || !inAttesa_.empty(); });
        if (inAttesa_.empty())
            return; // asked to end, nothing left
        auto voce = inAttesa_.extract(inAttesa_.begin());
        scrivendo_ = true;
        blocco.unlock();
        QString motivo;
        const bool ok = fs_.scrivi(voce.key(), voce.mapped()(), motivo);
        blocco.lock();
        scrivendo_ = false;
        ultimoErrore_ = ok ? QString() : motivo;
        fallite_ += ok ? 0 : 1;
        cambiato_.notify_all();
    }
}

} // namespace lex
