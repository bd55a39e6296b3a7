"""The LASLA lemma counts and their mapping to the house's headwords.

lemmi.tsv of the LASLA data (one lemma a row, commonest first) gives, for each lemma of the
corpus, its LiLa id, its commonest part of speech, its count and its count per school author.
The corpus writes u for consonantal v and has a few conventions of its own (intelligo,
coepio, comparatives under the positive, enclitics as lemmas); tools/vocab/lasla.tsv maps
them to the house's headwords, which are Collatinus keys (see build_vocab.py).
"""

import collections
import os
import re

# The data sit beside the repository, in the project's shared folder, unless told otherwise.
_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DATA = os.environ.get('LASLA_DATA', os.path.join(_ROOT, '..', 'shared', 'data', 'lasla'))
AUTHORS = ['Caesar', 'Cicero', 'Sallustius', 'Vergilius', 'Ovidius', 'Horatius',
           'Catullus', 'Seneca', 'Tacitus']
ENCLITICS = {('que', ''), ('ue', ''), ('ne', 'lilaLemma:114074')}
UPOS_CLASS = {'NOUN': 1, 'ADJ': 2, 'DET': 2, 'PRON': 2, 'NUM': 2, 'VERB': 3, 'AUX': 3,
              'ADV': 4, 'ADP': 4, 'CCONJ': 4, 'SCONJ': 4, 'PART': 4, 'INTJ': 4}


class Row:
    __slots__ = ('pos', 'lemma', 'lila', 'upos', 'count', 'authors', 'rank', 'keys', 'why', 'first')

    def ident(self):
        return '%s %s' % (self.lemma, self.lila) if self.lila else self.lemma


def load(path=None):
    """(rows commonest first, {author: total tokens}); rank is None for now."""
    path = path or os.path.join(DATA, 'lemmi.tsv')
    if not os.path.exists(path):
        raise SystemExit('build_vocab: LASLA counts not found: %s (set LASLA_DATA)' % path)
    rows, totals = [], {}
    with open(path, encoding='utf-8') as f:
        first = f.readline()
        for name, n in re.findall(r'(\w+)=(\d+)', first):
            totals[name] = int(n)
        head = f.readline().rstrip('\n').split('\t')
        col = {name: i for i, name in enumerate(head)}
        for i, line in enumerate(f):
            c = line.rstrip('\n').split('\t')
            r = Row()
            r.pos = i + 1
            r.lemma, r.lila, r.upos = c[0], c[1], c[2]
            r.count = int(c[col['count']])
            r.authors = [int(c[col[a]]) for a in AUTHORS]
            r.rank, r.keys, r.why, r.first = None, [], '', None
            rows.append(r)
    return rows, totals


def norm(key):
    """A Collatinus key in the corpus's spelling: no homograph number, v written u."""
    return re.sub(r'\d+$', '', key).replace('v', 'u').replace('V', 'U')


def read_table(path):
    """lasla.tsv: lemma<TAB>LiLa id or *<TAB>house keys (comma-separated) or -<TAB>reason."""
    table = {}
    with open(path, encoding='utf-8') as f:
        for no, line in enumerate(f, 1):
            line = line.rstrip('\r\n')
            if not line.strip() or line.startswith('#'):
                continue
            c = line.split('\t')
            if len(c) < 4 or not c[3].strip():
                raise SystemExit('build_vocab: lasla.tsv:%d: expected lemma, id, keys, reason' % no)
            keys = [] if c[2].strip() == '-' else [k.strip() for k in c[2].split(',')]
            lila = '' if c[1].strip() == '*' else c[1].strip()
            if (c[0], lila) in table:
                raise SystemExit('build_vocab: lasla.tsv:%d: %s given twice' % (no, c[0]))
            table[(c[0], lila)] = (keys, c[3].strip(), no)
    return table


def automatic(row, bynorm, lemmas):
    """The Collatinus key of a corpus lemma: same spelling (v as u), a lower-case headword,
    the class of the corpus's part of speech first, then the commoner in Collatinus."""
    cands = bynorm.get(row.lemma, [])
    if not cands:
        return None, 'no Collatinus headword'
    lower = [k for k in cands if k[:1].islower()]
    if not lower:
        return [], 'proper adjective (capitalised headword %s)' % cands[0]
    want = UPOS_CLASS.get(row.upos)
    lower.sort(key=lambda k: (lemmas[k].cls != want, -lemmas[k].own_count, k))
    return [lower[0]], ''


def assign(rows, lemmas, classes, table_path):
    """Gives every corpus lemma its house keys (row.keys, row.why) and its rank among the
    lemmas that count (proper names and enclitics left out). Returns the counted rows."""
    table = read_table(table_path)
    used = set()
    bynorm = collections.defaultdict(list)
    for k in lemmas:
        bynorm[norm(k).lower() if k[:1].isupper() else norm(k)].append(k)
    counted = []
    for r in rows:
        entry = table.get((r.lemma, r.lila)) or table.get((r.lemma, ''))
        if entry:
            used.add((r.lemma, r.lila) if (r.lemma, r.lila) in table else (r.lemma, ''))
            r.keys, r.why = list(entry[0]), entry[1]
            for k in r.keys:
                if k not in lemmas:
                    raise SystemExit('build_vocab: lasla.tsv:%d: unknown key %s' % (entry[2], k))
        elif r.upos == 'PROPN':
            r.keys, r.why = [], 'proper name'
        elif (r.lemma, r.lila) in ENCLITICS or (r.lemma, '') in ENCLITICS:
            r.keys, r.why = [], 'enclitic'
        else:
            keys, why = automatic(r, bynorm, lemmas)
            r.keys, r.why = keys or [], why
        if r.upos == 'PROPN' or r.why.startswith(('enclitic', 'proper')):
            continue
        counted.append(r)
        r.rank = len(counted)
    unused = sorted(set(table) - used)
    if unused:
        raise SystemExit('build_vocab: lasla.tsv rows match no corpus lemma: %r' % unused)
    return counted


def band_of(rank, size=400):
    return (rank - 1) // size + 1
