// The one call main() makes before the game: the data directory on the real disk.
#pragma once

namespace lex::ui {

// Gives an installed game its data directory as working directory (see dati/cartelladati.h).
// Needs the QApplication. False after a message box when the game can not start.
bool entraNellaCartellaDati();

} // namespace lex::ui
