#!/usr/bin/python3
"""Build Lexorio's vocabulary (assets/vocaboli.txt) from Debian's Latin data.

Inputs (read only):
  $LASLA_DATA/lemmi.tsv                  LASLA corpus lemma counts (default
                                         ../shared/data/lasla from the repository): what is chosen
  /usr/share/collatinus/data/lemmes.la   lemmas, inflection model, radicals and
                                         note: the dictionary forms
  /usr/share/collatinus/data/modeles.la  inflection models -> part of speech
  /usr/share/whitakers-words/DICTFILE.GEN  Whitaker's Words (English hints only)
  tools/vocab/*.tsv                      hand-kept tables (see docs/vocabulary.md)
  tools/vocab/traduzioni/*.tsv           the Italian translations

Outputs:
  tools/vocab/lemmi.tsv     the 1600 chosen lemmas: key, rank, band, class,
                            dictionary form, English hint, LASLA lemmas
  assets/vocaboli.txt       the game file (Windows-1252, CR LF)
  assets/vocpers.txt        the example personal list
  assets/copertura.tsv      per entry, its LASLA lemmas and tokens per author

Usage:
  build_vocab.py            build lemmi.tsv and vocaboli.txt
  build_vocab.py --list     build lemmi.tsv only (no translations needed)
  build_vocab.py --check    build into memory and compare with the committed
                            files (exit 1 when they differ)
  build_vocab.py --sample [seed [size]]  print a review sample (100 entries),
                            stratified by band and class
  build_vocab.py --lasla    how far the list follows the corpus: LASLA's first
                            1600 in the list, entries in their band, the rest

Only the Python 3 standard library is used; the output is deterministic.
"""

import collections
import os
import re
import sys
import unicodedata

import lasla

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
COLLATINUS = os.environ.get('COLLATINUS_DATA', '/usr/share/collatinus/data')
WHITAKER = os.environ.get('WHITAKER_DATA', '/usr/share/whitakers-words')

N_WORDS = 1600
BAND_SIZE = 400
TITLE = '0;0;Lexorio;I 1600 vocaboli latini più frequenti'
MAX_TRANSLATION = 24


def die(msg):
    sys.stderr.write('build_vocab: ' + msg + '\n')
    sys.exit(1)


# ---------------------------------------------------------------------------
# Text helpers

def unmark(s):
    """Remove quantity marks."""
    s = unicodedata.normalize('NFD', s)
    s = ''.join(c for c in s if unicodedata.category(c) != 'Mn')
    return unicodedata.normalize('NFC', s)


def plain(s):
    """Remove quantity marks, write j as i (Italian school spelling)."""
    s = unmark(s).replace('\u0443', 'y')     # a Cyrillic y in tyrannus
    return s.replace('j', 'i').replace('J', 'I')


VOWELS = set('aeiouy')


def syllables(w):
    """Syllables of a Latin word: ae, oe, au are one vowel; other vowels next to each
    other are two (le-o, hi-ems); i or u before a vowel at the start is a consonant."""
    w = re.sub(r'^[iu](?=[aeiou])', 'j', w)
    w = w.replace('qu', 'q').replace('ae', 'a').replace('oe', 'o').replace('au', 'a')
    return sum(1 for c in w if c in VOWELS)


def read_tsv(name, ncols, optional=False):
    """Rows of a hand table: tab-separated, '#' starts a comment line."""
    path = os.path.join(HERE, name)
    if not os.path.exists(path):
        if optional:
            return []
        die('missing table ' + path)
    rows = []
    with open(path, encoding='utf-8') as f:
        for no, line in enumerate(f, 1):
            line = line.rstrip('\r\n')
            if not line.strip() or line.lstrip().startswith('#'):
                continue
            cols = line.split('\t')
            if len(cols) < ncols:
                die('%s:%d: expected %d columns: %r' % (name, no, ncols, line))
            rows.append([c.strip() for c in cols[:ncols]] + [no])
    return rows


# ---------------------------------------------------------------------------
# Collatinus

def load_models():
    pos, parent = {}, {}
    cur = None
    with open(os.path.join(COLLATINUS, 'modeles.la'), encoding='utf-8') as f:
        for line in f:
            line = line.strip()
            if line.startswith('modele:'):
                cur = line[7:]
            elif line.startswith('pere:'):
                parent[cur] = line[5:]
            elif line.startswith('pos:'):
                pos[cur] = line[4:]

    def family(m):
        chain = []
        while m:
            chain.append(m)
            m = parent.get(m)
        return chain

    def mpos(m):
        for x in family(m):
            if x in pos:
                return pos[x]
        return None
    return mpos, family


