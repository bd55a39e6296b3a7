#!/usr/bin/python3
"""Measures Whitaker's Words (Debian package whitakers-words) as a lexicon for the lemmatiser, beside
Collatinus as the game reads it, on the two gold texts in tests/core/dati/ (tools/testo/oro.py).

For each text, over the words that are not proper names: the share whose gold lemma is among the
lexicon's lemmas for the form (recall), the share where the lemma chosen by the LASLA counts of
assets/testo/frequenze.tsv is the gold one (top-1), and the share the lexicon does not know at all.
Whitaker's candidates are ranked by a port of the game's choice (same counts, same weights for
participles, enclitics and proper names); Collatinus's numbers come from the game itself, through
the gold test of core_tests. Not run by ctest: it needs the --tools packages and a build.

    tools/testo/whitaker.py [--build DIR] [--completo] [--nudo] [--errori]

--completo turns off Whitaker's trimming of rare, archaic and medieval readings; --nudo maps its
headwords to the corpus's lemmas with the game's table alone; --errori lists the words Whitaker
gets wrong. Licence of the gold data: CC BY-NC-SA 4.0, LASLA (Universite de Liege)
via the LiLa Lemma Bank."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from whitaker_lettura import (PROGRAMMA, Convenzioni, analizza, comeNelCorpus, conteggio, eseguiWhitaker, grafieDelGioco,
                              leggiFrequenze)

qui = os.path.dirname(os.path.abspath(__file__))
radice = os.path.dirname(os.path.dirname(qui))
TESTI = [('Caesar, Gall. I', 'oro_cesare.tsv'), ('Cicero, Cat. I', 'oro_cicerone.tsv')]


def numeroRomano(s):
    if len(s) == 1:
        return s in 'VXL'
    return all(c in 'IVXLCDM' for c in s)


def pulisci(scritta):
    """The letters the game analyses: punctuation around the word off, hyphens and apostrophes
    inside dropped (src/testo/lemmatizzatore.cpp)."""
    i, j = 0, len(scritta)
    while i < j and not scritta[i].isalpha():
        i += 1
    while j > i and not scritta[j - 1].isalpha():
        j -= 1
    return ''.join(c for c in scritta[i:j] if c not in "-'’·")


def leggiOro(nome):
    parole = []
    with open(os.path.join(radice, 'tests', 'core', 'dati', nome), encoding='utf-8') as f:
        for riga in f:
            c = riga.rstrip('\n').split('\t')
            if riga.startswith('#') or len(c) < 3:
                continue
            parole.append((c[0].replace(' ', ''), comeNelCorpus(c[1], {}), c[2] == 'PROPN'))
    return parole


def scegli(letture, scritta, frequenze):
    """The candidates, heaviest first, weighed as the game weighs them."""
    maiuscola = scritta[:1].isupper()
    intere = any(not x.enclitica for x in letture)
    pesi = {}
    for x in letture:
        peso = conteggio(frequenze, x.lemma, x.parte, x.proprio)
        if x.participio:
            peso *= 0.2
        if x.enclitica and intere:
            peso *= 0.5
        if x.proprio:
            peso *= 3 if maiuscola else 0.05
        pesi[x.lemma] = max(pesi.get(x.lemma, 0), peso)
    return sorted(pesi, key=lambda l: -pesi[l])  # stable: equal weights keep Whitaker's order


def misuraWhitaker(testi, analisi, frequenze, errori):
    righe = []
    for titolo, parole in testi:
        n = giuste = coperte = ignote = lemmi = 0
        formeIgnote, forme = set(), set()
        for scritta, oro, proprio in parole:
            if proprio:
                continue
            n += 1
            forma = pulisci(scritta)
            forme.add(forma)
            if numeroRomano(forma):
                candidati = [comeNelCorpus(forma, {})]
            else:
                candidati = scegli(analisi[forma], forma, frequenze)
            if not candidati:
                ignote += 1
                formeIgnote.add(forma)
            giuste += bool(candidati) and candidati[0] == oro
            coperte += oro in candidati
            lemmi += len(candidati)
            if errori and (not candidati or candidati[0] != oro):
                print('\t'.join(['SCELTA' if oro in candidati else 'MANCA', scritta, oro, '|'.join(candidati)]))
        righe.append((titolo, n, 100 * giuste / n, 100 * coperte / n, 100 * ignote / n,
                      100 * len(formeIgnote) / len(forme), lemmi / n))
    return righe


def misuraCollatinus(build, testi):
    """The game's own numbers: the gold test prints its summary and, asked, every wrong word
    (an unknown word has no chosen lemma)."""
    programma = os.path.join(build, 'tests', 'core_tests')
    env = dict(os.environ, LEXORIO_TESTO_ERRORI='1')
    uscita = subprocess.run([programma, '--gtest_filter=TestoOro.*'], capture_output=True, encoding='utf-8',
                            env=env, check=True).stdout
    ignote = {}
    sintesi = {}
    for riga in uscita.split('\n'):
        c = riga.split('\t')
        if len(c) == 4 and c[0] == 'MANCA' and c[3] == '':
            ignote.setdefault(len(sintesi), []).append(pulisci(c[1]))
        m = re.match(r'(oro_\w+\.tsv): (\d+) parole, top-1 ([\d.]+)%, richiamo ([\d.]+)%', riga)
        if m:
            sintesi[m.group(1)] = (int(m.group(2)), float(m.group(3)), float(m.group(4)))
    righe = []
    for i, (titolo, parole) in enumerate(testi):
        n, top1, richiamo = sintesi[TESTI[i][1]]
        forme = {pulisci(s) for s, _, proprio in parole if not proprio}
        perse = ignote.get(i, [])
        righe.append((titolo, n, top1, richiamo, 100 * len(perse) / n, 100 * len(set(perse)) / len(forme),
                      lemmiPerParola(build, parole)))
    return righe


def lexorioTesto(build, testo):
    """What lexorio-testo --lemmi writes for the text, and the seconds it took."""
    cartella = tempfile.mkdtemp(prefix='collatinus-')
    try:
        with open(os.path.join(cartella, 'testo.txt'), 'w', encoding='utf-8') as f:
            f.write(testo)
        inizio = time.monotonic()
        uscita = subprocess.run([os.path.join(build, 'play', 'lexorio-testo'), '--lemmi', 'testo.txt'], cwd=cartella,
                                capture_output=True, check=True, encoding='utf-8').stdout
        return uscita, time.monotonic() - inizio
    finally:
        shutil.rmtree(cartella)


def lemmiPerParola(build, parole):
    """How many lemmas the game offers a word, on average: the chosen one and the others."""
    righe = lexorioTesto(build, ' '.join(s for s, _, _ in parole) + '\n')[0].rstrip('\n').split('\n')
    if len(righe) != len(parole):
        return float('nan')
    lemmi = n = 0
    for riga, (_, _, proprio) in zip(righe, parole):
        if not proprio:
            c = riga.split('\t') + ['', '']
            n += 1
            lemmi += bool(c[1]) + (len(c[2].split('|')) if c[2] else 0)
    return lemmi / n


def velocitaCollatinus(build, forme):
    """Seconds to start lexorio-testo --lemmi, and forms a second after that (the forms fifty
    times over: one pass takes less time than the loading)."""
    avvio = lexorioTesto(build, 'amicitia\n')[1]
    secondi = lexorioTesto(build, '\n'.join(forme * 50) + '\n')[1]
    return avvio, 50 * len(forme) / max(secondi - avvio, 1e-6)


def main():
    argomenti = sys.argv[1:]
    build = os.path.join(radice, 'build')
    if '--build' in argomenti:
        build = argomenti[argomenti.index('--build') + 1]
    completo = '--completo' in argomenti
    if shutil.which(PROGRAMMA) is None:
        sys.exit(f'Manca {PROGRAMMA}: tools/install-deps.sh --tools')

    testi = [(titolo, leggiOro(nome)) for titolo, nome in TESTI]
    frequenze = leggiFrequenze(os.path.join(radice, 'assets', 'testo', 'frequenze.tsv'))
    forme = sorted({pulisci(s) for _, parole in testi for s, _, _ in parole} - {''})
    blocchi, _ = eseguiWhitaker(forme, completo)
    grafie = grafieDelGioco(os.path.join(radice, 'src', 'testo', 'frequenze.cpp'))
    convenzioni = Convenzioni(frequenze, grafie, '--nudo' in argomenti)
    analisi = {f: analizza(b, convenzioni) for f, b in zip(forme, blocchi)}
    righe = misuraWhitaker(testi, analisi, frequenze, '--errori' in argomenti)

    print('| Lexicon | Text | Words | Top-1 | Recall | Unknown words | Unknown forms | Lemmas a word |')
    print('|---|---|---|---|---|---|---|---|')
    for titolo, n, top1, richiamo, ignote, formeIgnote, lemmi in righe:
        print(f"| Whitaker's Words | {titolo} | {n:,} | {top1:.1f}% | {richiamo:.1f}% | {ignote:.2f}% | "
              f'{formeIgnote:.1f}% | {lemmi:.2f} |')
    if os.path.exists(os.path.join(build, 'tests', 'core_tests')):
        for titolo, n, top1, richiamo, ignote, formeIgnote, lemmi in misuraCollatinus(build, testi):
            print(f'| Collatinus | {titolo} | {n:,} | {top1:.1f}% | {richiamo:.1f}% | {ignote:.2f}% | '
                  f'{formeIgnote:.1f}% | {lemmi:.2f} |')
    else:
        print(f'(no {build}/tests/core_tests: Collatinus not measured)')
    # Timed without the marks: an unknown word costs Whitaker every trick it knows.
    _, avvio = eseguiWhitaker(['amicitia'], completo, False)
    _, secondi = eseguiWhitaker(forme, completo, False)
    print(f'\nWhitaker: {avvio:.2f} s to start, {len(forme) / max(secondi - avvio, 1e-6):,.0f} forms/s')
    if os.path.exists(os.path.join(build, 'play', 'lexorio-testo')):
        carico, velocita = velocitaCollatinus(build, forme)
        print(f'Collatinus (lexorio-testo --lemmi): {carico:.2f} s to start, {velocita:,.0f} forms/s')


if __name__ == '__main__':
    main()
