# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOURCE=kanji_descriptions.tsv -DTARGET=kanji_rows.cpp -P KanjiTable.cmake
# The kanji descriptions as C++ data, in the table's order (by code point):
# plain arrays of characters, with no pointer among them, so that loading the
# program has nothing to relocate and no page of the table to copy.
# The table's own notice (its licence) comes along as a comment.
file(STRINGS "${SOURCE}" lines ENCODING UTF-8)
set(notice "")
set(texts "")
set(kanji "")
set(sets "")
set(standings "")
foreach(line IN LISTS lines)
  if(line MATCHES "^#")
    string(APPEND notice "//${line}\n")
  elseif(line MATCHES "^([^\t]+)\t([^\t]+)\t([^\t]*)\t([j12n])\t([cwvr])$")
    string(APPEND texts "    u\"${CMAKE_MATCH_2}\\t${CMAKE_MATCH_3}\\n\"\n")
    string(APPEND kanji "    U'${CMAKE_MATCH_1}',\n")
    string(APPEND sets "${CMAKE_MATCH_4}")
    string(APPEND standings "${CMAKE_MATCH_5}")
  elseif(NOT line STREQUAL "")
    message(FATAL_ERROR "${SOURCE}: not a row of the table: ${line}")
  endif()
endforeach()
file(WRITE "${TARGET}.tmp" "// Made from ${SOURCE} at build time.\n${notice}
#include \"readings/kanji_rows.h\"

namespace orvo::readings {

const char32_t kKanjiRowKanji[] = {
${kanji}};
const std::size_t kKanjiRowCount = sizeof(kKanjiRowKanji) / sizeof(kKanjiRowKanji[0]);
const char16_t kKanjiRowTexts[] =
${texts}    ;
const char kKanjiRowSets[] = \"${sets}\";
const char kKanjiRowStandings[] = \"${standings}\";

}  // namespace orvo::readings
")
file(RENAME "${TARGET}.tmp" "${TARGET}")
