#include "processo.h"

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace lex::bench {

namespace fs = std::filesystem;

double oraMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

Processo::Processo(const std::string& programma, const std::string& cartella, const std::vector<std::string>& ambiente)
{
    int tubo[2];
    if (pipe(tubo) != 0)
        return;
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "LD_PRELOAD=", 11) != 0 && std::strncmp(*e, "LEXORIO_SONDA_FD=", 17) != 0)
            env.emplace_back(*e);
    env.push_back(std::string("LD_PRELOAD=") + LEXORIO_SONDA);
    env.push_back("LEXORIO_SONDA_FD=" + std::to_string(tubo[1]));
    for (const auto& a : ambiente)
        env.push_back(a);
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string prog = programma;
    char* argv[] = {prog.data(), nullptr};

    inizio_ = oraMs();
    pid_ = fork();
    if (pid_ == 0) {
        close(tubo[0]);
        if (chdir(cartella.c_str()) != 0)
            _exit(127);
        const int nulla = ::open("/dev/null", O_WRONLY);
        dup2(nulla, 1);
        dup2(nulla, 2);
        execve(prog.c_str(), argv, envp.data());
        _exit(127);
    }
    close(tubo[1]);
    lettura_ = tubo[0];
}

Processo::~Processo()
{
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (lettura_ >= 0)
        close(lettura_);
}

double Processo::primoDisegno(int entroMs)
{
    if (disegno_ >= 0)
        return disegno_ - inizio_;
    pollfd p{lettura_, POLLIN, 0};
    if (lettura_ < 0 || poll(&p, 1, entroMs) != 1)
        return std::nan("");
    char riga[64] = {};
    if (read(lettura_, riga, sizeof riga - 1) <= 0)
        return std::nan("");
    disegno_ = std::atof(riga) * 1e3;
    return disegno_ - inizio_;
}

double Processo::cpuMs() const
{
    double ns = 0;
    std::error_code ec;
    for (const auto& t : fs::directory_iterator("/proc/" + std::to_string(pid_) + "/task", ec)) {
        std::ifstream f(t.path() / "schedstat");
        double n = 0;
        if (f >> n)
            ns += n;
    }
    return ns / 1e6;
}

double Processo::rssMb() const
{
    std::ifstream f("/proc/" + std::to_string(pid_) + "/status");
    std::string riga;
    while (std::getline(f, riga))
        if (riga.rfind("VmRSS:", 0) == 0)
            return std::atof(riga.c_str() + 6) / 1024.0;
    return std::nan("");
}

CartellaGioco::CartellaGioco(const std::string& cartellaGioco, const std::string& impostazioni)
{
    char modello[] = "/tmp/lexorio-bench-XXXXXX";
    percorso_ = mkdtemp(modello);
    for (const char* f : {"vocaboli.txt", "vocpers.txt", "Right.wav", "Wrong.wav", "Vittoria.wav", "musica.mid"})
        fs::copy_file(fs::path(cartellaGioco) / f, fs::path(percorso_) / f, fs::copy_options::overwrite_existing);
    std::ofstream(fs::path(percorso_) / "lexorio.ini", std::ios::binary) << impostazioni;
}

CartellaGioco::~CartellaGioco()
{
    std::error_code ec;
    fs::remove_all(percorso_, ec);
}

std::string impostazioni(bool musica, bool suoni, int giocatori, int velocita)
{
    std::ostringstream s;
    s << "Confronta:1\r\nMusica:   " << (musica ? 1 : 0) << "\r\nSuoni:    " << (suoni ? 1 : 0)
      << "\r\nGiocatori:" << giocatori << "\r\nGiocator1:1\r\nGiocator2:2\r\nVelocita: " << velocita
      << "\r\nQuante:   10\r\nClassi:   1111\r\nFrequenza:1111\r\nQuante:   10\r\n\r\n";
    return s.str();
}

} // namespace lex::bench
