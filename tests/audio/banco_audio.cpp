#include "banco_audio.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cmath>
#include <cstdlib>

namespace lex::test {

namespace {

void le16(QByteArray& b, uint16_t v)
{
    b.append(char(v & 0xff)).append(char(v >> 8));
}

void le32(QByteArray& b, uint32_t v)
{
    le16(b, uint16_t(v & 0xffff));
    le16(b, uint16_t(v >> 16));
}

void be32(QByteArray& b, uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8)
        b.append(char((v >> s) & 0xff));
}

QByteArray ambiente(const char* nome)
{
    return qgetenv(nome);
}

void ripristina(const char* nome, const QByteArray& valore)
{
    if (valore.isNull())
        qunsetenv(nome);
    else
        qputenv(nome, valore);
}

} // namespace

QByteArray wavTono(int ms, double hz, double ampiezza)
{
    const int n = kFrequenza * ms / 1000;
    QByteArray dati;
    for (int i = 0; i < n; ++i)
        le16(dati, uint16_t(int16_t(std::lround(ampiezza * 32767 * std::sin(2 * M_PI * hz * i / kFrequenza)))));
    QByteArray w("RIFF");
    le32(w, uint32_t(36 + dati.size()));
    w.append("WAVEfmt ");
    le32(w, 16);
    le16(w, 1); // PCM
    le16(w, 1); // mono
    le32(w, kFrequenza);
    le32(w, kFrequenza * 2);
    le16(w, 2);
    le16(w, 16);
    w.append("data");
    le32(w, uint32_t(dati.size()));
    return w + dati;
}

QByteArray midiNota(int ms)
{
    // 96 ticks a quarter at 120 bpm: 5.2 ms a tick. The delta fits one byte for ms < 660.
    const int ticks = ms * 96 / 500;
    QByteArray traccia;
    traccia.append("\x00\xC0\x00", 3);           // piano
    traccia.append("\x00\x90\x3C\x64", 4);       // note on, middle C
    traccia.append(char(ticks)).append("\x80\x3C\x00", 3);
    traccia.append("\x00\xFF\x2F\x00", 4);
    QByteArray m("MThd");
    be32(m, 6);
    m.append("\x00\x00\x00\x01\x00\x60", 6);
    m.append("MTrk");
    be32(m, uint32_t(traccia.size()));
    return m + traccia;
}

CartellaAudio::CartellaAudio()
{
    precedente_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
}

CartellaAudio::~CartellaAudio()
{
    QDir::setCurrent(precedente_);
}

void CartellaAudio::scrivi(const QString& nome, const QByteArray& dati)
{
    QFile f(dir_.filePath(nome));
    if (f.open(QIODevice::WriteOnly))
        f.write(dati);
}

Registrazione::Registrazione()
    : driver_(ambiente("SDL_AUDIODRIVER")), file_(ambiente("SDL_DISKAUDIOFILE"))
{
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir_.filePath(QStringLiteral("mix.raw"))));
}

Registrazione::~Registrazione()
{
    ripristina("SDL_AUDIODRIVER", driver_);
    ripristina("SDL_DISKAUDIOFILE", file_);
}

std::vector<int16_t> Registrazione::campioni() const
{
    QFile f(dir_.filePath(QStringLiteral("mix.raw")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    std::vector<int16_t> pcm(size_t(b.size()) / 2);
    for (size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = int16_t(uint8_t(b[int(2 * i)]) | (uint8_t(b[int(2 * i + 1)]) << 8));
    return pcm;
}

SenzaDispositivo::SenzaDispositivo() : driver_(ambiente("SDL_AUDIODRIVER"))
{
    qputenv("SDL_AUDIODRIVER", "nessuno");
}

SenzaDispositivo::~SenzaDispositivo()
{
    ripristina("SDL_AUDIODRIVER", driver_);
}

bool aspetta(const std::function<bool()>& cond, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!cond()) {
        if (t.elapsed() >= ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(1);
    }
    return true;
}

void lascia(int ms)
{
    aspetta([] { return false; }, ms);
}

Estensione udibile(const std::vector<int16_t>& pcm, int soglia)
{
    Estensione e;
    for (size_t i = 0; i < pcm.size(); ++i)
        if (std::abs(int(pcm[i])) > soglia) {
            const long frame = long(i / 2);
            if (e.primo < 0)
                e.primo = frame;
            e.ultimo = frame;
        }
    return e;
}

int picco(const std::vector<int16_t>& pcm, long daFrame, long aFrame)
{
    const long fine = aFrame < 0 ? long(pcm.size() / 2) : std::min(aFrame, long(pcm.size() / 2));
    int p = 0;
    for (long f = std::max(0L, daFrame); f < fine; ++f)
        p = std::max({p, std::abs(int(pcm[size_t(2 * f)])), std::abs(int(pcm[size_t(2 * f + 1)]))});
    return p;
}

} // namespace lex::test
