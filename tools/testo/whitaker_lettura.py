"""Runs Whitaker's Words (Debian package whitakers-words) on a list of forms and reads its
analyses as lemmas spelt as the LASLA corpus spells them, for tools/testo/whitaker.py."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

PROGRAMMA = 'whitakers-words'
DATI = '/usr/share/whitakers-words'
# A line Whitaker answers with one known line: it marks where one form's analyses end.
SEGNO = 'zzqxzzqx'


def grafieDelGioco(sorgente):
    """Headwords the corpus spells otherwise: the game's own table (kGrafie in
    src/testo/frequenze.cpp), read from the source so that the two cannot part."""
    with open(sorgente, encoding='utf-8') as f:
        testo = f.read()
    inizio = testo.find('kGrafie[]')
    if inizio < 0:
        sys.exit(f'{sorgente}: kGrafie not found')
    tabella = testo[inizio:testo.index('};', inizio)]
    return dict(re.findall(r'\{"(\w+)", "(\w+)"\}', tabella))


# Whitaker's variant headwords that are the corpus's word (as the game's table has a for ab).
VARIANTI_WHITAKER = {'uti': 'ut', 'abs': 'ab'}
# Whitaker keeps a prefix as the text spells it (conloco, adficio); the corpus assimilates it.
ASSIMILAZIONI = [('adc', 'acc'), ('adf', 'aff'), ('adg', 'agg'), ('adl', 'all'), ('adp', 'app'), ('adr', 'arr'),
                 ('adsc', 'asc'), ('adsp', 'asp'), ('adst', 'ast'), ('ads', 'ass'), ('adt', 'att'), ('conl', 'coll'),
                 ('conm', 'comm'), ('conr', 'corr'), ('conb', 'comb'), ('conp', 'comp'), ('inl', 'ill'),
                 ('inm', 'imm'), ('inr', 'irr'), ('inb', 'imb'), ('inp', 'imp'), ('summ', 'subm'), ('obp', 'opp')]

# Pronouns Whitaker prints without a headword: by stem and declension.
PRONOMI = {
    ('qu', '1 0'): ('qui', 'quis'), ('cu', '1 0'): ('qui', 'quis'),
    ('aliqu', '1 0'): ('aliquis',), ('alicu', '1 0'): ('aliquis',),
    ('quicquam', '1 0'): ('quisquam',), ('quicquid', '1 0'): ('quisquis',),
    ('ego', '5 1'): ('ego',), ('m', '5 1'): ('ego',), ('tu', '5 2'): ('tu',), ('t', '5 2'): ('tu',),
    ('n', '5 3'): ('nos',), ('nostr', '5 3'): ('nos',), ('u', '5 3'): ('uos',), ('uestr', '5 3'): ('uos',),
    ('s', '5 4'): ('sui',), ('eodem', '4 2'): ('idem',), ('eadem', '4 2'): ('idem',),
}
# qu + particle ("PACK"): the particle is printed as a TACKON before it.
PACCHETTI = {
    'dam': 'quidam', 'que': 'quisque', 'cumque': 'quicumque', 'piam': 'quispiam', 'quam': 'quisquam',
    'uis': 'quiuis', 'libet': 'quilibet', 'nam': 'quisnam', 'cum': 'qui',
}
ENCLITICHE = {'que', 'ne', 'ue'}
PARTI_DISCORSO = {'N', 'ADJ', 'V', 'VPAR', 'SUPINE', 'PRON', 'PACK', 'ADV', 'PREP', 'CONJ', 'INTERJ', 'NUM', 'X',
                  'TACKON', 'PREFIX', 'SUFFIX'}
CODICI = re.compile(r'\[[A-Z]{5}\]')


def comeNelCorpus(parola, grafie):
    s = parola.lower().replace('v', 'u').replace('j', 'i')
    return grafie.get(s, s)


class Convenzioni:
    """Whitaker's headword as the corpus's lemma. Bare, only the game's table; otherwise also the
    conventions where the two differ by spelling or citation form, not by analysis: variant
    headwords, assimilated prefixes, nouns the corpus names in the plural (arma, kalendae), each
    only when the corpus does not know Whitaker's headword."""

    def __init__(self, frequenze, grafie, nudo):
        self.frequenze = frequenze
        self.nudo = nudo
        self.grafie = dict(grafie) if nudo else dict(grafie, **VARIANTI_WHITAKER)

    def lemma(self, voce, parte, genitivo=None, declinazione=None):
        l = comeNelCorpus(voce, self.grafie)
        if self.nudo or (l in self.frequenze and conteggio(self.frequenze, l, parte, False) > 0):
            return l
        for libero, assimilato in ASSIMILAZIONI:
            if l.startswith(libero) and assimilato + l[len(libero):] in self.frequenze:
                return assimilato + l[len(libero):]
        plurale = self.plurale(l, genitivo, declinazione)
        if plurale and conteggio(self.frequenze, plurale, 'n', False) > 0:
            return plurale
        return l

    @staticmethod
    def plurale(nome, genitivo, declinazione):
        if not genitivo:
            return None
        g = comeNelCorpus(genitivo, {})
        if declinazione == '1st' or (declinazione == '2nd' and not nome.endswith('um')):
            return g  # kalenda, kalendae; liber, liberi
        if declinazione == '2nd':
            return nome[:-2] + 'a'  # castrum -> castra
        if declinazione == '3rd' and g.endswith('is'):
            return g[:-2] + ('ia' if nome.endswith(('e', 'al', 'ar')) else 'es')  # moene -> moenia
        return None