class Lemma:
    __slots__ = ('key', 'word', 'hom', 'quant', 'model', 'family', 'pos',
                 'rad2', 'rad3', 'note', 'count', 'cls', 'form', 'members',
                 'own_count', 'corpus', 'lasla', 'rank')


def load_lemmas():
    mpos, family = load_models()
    lemmas = {}
    with open(os.path.join(COLLATINUS, 'lemmes.la'), encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if not line or line.startswith('!'):
                continue
            fld = line.split('|')
            if len(fld) < 6:
                continue
            m = re.match(r'\s*(\d+)', fld[5])
            head = fld[0].split('=')
            lem = Lemma()
            lem.key = plain(head[0])
            lem.word = re.sub(r'\d+$', '', lem.key)
            h = re.search(r'(\d+)$', lem.key)
            lem.hom = int(h.group(1)) if h else 1
            lem.quant = head[1] if len(head) > 1 else head[0]
            lem.model = fld[1]
            lem.family = family(fld[1])
            lem.pos = mpos(fld[1])
            lem.rad2 = plain(fld[2]).split(',')[0]
            lem.rad3 = plain(fld[3]).split(',')[0]
            lem.note = unmark(fld[4]).strip()
            lem.count = int(m.group(1)) if m else 0
            lem.own_count = lem.count
            lem.corpus = lem.count
            lem.members = [lem.key]
            lem.cls = None
            lem.form = None
            if lem.key in lemmas:        # never happens in 12.1; keep the first
                continue
            lemmas[lem.key] = lem
    return lemmas


CF_NOTE = re.compile(r'\bcf\.\s*([a-z]+)')


def inv_class(note):
    """Class of an invariable lemma from its note."""
    n = note.lower()
    if re.search(r'\badj\b|num\.', n):
        return 2
    if re.search(r'\bv\.', n) and not re.search(r'\badv', n):
        return 3
    if 'indecl. n' in n:
        return 1
    return 4


POS_CLASS = {'n': 1, 'a': 2, 'p': 2, 'm': 2, 'v': 3, 'd': 4}


# ---------------------------------------------------------------------------
# Dictionary forms, Italian school style

PLURAL_MODELS = {'epulae', 'liberi', 'castra', 'opes', 'moenia'}


def gender(note):
    g = []
    if 'comm.' in note:
        return 'm. e f.'
    for tok, it in (('m', 'm.'), ('f', 'f.'), ('n', 'n.')):
        if re.search(r'(^|[\s,(])' + tok + r'(\.|,|$)', note):
            g.append(it)
    return ' e '.join(g)


def first_vowel_back(gen, p):
    k = min(p, len(gen) - 1)
    while k > 0 and gen[k] not in VOWELS:
        k -= 1
    return k


def noun_form(lem):
    w, fam, note = lem.word, lem.family, lem.note
    g = gender(note)
    plural = bool(PLURAL_MODELS & set(fam)) or ' pl.' in ' ' + note
    if 'uita' in fam:
        if plural:
            return '%s, -arum, %s pl.' % (w, g or 'f.')
        return '%s, -ae, %s' % (w, g or 'f.')
    if 'lupus' in fam or 'templum' in fam:
        if plural:
            return '%s, -orum, %s pl.' % (w, g or ('n.' if 'templum' in fam else 'm.'))
        default = 'n.' if 'templum' in fam else 'm.'
        if w.endswith('ius') or w.endswith('ium'):
            return '%s, -ii, %s' % (w, g or default)
        if w.endswith('er') or w.endswith('ir'):
            m = re.match(r'([a-z]+)\s*,', note)
            ending = m.group(1) if m else 'i'
            if 'ager' in fam:
                stem = w[:-2] + 'r'
                return '%s, %si, %s' % (w, stem, g or 'm.')
            return '%s, -%s, %s' % (w, ending, g or 'm.')
        if w.endswith('os'):  # servos
            return '%s, -i, %s' % (w, g or 'm.')
        return '%s, -i, %s' % (w, g or default)
    if 'manus' in fam:
        return '%s, -us, %s' % (w, g or ('n.' if 'cornu' in fam else 'm.'))
    if 'res' in fam:
        if len(w) <= 3:
            return '%s, %s, %s' % (w, w[:-2] + 'ei', g or 'f.')
        return '%s, -ei, %s' % (w, g or 'f.')
    if 'miles' in fam:
        if plural:
            gen = (lem.rad2 or w[:-2]) + ('ium' if 'moenia' in fam else 'um')
            end = '-ium' if gen.endswith('ium') else '-um'
            return '%s, %s, %s pl.' % (w, end, g)
        if lem.rad2:
            gen = lem.rad2 + 'is'
        elif w.endswith('is') or w.endswith('es'):
            gen = w[:-2] + 'is'
        elif w.endswith('e'):
            gen = w[:-1] + 'is'
        else:
            gen = w + 'is'
        return '%s, %s, %s' % (w, third_gen(w, gen), g)
    return None


def third_gen(w, gen):
    """Genitive as written after a third-declension nominative."""
    if syllables(w) <= 1:
        return gen
    if gen == w[:-2] + w[-1] + 'is':          # pater, patris
        return gen
    if gen == w and w.endswith('is'):
        return '-is'
    if gen == w[:-2] + 'is' and w[-2:] in ('es', 'is', 'e'):
        return '-is'
    if gen == w[:-1] + 'is' and w.endswith('e'):
        return '-is'
    p = 0
    while p < len(w) and p < len(gen) and w[p] == gen[p]:
        p += 1
    if p == len(w):
        k = p - 1
        while k > 0 and gen[k] not in VOWELS:
            k -= 1
    else:
        k = first_vowel_back(gen, p)
    if k < 2 or len(gen) - k >= len(gen) - 1:
        return gen
    return '-' + gen[k:]


def adj_form(lem):
    w, fam, note = lem.word, lem.family, lem.note
    n = re.sub(r',?\s*adj\.?.*$', '', note).strip()
    n = re.sub(r'\s*\(.*?\)\s*', ' ', n).strip()
    if 'fortis' in fam:
        if 'acer' in fam:
            parts = [p.strip() for p in n.split(',') if p.strip()]
            if len(parts) == 2:
                return '%s, -%s, -%s' % (w, parts[0], parts[1])
        if w.endswith('is') and ('facilis' in fam or lem.model == 'fortis'):
            return '%s, -e' % w
        m = re.match(r'^([a-z]+)$', n)
        if m:
            gen = m.group(1)
            if gen.startswith(w[:2]) and len(gen) >= len(w):
                return '%s, %s' % (w, gen)
            return '%s, -%s' % (w, gen)
        if lem.rad2:
            gen = lem.rad2 + 'is'
            return '%s, %s' % (w, third_gen(w, gen))
        return w
    if 'pulcher' in fam or 'miser' in fam:
        m = re.match(r'^([a-z]+a),\s*([a-z]+um)$', n)
        if m:
            return '%s, -%s, -%s' % (w, m.group(1), m.group(2))
        if 'miser' in fam:
            return '%s, -era, -erum' % w
        return w
    if 'doctus' in fam:
        if w.endswith('us'):
            return '%s, -a, -um' % w
        if w.endswith('i'):       # plural-only adjectives
            return '%s, -ae, -a' % w
        if w.endswith('er'):
            return '%s, -era, -erum' % w
    return w


DEPONENT = {'imitor': ('-aris', '-ari'), 'uereor': ('-eris', '-eri'),
            'sequor': ('-eris', 'i'), 'patior': ('-eris', 'i'),
            'morior': ('-eris', 'i'), 'potior': ('-iris', '-iri')}


def verb_form(lem):
    w, fam, note = lem.word, lem.family, lem.note
    pf = lem.rad2 + 'i' if lem.rad2 else ''
    sup = lem.rad3 + 'um' if lem.rad3 else ''
    dep = next((x for x in fam if x in DEPONENT), None)
    if dep:
        p2, inf = DEPONENT[dep]
        stem = w[:-2]            # sequor -> sequ
        if inf == 'i':
            infin = (stem[:-1] if w.endswith('ior') else stem) + 'i'
        else:
            infin = inf
        if lem.rad3:
            part = lem.rad3 + 'us sum'
            if dep == 'imitor' and part == w[:-2] + 'atus sum':
                part = '-atus sum'
        elif dep == 'imitor':
            part = '-atus sum'
        else:
            m = re.search(r'([a-z]+us sum)', note)
            part = m.group(1) if m else ''
        return ', '.join([w, p2] + ([part] if part else []) + [infin])
    if lem.rad3 and not lem.rad2 and re.search(r'us sum', note) and fam[0] in ('moneo', 'lego'):
        p2 = '-es' if fam[0] == 'moneo' else '-is'
        return '%s, %s, %sus sum, -ere' % (w, p2, lem.rad3)
    if 'amo' in fam and fam[0] in ('amo',):
        stem = w[:-1]
        pf = pf or stem + 'avi'
        sup = sup if (sup or lem.rad2) else stem + 'atum'
        bits = [w, '-as', abbreviate(stem, pf, ('avi',))]
        if sup:
            bits.append(abbreviate(stem, sup, ('atum',)))
        bits.append('-are')
        return ', '.join(bits)
    if 'moneo' in fam and len(fam) >= 1 and fam[0] == 'moneo':
        stem = w[:-2]
        bits = [w, '-es'] + [abbreviate(stem, x, ('ui', 'itum', 'evi', 'etum')) for x in (pf, sup) if x] + ['-ere']
        return ', '.join(bits)
    if 'audio' in fam and fam[0] in ('audio', 'scio'):
        stem = w[:-2]
        bits = [w, '-is'] + [abbreviate(stem, x, ('ivi', 'itum', 'ii')) for x in (pf, sup) if x] + ['-ire']
        return ', '.join(bits)
    if fam[0] in ('lego', 'dico', 'capio', 'facio'):
        bits = [w, '-is'] + [x for x in (pf, sup) if x] + ['-ere']
        return ', '.join(bits)
    if fam[0] == 'eo':
        stem = w[:-2]
        pf = pf or stem + 'ii'
        sup = sup or (stem + 'itum')
        return ', '.join([w, '-is', pf, sup, '-ire'])
    return None


def abbreviate(stem, x, only=None):
    """'-ui' for monui after mon-; full when the ending is not regular."""
    if x.startswith(stem) and len(x) > len(stem) + 1:
        rest = x[len(stem):]
        if only is not None and only != 'vowel':
            return '-' + rest if rest in only else x
        if rest[0] in VOWELS:
            return '-' + rest
    return x


def prep_case(note):
    n = note.lower()
    m = re.search(r'pr[eé]p\.?(.*)', n)
    tail = m.group(1) if m else n
    acc = 'acc' in tail
    abl = 'abl' in tail
    if acc and abl:
        return ' (+ acc./abl.)'
    if acc:
        return ' (+ acc.)'
    if abl:
        return ' (+ abl.)'
    return ''


def default_form(lem):
    if lem.cls == 1 and lem.pos == 'n':
        return noun_form(lem) or lem.word
    if lem.cls == 2 and lem.pos in ('a', 'm'):
        return adj_form(lem)
    if lem.cls == 3 and lem.pos == 'v':
        return verb_form(lem) or lem.word
    if lem.cls == 4 and lem.pos is None and re.search(r'pr[eé]p', lem.note):
        return lem.word + prep_case(lem.note)
    return lem.word


# ---------------------------------------------------------------------------
# Whitaker's Words (English hints)

WH_POS = {1: 1, 4: 2, 5: 2, 2: 2, 3: 2, 6: 4, 7: 3, 10: 4, 11: 4, 12: 4}


def load_whitaker():
    """Whitaker's DICTFILE.GEN: 180-byte records, four 18-byte stems, part of
    speech at byte 72, then a binary header and the English meaning ending in
    CR (a meaning continued on the next record starts with '|')."""
    path = os.path.join(WHITAKER, 'DICTFILE.GEN')
    if not os.path.exists(path):
        return {}
    data = open(path, 'rb').read()
    index = collections.defaultdict(list)
    last = None
    n = 0
    for k in range(0, len(data) - 179, 180):
        r = data[k:k + 180]
        stems = [r[i * 18:(i + 1) * 18].decode('latin-1').strip().replace('j', 'i')
                 for i in range(4)]
        e = r.find(b'\r', 90)
        if e < 0:
            e = len(r.rstrip(b'\x00 '))
        j = e
        while j > 90 and 32 <= r[j - 1] < 127:
            j -= 1
        mean = r[j:e].decode('latin-1').strip()
        pos = r[72]
        freq = r[j - 2] if r[j - 2] else 9
        if mean.startswith('|') and last is not None:
            last[3] = (last[3] + ' ' + mean.lstrip('|')).strip()
            continue
        n += 1
        rec = [stems, WH_POS.get(pos, 0), freq, mean, n, r[76]]
        index[stems[0]].append(rec)
        last = rec
    return index


def expected_cuts(lem):
    w = lem.word
    if lem.cls == 3:
        if w.endswith('eor') or w.endswith('ior'):
            return {3}
        if w.endswith('or'):
            return {2}
        if w.endswith('eo') or w.endswith('io'):
            return {2, 1}
        if w.endswith('o'):
            return {1}
        return {0, 1, 2}
    if lem.cls in (1, 2) and lem.pos in ('n', 'a', 'm'):
        for end, cuts in (('ius', {2}), ('us', {2, 0}), ('um', {2}), ('ae', {2}),
                          ('es', {2, 0}), ('is', {2, 0}), ('er', {0, 2}),
                          ('a', {1}), ('i', {1}), ('u', {1}), ('e', {1, 0})):
            if w.endswith(end):
                return cuts
        return {0}
    return {0}


GROUPS = {'uita': {1}, 'lupus': {2}, 'templum': {2}, 'miles': {3}, 'manus': {4},
          'res': {5}, 'amo': {1}, 'moneo': {2}, 'audio': {3, 4}, 'lego': {3},
          'capio': {3}}


def inflection_group(lem):
    """Declension or conjugation number, as Whitaker numbers them."""
    if lem.cls not in (1, 3) or lem.pos not in ('n', 'v'):
        return 0
    if lem.cls == 3 and set(lem.family) & {'sum', 'fero', 'eo', 'uolo', 'fio', 'imitor',
                                            'uereor', 'sequor', 'patior', 'potior'}:
        return 0
    for model in lem.family:          # nearest ancestor first
        if model in GROUPS:
            return GROUPS[model]
    return 0


def whitaker_entry(lem, wh):
    """The Whitaker record that best matches the lemma: (English meaning, frequency
    grade 1-6 for A-F, 9 when ungraded), or None."""
    w = lem.word
    cuts = expected_cuts(lem)
    best = None
    for cut in range(0, len(w)):
        stem = w[:len(w) - cut]
        for rec in wh.get(stem, ()):
            stems, cls, freq, mean, order, group = rec
            if not mean or (cls and cls != lem.cls):
                continue
            want = inflection_group(lem)
            if want and cls in (1, 3) and group not in want:
                continue
            agree = 0
            if lem.rad2 and lem.rad2 in stems[1:]:
                agree += 1
            if lem.rad3 and lem.rad3 in stems[2:]:
                agree += 1
            if cut not in cuts and not agree:
                continue
            score = (-agree, cut not in cuts, freq, order)
            if best is None or score < best[0]:
                best = (score, mean, freq)
    return (best[1], best[2]) if best else None


def hint_for(lem, wh):
    """A short English meaning from Whitaker for the translators."""
    entry = whitaker_entry(lem, wh)
    if not entry:
        return ''
    mean = re.sub(r'\s+', ' ', entry[0]).strip()
    if len(mean) > 90:
        mean = mean[:90].rsplit(' ', 1)[0] + ' ...'
    return mean


def select(lemmas, wh):
    """The 1600 commonest lemmas of the LASLA corpus, proper names and enclitics left out,
    as house entries: each corpus lemma maps to Collatinus keys (lasla.tsv, else the same
    spelling), hand merges (fusioni.tsv) fold keys into one entry, and entries keep the
    rank of their commonest corpus lemma."""
    merges = {r[0]: r[1] for r in read_tsv('fusioni.tsv', 2)}
    classes = {r[0]: int(r[1]) for r in read_tsv('classi.tsv', 2)}
    forms = {r[0]: r[1] for r in read_tsv('forme.tsv', 2)}
    for k in list(merges) + list(merges.values()) + list(classes) + list(forms):
        if k not in lemmas:
            die('hand tables name an unknown lemma key: ' + k)
    for lem in lemmas.values():
        lem.cls = POS_CLASS.get(lem.pos) if lem.pos else inv_class(lem.note)
        if lem.key in classes:
            lem.cls = classes[lem.key]
        lem.count, lem.lasla, lem.rank = 0, [], None

    # A headword whose note says "cf. X" is a spelling or a form of X (cunctus, cf. cuncti).
    uv = collections.defaultdict(list)
    for k in sorted(lemmas):
        uv[k.replace('v', 'u')].append(k)
    for k, lem in lemmas.items():
        m = CF_NOTE.search(lem.note)
        if m and k not in merges:
            t = m.group(1).replace('v', 'u')
            cands = [x for x in uv.get(t, []) + uv.get(t + '2', []) if x != k]
            if cands:
                merges[k] = cands[0]

    rows, totals = lasla.load()
    counted = lasla.assign(rows, lemmas, classes, os.path.join(HERE, 'lasla.tsv'))

    def house(k):
        seen = set()
        while k in merges and k not in seen:
            seen.add(k)
            k = merges[k]
        return k

    order = []                       # house entries, commonest first
    for r in rows:
        for i, k in enumerate(r.keys):
            lem = lemmas[house(k)]
            if r not in lem.lasla:
                lem.lasla.append(r)
                if i == 0:           # a lemma mapped to two entries counts once, under the first
                    lem.count += r.count
                    r.first = lem
            if r.rank is not None and lem.rank is None:
                lem.rank = r.rank
                order.append(lem)
    for lem in order:
        lem.form = forms.get(lem.key) or default_form(lem)

    # Same class and same dictionary form: one entry (the two ne, adverb and conjunction).
    chosen, byform = [], {}
    for lem in order:
        head = byform.get((lem.cls, lem.form))
        if head is not None:
            head.lasla += [r for r in lem.lasla if r not in head.lasla]
            head.count += lem.count
            for r in lem.lasla:
                if r.first is lem:
                    r.first = head
            continue
        byform[(lem.cls, lem.form)] = lem
        chosen.append(lem)
    return chosen[:N_WORDS], counted, totals


def build_list(lemmas, wh):
    chosen, counted, totals = select(lemmas, wh)
    hints = {r[0]: r[1] for r in read_tsv('suggerimenti.tsv', 2, optional=True)}
    rows = []
    for i, lem in enumerate(chosen):
        rank = i + 1
        band = (i // BAND_SIZE) + 1
        rows.append((lem.key, rank, band, lem.cls, lem.form,
                     hints.get(lem.key) or hint_for(lem, wh), lem.count))
    return rows, (chosen, counted, totals)


def lasla_of(lem):
    """The corpus lemmas of an entry with their ranks: 'superus:97 propior:303'."""
    return ' '.join('%s:%s' % (r.lemma, r.rank if r.rank else '-') for r in lem.lasla)


def write_list(rows, chosen):
    out = ['# key\trank\tband\tclass\tform\thint\tlasla\n',
           '# generated by tools/vocab/build_vocab.py: do not edit; '
           'hint = English meaning (Whitaker) for translators; '
           'lasla = the LASLA corpus lemmas counted under the entry, with their rank\n']
    for (key, rank, band, cls, form, hint, count), lem in zip(rows, chosen):
        out.append('%s\t%d\t%d\t%d\t%s\t%s\t%s\n' % (key, rank, band, cls, form, hint, lasla_of(lem)))
    return ''.join(out)


COVERAGE_HEADER = [
    '# Lexorio: occorrenze delle parole di vocaboli.txt negli autori del corpus LASLA.',
    '# Derived from the LASLA corpus (Laboratoire d\'Analyse Statistique des Langues Anciennes,',
    '# Universite de Liege) as published with its links to the LiLa Lemma Bank (LiLa: Linking',
    '# Latin, Universita Cattolica del Sacro Cuore); licence CC BY-NC-SA 4.0.',
    '# Generated by tools/vocab/build_vocab.py. Tab-separated, ASCII, CR LF; "#" starts a comment.',
    '# First line after the comments: the column names; second: each author\'s total tokens',
    '# (punctuation left out); then one line per entry of vocaboli.txt, in its order: the Latin',
    '# word as in the file, its LASLA lemmas (comma-separated), its tokens per author. A corpus',
    '# lemma counted under two entries (superus: superior, summus) adds its tokens to the first.',
]


def coverage_file(chosen, totals):
    lines = list(COVERAGE_HEADER)
    lines.append('\t'.join(['parola', 'lemmi'] + lasla.AUTHORS))
    lines.append('\t'.join(['(totale)', '-'] + [str(totals[a]) for a in lasla.AUTHORS]))
    for lem in chosen:
        sums = [0] * len(lasla.AUTHORS)
        for r in lem.lasla:
            if r.first is lem:
                sums = [s + n for s, n in zip(sums, r.authors)]
        lines.append('\t'.join([lem.form, ','.join(sorted({r.lemma for r in lem.lasla}))] + [str(s) for s in sums]))
    return ('\r\n'.join(lines) + '\r\n').encode('ascii')


def load_translations(rows):
    tr = {}
    # One file per band as first translated, then the words that entered the list later.
    for name in ['banda%d.tsv' % band for band in (1, 2, 3, 4)] + ['aggiunte.tsv']:
        for key, text, no in read_tsv(os.path.join('traduzioni', name), 2, optional=True):
            if key in tr:
                die('translation of %s given twice (%s:%d)' % (key, name, no))
            tr[key] = text
    fixes = {r[0]: r[1] for r in read_tsv('correzioni.tsv', 2, optional=True)}
    tr.update(fixes)
    return tr


# amare, temere, dormire, porre; with a clitic: avvicinarsi, andarsene, farcela
INFINITIVE = re.compile(r"^[a-zàèéìòù]*((are|ere|ire|rre)|(ar|er|ir|rr)(si|ci|vi|lo|la|li|le|ne|sene|cene|gli|sela|cela))$")


def is_infinitive(text):
    """Italian verb gloss: its first meaning starts with an infinitive."""
    first = re.split(r'[,;(]', text)[0].strip()
    words = first.split(' ')
    if words and words[0] == 'non' and len(words) > 1:
        words = words[1:]
    return bool(words) and bool(INFINITIVE.match(words[0]))


def check_translation(key, cls, text):
    problems = []
    if not text.strip():
        problems.append('empty')
    if text != text.strip():
        problems.append('leading or trailing space')
    if ';' in text:
        problems.append('senses separated by ";" (the house style is ",")')
    if len(text) > MAX_TRANSLATION:
        problems.append('longer than %d characters' % MAX_TRANSLATION)
    if any(len(w) > 16 for w in re.split(r'[ ,;/]', text)):
        problems.append('a word longer than 16 characters')
    try:
        text.encode('cp1252')
    except UnicodeEncodeError:
        problems.append('not Windows-1252')
    if cls == 3 and not is_infinitive(text):
        problems.append('verb not in the infinitive')
    return ['%s: %r: %s' % (key, text, p) for p in problems]


def senses(text):
    """The senses of a translation: its parts between commas or semicolons, parenthesised
    notes left out, blanks trimmed and collapsed, lower case (as lex::sensi does)."""
    text = re.sub(r'\([^)]*\)', ' ', text)
    return {' '.join(part.split()).lower() for part in re.split(r'[,;]', text) if part.strip()}


def shared_senses(meanings, key, cls, text):
    """Records text under its senses in meanings ((class, sense) -> [(key, text)]) and
    returns the pairs with an earlier word of the class: a different text, a sense in common.
    Not a fault: the board never offers such a text as a wrong answer; reported for review."""
    problems = []
    for sense in senses(text):
        for other, t2 in meanings.get((cls, sense), []):
            if t2 != text:
                problems.append('%s %r and %s %r share the sense %r in class %s' % (other, t2, key, text, sense, cls))
        meanings.setdefault((cls, sense), []).append((key, text))
    return problems


def game_file(rows, tr):
    missing = [r[0] for r in rows if not tr.get(r[0])]
    if missing:
        die('%d translations missing: %s' % (len(missing), ' '.join(missing)))
    lines = [TITLE]
    seen = set()
    meanings = {}     # (class, sense) -> [(key, translation)]
    problems, shared = [], []
    for key, rank, band, cls, form, hint, count in rows:
        t = tr[key]
        if ';' in form:
            problems.append(key + ': ";" in the Latin form')
        if form != form.strip() or form.endswith(',') or ', ,' in form or not form:
            problems.append(key + ': malformed Latin form %r' % form)
        problems += check_translation(key, cls, t)
        if (form, t) in seen:
            problems.append(key + ': duplicate record')
        seen.add((form, t))
        shared += shared_senses(meanings, key, cls, t)
        lines.append('%d;%d;%s;%s' % (band, cls, form, t))
    if problems:
        die('translation problems:\n  ' + '\n  '.join(problems))
    if os.environ.get('VOCAB_SHARED'):
        sys.stderr.write('\n'.join(shared) + '\n')
    text = '\r\n'.join(lines) + '\r\n'
    return text.encode('cp1252')


PERSONAL_HEADER = [
    "/ Lexorio: elenco personale di esempio, il lessico militare del De bello Gallico di Cesare.",
    "/ Per giocare con un elenco proprio, sostituire questo file (vocpers.txt) e scegliere",
    "/ 'Elenco personale' nelle impostazioni. Una riga per parola, quattro campi separati da ';':",
    "/   frequenza;categoria;parola latina;traduzione italiana",
    "/ frequenza: sempre 0. categoria: 1 nomi, 2 aggettivi e pronomi, 3 verbi,",
    "/ 4 avverbi, congiunzioni, preposizioni.",
    "/ Le righe che iniziano con '/' sono commenti. Il primo record è un titolo e non viene",
    "/ mai chiesto. Per giocare servono almeno 7 parole; con meno di 12 la partita parte dopo un",
    "/ avviso, e con meno di 100 il gioco avvisa quando carica l'elenco, ma si gioca lo stesso.",
    "/ Ogni categoria ne vuole almeno 12, o le caselle ripetono le stesse traduzioni sbagliate.",
    "/ Salvare in Windows-1252 (ANSI), fine riga CR LF. Traduzioni brevi: al massimo 24 caratteri,",
    "/ significati separati da virgole. lexorio-controlla verifica un elenco prima di giocarlo.",
]
PERSONAL_TITLE = '0;0;Lexorio;Elenco personale: De bello Gallico'


def personal_file():
    rows = read_tsv('vocpers.tsv', 3)
    lines = PERSONAL_HEADER + [PERSONAL_TITLE]
    problems = []
    seen = set()
    meanings = {}
    for cls, form, text, no in rows:
        if cls not in ('1', '2', '3', '4'):
            problems.append('vocpers.tsv:%d: class %r' % (no, cls))
            continue
        problems += check_translation(form, int(cls), text)
        if ';' in form or (form, text) in seen:
            problems.append('vocpers.tsv:%d: bad or duplicate entry %r' % (no, form))
        seen.add((form, text))
        lines.append('0;%s;%s;%s' % (cls, form, text))
    if problems:
        die('personal list problems:\n  ' + '\n  '.join(problems))
    return ('\r\n'.join(lines) + '\r\n').encode('cp1252')


def lasla_report(rows, chosen, counted):
    """How far the list follows the corpus: LASLA's first 1600 in the list, entries in their band."""
    keys = {lem.key for lem in chosen}
    top = [r for r in counted if r.rank <= N_WORDS]
    missing = [r for r in top if not (r.first is not None and r.first.key in keys)]
    inband = [lem for i, lem in enumerate(chosen) if lem.rank <= N_WORDS and
              lasla.band_of(lem.rank) == i // BAND_SIZE + 1]
    out = ['LASLA first %d in the list: %d (%.1f%%)' % (N_WORDS, len(top) - len(missing),
                                                     100.0 * (len(top) - len(missing)) / len(top)),
           'entries in their LASLA band: %d (%.1f%%)' % (len(inband), 100.0 * len(inband) / len(chosen)),
           'missing:']
    out += ['  %d %s %s %s %s' % (r.rank, r.lemma, r.lila, r.upos, r.why) for r in missing]
    out.append('off band:')
    out += ['  %d %s (LASLA %d) %s' % (i + 1, lem.form, lem.rank, lasla_of(lem)) for i, lem in enumerate(chosen)
            if lem not in inband]
    return '\n'.join(out)


def main(argv):
    mode = argv[1] if len(argv) > 1 else ''
    lemmas = load_lemmas()
    wh = load_whitaker()
    rows, (chosen, counted, totals) = build_list(lemmas, wh)
    if len(rows) != N_WORDS:
        die('only %d lemmas selected' % len(rows))
    listing = write_list(rows, chosen)
    coverage = coverage_file(chosen, totals)
    list_path = os.path.join(HERE, 'lemmi.tsv')
    game_path = os.path.join(ROOT, 'assets', 'vocaboli.txt')
    personal_path = os.path.join(ROOT, 'assets', 'vocpers.txt')
    coverage_path = os.path.join(ROOT, 'assets', 'copertura.tsv')
    if mode == '--lasla':
        print(lasla_report(rows, chosen, counted))
        return 0
    if mode == '--sample':
        # A review sample, stratified by band and class, fixed seed.
        import random
        rng = random.Random(int(argv[2]) if len(argv) > 2 else 2026)
        size = int(argv[3]) if len(argv) > 3 else 100
        tr = load_translations(rows)
        strata = collections.defaultdict(list)
        for r in rows:
            strata[(r[2], r[3])].append(r)
        picks = []
        for key in sorted(strata):
            share = round(size * len(strata[key]) / len(rows))
            picks += rng.sample(strata[key], max(1, share))
        picks = picks[:size]
        rest = [r for r in rows if r not in picks]
        picks += rng.sample(rest, size - len(picks))    # strata round to a few less than the size
        for r in sorted(picks, key=lambda x: x[1]):
            print('%s\t%d\t%d\t%s\t%s\t%s' % (r[0], r[2], r[3], r[4], tr.get(r[0], '?'), r[5][:50]))
        return 0
    if mode == '--check':
        ok = open(list_path, encoding='utf-8').read() == listing
        tr = load_translations(rows)
        ok = ok and open(game_path, 'rb').read() == game_file(rows, tr)
        ok = ok and open(personal_path, 'rb').read() == personal_file()
        ok = ok and open(coverage_path, 'rb').read() == coverage
        print('up to date' if ok else 'OUT OF DATE')
        return 0 if ok else 1
    with open(list_path, 'w', encoding='utf-8', newline='\n') as f:
        f.write(listing)
    with open(personal_path, 'wb') as f:
        f.write(personal_file())
    with open(coverage_path, 'wb') as f:
        f.write(coverage)
    if mode == '--list':
        return 0
    tr = load_translations(rows)
    data = game_file(rows, tr)
    with open(game_path, 'wb') as f:
        f.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
