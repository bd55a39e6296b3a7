// The one atomic write every file of the game goes through (settings, review, personal lists,
// the data directory's copies and their record, and every file added later).
#pragma once

#include <QByteArrayView>
#include <QString>

namespace lex {

// Replaces the file at percorso with dati, all at once. The bytes go into a new file beside it
// (same directory, so the renaming never crosses file systems); every write and the close are
// checked, the count written must equal dati's size, the file is synced, and only then renamed
// over the old one. The new file keeps the old one's permissions. On any failure the old file
// stays byte for byte, the file beside it is removed, and the system's reason (strerror text)
// comes back; an empty result means the new file is in place.
QString scriviAtomicamente(const QString& percorso, QByteArrayView dati);

} // namespace lex
