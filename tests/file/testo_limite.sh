#!/bin/sh
# lexorio-testo under a file-size limit of 0 (SIGXFSZ ignored, so writing fails with EFBIG):
# the list already there stays byte for byte, nothing is left beside it, and the reason is said.
set -u
programma=$1
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
cd "$cartella" || exit 1
echo "Gallia est omnis divisa in partes tres." > testo.txt
printf '0;0;Elenco;della maestra\r\n' > vocpers.txt
uscita=$( (ulimit -f 0; trap "" XFSZ; LC_ALL=C "$programma" testo.txt) 2>&1 )
stato=$?
echo "$uscita"
[ "$stato" -eq 2 ] || { echo "exit status $stato, not 2"; exit 1; }
printf '0;0;Elenco;della maestra\r\n' | cmp -s - vocpers.txt || { echo "vocpers.txt changed"; exit 1; }
[ "$(ls -A | wc -l)" -eq 2 ] || { ls -A; echo "something was left beside it"; exit 1; }
echo "$uscita" | grep -q "Non si riesce a scrivere vocpers.txt (File too large): nessun file è stato cambiato." \
  || { echo "the reason was not said"; exit 1; }
