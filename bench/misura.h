// A tiny timing harness: the best of several rounds, so background noise inflates nothing.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>

namespace lex::bench {

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

inline void riporta(const char* nome, double us, double base)
{
    std::printf("%-40s %10.1f us  %6.2fx baseline\n", nome, us, us / base);
}

} // namespace lex::bench
