// SPDX-License-Identifier: GPL-3.0-or-later
// A program that starts and ends, built twice: with the describer and its
// kanji table linked in (ORVO_PROBE_TABLE) and without them, so that
// describe_bench can time the start-up of each and tell what the table adds.
// Given "describe", the one with the table also says a kanji before it ends,
// as a program does at its first candidate. Both link the same libraries.
#include <cstring>

#include "platform/text.h"
#include "readings/char_kinds.h"

#ifdef ORVO_PROBE_TABLE
#include "readings/describer.h"
#endif

int main(int argc, char** argv) {
  const bool describe = argc > 1 && std::strcmp(argv[1], "describe") == 0;
#ifdef ORVO_PROBE_TABLE
  // Called through a pointer the compiler cannot see through, so that the
  // describer and the table are in the program whether or not it describes.
  orvo::ustring (*volatile describer)(orvo::ustring_view) = orvo::readings::Describe;
  const orvo::ustring said = describe ? describer(u"箸") : orvo::ustring(u"ワリバシノ ハシ");
#else
  const orvo::ustring said = describe ? orvo::ustring() : orvo::ustring(u"ワリバシノ ハシ");
#endif
  const bool kanji = orvo::readings::KindOf(U'箸') == orvo::readings::CharKind::kKanji;
  return kanji && !said.empty() ? 0 : 1;
}
