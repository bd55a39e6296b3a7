// What the rules need from the platform, as small interfaces. The game wires Qt
// implementations (src/*/ui); the tests wire the fakes of tests/core/fakes.h.
#pragma once

#include <QString>
#include <cstdlib>
#include <functional>
#include <vector>

namespace lex {

// Time of day as a single-precision fraction of a day (0.5 is noon).
class Orologio {
public:
    virtual ~Orologio() = default;
    virtual float adesso() = 0;
    // Block for about ms milliseconds without handling any window event and without busy-waiting.
    virtual void pausa(int ms) = 0;
};

// Uniform numbers in [0, 1).
class Casuale {
public:
    virtual ~Casuale() = default;
    virtual void semina() = 0; // seed from the clock
    virtual double r() = 0;
};

enum class Icona { Nessuna, Domanda, Avviso, Errore };
enum class Pulsanti { Ok, OkAnnulla };
enum class Risposta { Ok, Annulla };

class MessaggiBox {
public:
    virtual ~MessaggiBox() = default;
    virtual Risposta mostra(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti) = 0;
};

// The window's event loop, seen from inside a handler.
class Eventi {
public:
    virtual ~Eventi() = default;
    virtual void eseguiPendenti() = 0; // let the events queued so far run, then return
    virtual void ridisegna() = 0;      // draw the model's current state now (before a blocking pause or box)
    // Run f once the event being handled now has returned to the event loop.
    virtual void dopo(std::function<void()> f) = 0;
};

// Ending the process on the spot: no dialog, no saving, no close handlers.
class Uscita {
public:
    virtual ~Uscita() = default;
    [[noreturn]] virtual void terminaSubito(int codice) = 0;
};

// The end on the spot, after what must still happen outside the rules: the records' writes in
// progress finished, the data folder released. Each step runs once, in the order given; an end
// asked for during a step (a failure) goes straight to the end.
class UscitaOrdinata : public Uscita {
public:
    explicit UscitaOrdinata(Uscita& fine) : fine_(fine) {}
    void primaDi(std::function<void()> passo) { passi_.push_back(std::move(passo)); }
    [[noreturn]] void terminaSubito(int codice) override
    {
        if (!uscendo_) {
            uscendo_ = true;
            for (const auto& passo : passi_)
                passo();
        }
        fine_.terminaSubito(codice);
        std::abort(); // not reached: terminaSubito does not return
    }

private:
    Uscita& fine_;
    std::vector<std::function<void()>> passi_;
    bool uscendo_ = false;
};

// What a window adds around its inner area (title bar, borders, menu bar), in twips.
struct Bordi {
    double larghezza = 0, altezza = 0;
};

class Misure {
public:
    virtual ~Misure() = default;
    // Width the word label needs to show a text whole at a size in points (its margins
    // included), in twips.
    virtual double larghezzaParola(const QString& testo, double punti) = 0;
    // The screen's size in twips, for centring windows.
    virtual double larghezzaSchermo() = 0;
    virtual double altezzaSchermo() = 0;
    // The frame around a window's inner area, with or without a menu bar: windows are
    // centred by their whole size.
    virtual Bordi bordi(bool conMenu) = 0;
};

} // namespace lex
