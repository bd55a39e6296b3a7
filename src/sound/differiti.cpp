#include "sound/differiti.h"

#include <array>
#include <deque>

namespace lex {

struct CanaliDifferiti::Stato {
    std::function<Canali()> attendi;
    Canali reali;
    bool collegati = false;
    std::deque<std::pair<int, std::function<void(Canale&)>>> comandi;

    Canale& reale(int i)
    {
        const std::array<Canale*, 4> c{reali.musica.get(), reali.right.get(), reali.wrong.get(), reali.vittoria.get()};
        return *c[static_cast<std::size_t>(i)];
    }

    void collega(Canali r)
    {
        if (collegati)
            return;
        reali = std::move(r);
        collegati = true;
        // The real channels report the ends of plays later, as events: nothing given to a
        // stand-in can come in between the kept commands.
        while (!comandi.empty()) {
            auto [i, comando] = std::move(comandi.front());
            comandi.pop_front();
            comando(reale(i));
        }
    }

    void attendiReali()
    {
        if (!collegati)
            collega(attendi ? attendi() : Canali::muti());
    }
};

namespace {

// Acts at once on the real channel when there is one, or keeps the command for it. A command
// kept reports success: the rules never act on the answer, and the real channel stays silent
// on a failure anyway.
class CanaleDifferito : public Canale {
public:
    CanaleDifferito(std::shared_ptr<CanaliDifferiti::Stato> s, int indice, QString file)
        : s_(std::move(s)), i_(indice), file_(std::move(file))
    {
    }

    QString file() const override { return file_; }
    bool apri() override { return esegui([](Canale& c) { return c.apri(); }); }
    void chiudi() override { esegui([](Canale& c) { c.chiudi(); return true; }); }
    bool indietro() override { return esegui([](Canale& c) { return c.indietro(); }); }
    bool suona() override { return esegui([](Canale& c) { return c.suona(); }); }
    int modo() const override
    {
        s_->attendiReali();
        return s_->reale(i_).modo();
    }
    void setNotifica(bool attiva) override
    {
        esegui([attiva](Canale& c) { c.setNotifica(attiva); return true; });
    }
    void setFinePlay(std::function<void(int)> f) override
    {
        esegui([f = std::move(f)](Canale& c) { c.setFinePlay(f); return true; });
    }

private:
    template <typename F>
    bool esegui(F&& comando)
    {
        if (s_->collegati)
            return comando(s_->reale(i_));
        s_->comandi.emplace_back(i_, [comando = std::forward<F>(comando)](Canale& c) { comando(c); });
        return true;
    }

    std::shared_ptr<CanaliDifferiti::Stato> s_;
    int i_;
    QString file_;
};

} // namespace

CanaliDifferiti::CanaliDifferiti(std::function<Canali()> attendi) : stato_(std::make_shared<Stato>())
{
    stato_->attendi = std::move(attendi);
}

CanaliDifferiti::~CanaliDifferiti()
{
    // Stand-ins that outlive us must not call back into whoever gave `attendi`.
    stato_->attendi = nullptr;
}

Canali CanaliDifferiti::canali()
{
    const Canali muti = Canali::muti(); // for the file names alone
    Canali c;
    c.musica = std::make_unique<CanaleDifferito>(stato_, 0, muti.musica->file());
    c.right = std::make_unique<CanaleDifferito>(stato_, 1, muti.right->file());
    c.wrong = std::make_unique<CanaleDifferito>(stato_, 2, muti.wrong->file());
    c.vittoria = std::make_unique<CanaleDifferito>(stato_, 3, muti.vittoria->file());
    return c;
}

void CanaliDifferiti::collega(Canali reali)
{
    stato_->collega(std::move(reali));
}

bool CanaliDifferiti::collegati() const
{
    return stato_->collegati;
}

} // namespace lex