def leggiFrequenze(percorso):
    """The game's table of LASLA counts: lemma -> [(part of speech, count)]."""
    righe = {}
    with open(percorso, encoding='utf-8') as f:
        for riga in f:
            c = riga.rstrip('\n').split('\t')
            if riga.startswith('#') or len(c) < 3:
                continue
            righe.setdefault(c[0], []).append((PARTE_UPOS.get(c[1], 'i'), int(c[2])))
    return righe


PARTE_UPOS = {'NOUN': 'n', 'ADJ': 'a', 'VERB': 'v', 'AUX': 'v', 'DET': 'p', 'PRON': 'p', 'NUM': 'm', 'PROPN': 'N'}
# Whitaker's parts of speech as the game's models' parts, and which corpus parts each covers.
PARTE_WHITAKER = {'N': 'n', 'ADJ': 'a', 'NUM': 'm', 'PRON': 'p', 'PACK': 'p', 'V': 'v'}
COMPATIBILI = {'n': 'n', 'a': 'apm', 'm': 'ma', 'p': 'pa', 'v': 'v', 'i': 'i'}


def conteggio(frequenze, lemma, parte, proprio):
    giusti = altri = 0
    for p, n in frequenze.get(lemma, []):
        if p in ('Na' if proprio else COMPATIBILI[parte]):
            giusti += n
        else:
            altri += n
    return giusti if giusti > 0 else 0.2 * altri


def eseguiWhitaker(forme, completo, segno=True):
    """Whitaker's output for each form, in order, and the seconds it took. One form a line of an
    input file: with a file name as its only argument the program reads it without pausing."""
    cartella = tempfile.mkdtemp(prefix='whitaker-')
    try:
        ambiente = None
        if completo:
            # The program reads its modes from WORD.MOD beside its data, only when the file is whole:
            # a folder of links to the data with that file beside them.
            modi = ('TRIM_OUTPUT N HAVE_OUTPUT_FILE N WRITE_OUTPUT_TO_FILE N DO_UNKNOWNS_ONLY N WRITE_UNKNOWNS_TO_FILE N '
                    'IGNORE_UNKNOWN_NAMES Y IGNORE_UNKNOWN_CAPS Y DO_COMPOUNDS Y DO_FIXES Y DO_TRICKS Y '
                    'DO_DICTIONARY_FORMS Y SHOW_AGE N SHOW_FREQUENCY N DO_EXAMPLES N DO_ONLY_MEANINGS N '
                    'DO_STEMS_FOR_UNKNOWN N').split()
            with open(os.path.join(cartella, 'WORD.MOD'), 'w') as f:
                f.write(''.join(f'{m:<34}{v}\n' for m, v in zip(modi[::2], modi[1::2])))
            for nome in os.listdir(DATI):
                os.symlink(os.path.join(DATI, nome), os.path.join(cartella, nome))
            ambiente = dict(os.environ, WHITAKERS_WORDS_DATADIR=cartella + os.sep)
        # The mark shares the form's line: Whitaker skips a line of one letter (a, e, o).
        with open(os.path.join(cartella, 'forme.txt'), 'w') as f:
            for forma in forme:
                f.write(forma + (' ' + SEGNO if segno else '') + '\n')
        inizio = time.monotonic()
        uscita = subprocess.run([PROGRAMMA, 'forme.txt'], cwd=cartella, capture_output=True, check=True,
                                encoding='latin-1', env=ambiente).stdout
        secondi = time.monotonic() - inizio
    finally:
        shutil.rmtree(cartella)
    if not segno:
        return [], secondi
    blocchi = [[]]
    for riga in uscita.split('\n'):
        if riga.startswith(SEGNO):
            blocchi.append([])
        else:
            blocchi[-1].append(riga)
    if len(blocchi) != len(forme) + 1:
        sys.exit(f'{PROGRAMMA}: {len(blocchi) - 1} risposte per {len(forme)} forme')
    return blocchi[:-1], secondi


