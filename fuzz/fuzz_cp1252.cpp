// The encodings of teachers' files: every byte survives a round trip through Windows-1252,
// a text goes back to the same bytes exactly when every character has a byte of its own,
// and our UTF-8 check agrees with Qt's decoder.
#include "vocab/codifica.h"
#include "vocab/cp1252.h"

#include <QStringDecoder>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace lex;

namespace {
void verifica(bool condizione)
{
    if (!condizione)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView byte(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // Bytes -> text -> bytes.
    const QString testo = cp1252::decodifica(byte);
    verifica(testo.size() == byte.size() && cp1252::rappresentabile(testo) && cp1252::codifica(testo) == byte);

    // Text (the same bytes taken as UTF-16) -> bytes -> text.
    QString qualunque(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(qualunque.data(), data, std::size_t(qualunque.size()) * 2); // the input need not be aligned
    const QByteArray codificato = cp1252::codifica(qualunque);
    verifica(codificato.size() == qualunque.size());
    verifica(cp1252::rappresentabile(qualunque) == (cp1252::decodifica(codificato) == qualunque));

    // UTF-8: our check against Qt's decoder, and the choice of encoding for a whole file.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decodificato = utf8(byte);
    verifica(utf8Valido(byte) == !utf8.hasError());
    const Codifica c = riconosciCodifica(byte);
    if (c == Codifica::Ascii)
        verifica(decodificaRiga(byte, c) == decodificato);
    if (c == Codifica::Utf8)
        verifica(decodificaRiga(byte, c) == decodificato && decodificato.toUtf8() == byte);
    return 0;
}
