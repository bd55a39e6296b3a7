// The stable numbers shown after "errore " when a start-up or settings step fails.
#pragma once

namespace lex::errori {
inline constexpr int kIndiceFuoriIntervallo = 9; // a character number outside 1..6
inline constexpr int kFileNonTrovato = 53;       // skipped quietly by the start-up handler
inline constexpr int kAccessoFile = 75;          // a file that exists but cannot be opened, read or written
inline constexpr int kValoreNonValido = 380;     // "Confronta:" 3..9
} // namespace lex::errori
