// A tiny timing harness, and the rows of the table that bench/run prints: every figure beside
// the baseline it is compared with, measured in the same run, the ratio and the target.
#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace lex::bench {

// The best of several rounds, so background noise inflates nothing.
template <typename F>
double migliore(int giri, int ripetizioni, F&& f)
{
    double meglio = std::numeric_limits<double>::max();
    for (int g = 0; g < giri; ++g) {
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < ripetizioni; ++i)
            f();
        const std::chrono::duration<double, std::micro> dt = std::chrono::steady_clock::now() - t0;
        meglio = std::min(meglio, dt.count() / ripetizioni);
    }
    return meglio;
}

inline double mediana(std::vector<double> v)
{
    if (v.empty())
        return std::nan("");
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline double massimo(const std::vector<double>& v)
{
    return v.empty() ? std::nan("") : *std::max_element(v.begin(), v.end());
}

inline std::string numero(double v, const char* unita = "", int cifre = 1)
{
    if (std::isnan(v))
        return "n/a";
    char s[64];
    std::snprintf(s, sizeof s, "%.*f%s%s", cifre, v, *unita && *unita != '%' ? " " : "", unita);
    return s;
}

// One row of the table: | figure | value | baseline | ratio | target | result |.
// An empty target means the figure is only reported; `riuscito` says whether it met its target.
inline void riga(const std::string& figura, const std::string& valore, const std::string& base,
                 const std::string& rapporto, const std::string& obiettivo, bool riuscito)
{
    std::printf("| %s | %s | %s | %s | %s | %s |\n", figura.c_str(), valore.c_str(), base.empty() ? "—" : base.c_str(),
                rapporto.empty() ? "—" : rapporto.c_str(), obiettivo.empty() ? "—" : obiettivo.c_str(),
                obiettivo.empty() ? "—" : (riuscito ? "pass" : "**miss**"));
    std::fflush(stdout);
}

inline std::string volte(double r)
{
    return numero(r, "", 2) + "×";
}

// A figure measured against a baseline, whose ratio must stay at or under `limite`.
inline void rigaRapporto(const std::string& figura, double valore, double base, const char* unita, double limite)
{
    const double r = valore / base;
    riga(figura, numero(valore, unita), numero(base, unita), volte(r), "≤ " + volte(limite), r <= limite);
}

// The older micro-benchmarks: a time per call against the baseline's, reported only.
inline void riporta(const char* nome, double us, double base)
{
    riga(nome, numero(us, "µs"), numero(base, "µs"), volte(us / base), "", true);
}

} // namespace lex::bench
