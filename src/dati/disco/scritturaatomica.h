// The one atomic write every file of the game goes through (settings, review, personal lists,
// the data directory's copies and their record, and every file added later).
#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace lex {

// Replaces the file at percorso with dati, all at once. The bytes go into a new file beside it
// (same directory, so the renaming never crosses file systems); every write and the close are
// checked, the count written must equal dati's size, the file is synced, and only then renamed
// over the old one. The new file keeps the old one's permissions. On any failure the old file
// stays byte for byte, the file beside it is removed, and the system's reason (strerror text)
// comes back; an empty result means the new file is in place.
QString scriviAtomicamente(const QString& percorso, QByteArrayView dati);

// What saves killed in the middle (the process killed, the machine down) left beside their
// targets: ".ripasso.txt.k3j9x.tmp". Removes those whose target name nostro accepts, and only
// those; returns how many. Run while no write of those files can be under way.
int togliAvanzi(const QString& cartella, const std::function<bool(const QString&)>& nostro);

} // namespace lex
