#!/usr/bin/python3
"""Build assets/sinonimi.txt: the Italian synonyms among the senses of the shipped lists.

The board leaves out of a word's wrong candidates every text a learner could rightly choose:
one that shares a sense with the right translation, or one with a sense that is a synonym of
one of its senses. The synonyms come from the office suites' Italian thesaurus (Debian's
mythes-it, /usr/share/mythes/th_it_IT_v2.dat) and from tools/vocab/sinonimi.tsv, a short
hand table for what the thesaurus misses. The game never reads the thesaurus: it gets this
table, compiled in.

Which senses: those of assets/vocaboli.txt and assets/vocpers.txt, and the words of the hand
table (common school Italian). Two senses are synonyms when the thesaurus lists either under
the other (both ways, so "timore" under "paura" is enough). A teacher's sense that none of
these lists holds has no synonyms: only a shared sense keeps it off the board.

Output (UTF-8, LF): comment lines start with '#'; then one line per sense that has synonyms,
the sense and its synonyms separated by tabs, sorted. Deterministic.

Usage: sinonimi.py [--check]
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
THESAURUS = os.environ.get('MYTHES_IT', '/usr/share/mythes/th_it_IT_v2.dat')
OUT = os.path.join(ROOT, 'assets', 'sinonimi.txt')


def senses(text):
    """As lex::sensi: parts between commas or semicolons, notes in parentheses left out,
    blanks collapsed, lower case."""
    out, depth, plain = [], 0, []
    for c in text:
        if c == '(':
            depth += 1
        elif c == ')' and depth > 0:
            depth -= 1
        elif depth == 0:
            plain.append(c)
    for part in re.split(r'[,;]', ''.join(plain)):
        s = ' '.join(part.split()).lower()
        if s and s not in out:
            out.append(s)
    return out


def list_senses():
    found = set()
    for name in ('vocaboli.txt', 'vocpers.txt'):
        with open(os.path.join(ROOT, 'assets', name), encoding='cp1252') as f:
            for line in f:
                line = line.rstrip('\r\n')
                if not line or line.startswith('/'):
                    continue
                fields = line.split(';', 3)
                if len(fields) == 4 and fields[1] in ('1', '2', '3', '4'):   # not the title
                    found.update(senses(fields[3]))
    return found


def hand_table():
    """sinonimi.tsv: a group of synonyms a line, tab-separated (the thesaurus misses them)."""
    groups = []
    with open(os.path.join(HERE, 'sinonimi.tsv'), encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if line.strip() and not line.startswith('#'):
                groups.append([' '.join(w.split()).lower() for w in line.split('\t') if w.strip()])
    return groups


def thesaurus():
    """headword -> its synonyms (every meaning's line; notes in parentheses dropped)."""
    syn = {}
    with open(THESAURUS, encoding='utf-8') as f:
        f.readline()                     # the encoding
        head = None
        for line in f:
            line = line.rstrip('\n')
            if not line.startswith('('):
                head = line.split('|')[0].strip().lower()
                continue
            words = [re.sub(r'\(.*?\)', '', w).strip().lower() for w in line.split('|')[1:]]
            syn.setdefault(head, set()).update(w for w in words if w)
    return syn


def build():
    known = list_senses()
    hand = hand_table()
    for g in hand:
        known.update(g)
    th = thesaurus()
    pairs = {s: set() for s in known}
    for head, words in th.items():
        if head not in known:
            continue
        for w in words:
            if w in known and w != head:
                pairs[head].add(w)
                pairs[w].add(head)
    for g in hand:
        for a in g:
            pairs[a].update(b for b in g if b != a)
    lines = ['# Lexorio: sinonimi italiani tra i significati degli elenchi (tools/vocab/sinonimi.py).',
             '# Generated from the Italian thesaurus of mythes-it (LibreOffice/OpenOffice.org Italian',
             '# thesaurus, GNU GPL 3) and tools/vocab/sinonimi.tsv. A line: a sense, then its synonyms,',
             '# tab-separated.']
    for s in sorted(pairs):
        if pairs[s]:
            lines.append('\t'.join([s] + sorted(pairs[s])))
    return '\n'.join(lines) + '\n'


def main(argv):
    text = build()
    if len(argv) > 1 and argv[1] == '--check':
        ok = open(OUT, encoding='utf-8').read() == text
        print('up to date' if ok else 'OUT OF DATE')
        return 0 if ok else 1
    with open(OUT, 'w', encoding='utf-8', newline='\n') as f:
        f.write(text)
    n = sum(1 for line in text.splitlines() if not line.startswith('#'))
    sys.stderr.write('sinonimi: %d senses with synonyms\n' % n)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