class Lettura:
    def __init__(self, lemma, parte, proprio, participio, enclitica):
        self.lemma, self.parte, self.proprio = lemma, parte, proprio
        self.participio, self.enclitica = participio, enclitica


def analizza(blocco, convenzioni):
    """The readings in one form's output: a headword line closes the inflection lines above it."""
    letture = []
    flessioni = []  # (stem, part of speech, declension) since the last headword line
    particella = None  # the last TACKON: an enclitic, or what a PACK is made with

    def chiudi(lemmi, parte, proprio, genitivo=None, declinazione=None):
        participio = bool(flessioni) and all(f[1] == 'VPAR' for f in flessioni)
        for l in lemmi:
            if l == 'fio' and participio:  # factus is facio's
                l = 'facio'
            l = convenzioni.lemma(l, parte, genitivo, declinazione)
            letture.append(Lettura(l, parte, proprio, participio, particella in ENCLITICHE))

    def pronomiSenzaVoce():
        for radiceForma, p, decl, _ in flessioni:
            if p == 'PRON' and (radiceForma, decl) in PRONOMI:
                chiudi(PRONOMI[(radiceForma, decl)], 'p', False)
                return True
        return False

    for i, riga in enumerate(blocco):
        if CODICI.search(riga):
            testa = riga[:CODICI.search(riga).start()].strip()
            parti = re.split(r'\s{2,}', testa, maxsplit=1)
            pos = parti[-1].split()[0] if testa else 'PRON'
            # Principal parts, "-" where there is none: "-, -, ulterior -or -us, ultimus -a -um".
            voci = [p.split()[0].rstrip('.') for p in parti[0].split(',') if p.split()] if len(parti) > 1 else []
            if pos == 'PACK':
                if particella in PACCHETTI:
                    chiudi([PACCHETTI[particella]], 'p', False)
            elif pos == 'NUM' and len(voci) >= 4:
                # One entry for tres, tertius, terni, ter: the inflection says which.
                tipi = {f[3] for f in flessioni}
                chiudi([voci[k] for k, t in enumerate(('CARD', 'ORD', 'DIST', 'ADVERB')) if t in tipi and voci[k] != '-'],
                       'a' if tipi & {'ORD', 'DIST'} else 'm', False)
            elif not pronomiSenzaVoce():
                voce = next((v for v in voci if v != '-'), '')
                if voce.isalpha():
                    # A noun the corpus may name in the plural says so in its meaning: "arms (pl.)".
                    nome = pos == 'N' and len(voci) > 1 and '(pl.)' in (blocco[i + 1] if i + 1 < len(blocco) else '')
                    declinazione = re.search(r'\((\w+)\)', parti[-1])
                    chiudi([voce], PARTE_WHITAKER.get(pos, 'i'), voce[0].isupper(), voci[1] if nome else None,
                           declinazione.group(1) if nome and declinazione else None)
            flessioni = []
            continue
        campi = riga.split()
        if len(campi) >= 2 and campi[1] in PARTI_DISCORSO:
            if campi[1] in ('TACKON', 'PREFIX', 'SUFFIX'):
                if campi[1] == 'TACKON':
                    particella = campi[0]
                flessioni = []
            else:
                decl = ' '.join(campi[2:4])
                flessioni.append((campi[0].split('.')[0], campi[1], decl, campi[-1]))
            continue
        # A meaning line: inflections left without a headword are a pronoun's printed before.
        if flessioni:
            pronomiSenzaVoce()
            flessioni = []
    if flessioni:
        pronomiSenzaVoce()
    return letture
