#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the accuracy benchmark's corpus from what this machine has: the
Japanese translation catalogues (/usr/share/locale/ja/LC_MESSAGES/*.mo) and
manual pages (/usr/share/man/ja), cut into sentences of 10-40 characters of
ordinary Japanese, each with its reading by mecab (IPA dictionary) in
hiragana. A fixed seed picks the same sentences from the same files, and
nearly the same from nearly the same files.

usage: make_corpus.py OUT.tsv [COUNT] [SEED]
Each line of OUT.tsv: the sentence, a tab, its reading."""
import glob
import gzip
import hashlib
import re
import subprocess
import sys

MECAB_DICTIONARY = "/var/lib/mecab/dic/ipadic-utf8"
# Kana, kanji and the punctuation the braille input types; nothing else.
ALLOWED = re.compile(r"^[\u3041-\u3096\u30a1-\u30fa\u30fc\u4e00-\u9fff\u3005、。「」・？！]+$")
KANJI = re.compile(r"[\u4e00-\u9fff]")
HIRAGANA = re.compile(r"[\u3041-\u3096]")
READING = re.compile(r"^[\u30a1-\u30fa\u30fc、。「」・？！]+$")
ROFF_ESCAPE = re.compile(r"\\(f\[[^]]*\]|f\(..|f.|\(..|\*\(..|\*.|s[-+]?\d|[-&e|^ 0c])")


def catalogue_texts():
    for path in sorted(glob.glob("/usr/share/locale/ja/LC_MESSAGES/*.mo")):
        po = subprocess.run(["msgunfmt", path], capture_output=True, text=True, errors="replace").stdout
        text, in_msgstr = [], False
        for line in po.splitlines():
            if line.startswith("msgstr"):
                in_msgstr = True
                line = line.split(" ", 1)[1] if " " in line else '""'
            elif line.startswith("msgid") or not line.startswith('"'):
                in_msgstr = False
                if text:
                    yield "".join(text).replace("\\n", "\n")
                    text = []
                continue
            if in_msgstr:
                text.append(line.strip()[1:-1])
        if text:
            yield "".join(text).replace("\\n", "\n")


def manual_texts():
    for path in sorted(glob.glob("/usr/share/man/ja/man*/*")):
        try:
            opener = gzip.open if path.endswith(".gz") else open
            with opener(path, "rt", encoding="utf-8", errors="replace") as page:
                lines = [l for l in page.read().splitlines() if not l.startswith((".", "'"))]
        except OSError:
            continue
        yield ROFF_ESCAPE.sub("", "\n".join(lines))


def sentences(texts):
    for text in texts:
        for piece in re.split(r"(?<=[。！？])|\n", text):
            piece = piece.strip()
            if 10 <= len(piece) <= 40 and ALLOWED.match(piece) and KANJI.search(piece) \
                    and HIRAGANA.search(piece):
                yield piece


def to_hiragana(katakana):
    return "".join(chr(ord(c) - 0x60) if "\u30a1" <= c <= "\u30f6" else c for c in katakana)


def readings(chosen):
    """The reading of each sentence by mecab; None where a word has none."""
    out = subprocess.run(["mecab", "-d", MECAB_DICTIONARY], input="\n".join(chosen) + "\n",
                         capture_output=True, text=True).stdout
    result, current = [], []
    for line in out.splitlines():
        if line == "EOS":
            result.append(current)
            current = []
            continue
        surface, _, features = line.partition("\t")
        fields = features.split(",")
        reading = fields[7] if len(fields) > 7 and fields[7] != "*" else None
        if reading is None and re.fullmatch(r"[\u3041-\u3096ー、。「」・？！]+", surface):
            reading = surface
        current.append(reading)
    return [None if any(r is None or not READING.match(to_hiragana(r).translate(KATA)) for r in words)
            else to_hiragana("".join(words)) for words in result]


# Hiragana pass the reading check as katakana would.
KATA = {c: c + 0x60 for c in range(0x3041, 0x3097)}


def main():
    out_path = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 31
    # Ordered by a hash of the seed and the sentence: a file more or less on the
    # machine changes the choice by the sentences it holds, not all of it.
    pool = sorted(set(sentences(catalogue_texts())) | set(sentences(manual_texts())),
                  key=lambda text: hashlib.sha256(f"{seed}:{text}".encode()).digest())
    chosen = []
    for start in range(0, len(pool), 200):
        batch = pool[start:start + 200]
        for sentence, reading in zip(batch, readings(batch)):
            if reading:
                chosen.append((sentence, reading))
        if len(chosen) >= count:
            break
    chosen = chosen[:count]
    with open(out_path, "w", encoding="utf-8") as out:
        for sentence, reading in chosen:
            out.write(f"{sentence}\t{reading}\n")
    print(f"corpus: {len(chosen)} sentences of {len(pool)} found, seed {seed}", file=sys.stderr)


if __name__ == "__main__":
    main()
