# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOURCE=kanji_descriptions.tsv -DTARGET=kanji_rows.cpp -P KanjiTable.cmake
# The kanji descriptions as C++ data, in the table's order (by code point):
# plain arrays of characters, so that loading the program has next to nothing
# to relocate (a pointer to each piece of the texts) and no page of the table
# to copy.
# The texts are cut into pieces of 1000 rows, each one string literal short of
# the 65,536 characters every compiler must take in one.
# The table's own notice (its licence) comes along as a comment.
file(STRINGS "${SOURCE}" lines ENCODING UTF-8)
set(notice "")
set(texts "")
set(pieces "")
set(in_piece 0)
set(kanji "")
set(sets "")
set(standings "")
foreach(line IN LISTS lines)
  if(line MATCHES "^#")
    string(APPEND notice "//${line}\n")
  elseif(line MATCHES "^([^\t]+)\t([^\t]+)\t([^\t]*)\t([j12n])\t([cwvr])$")
    if(in_piece EQUAL 0)
      list(LENGTH pieces piece)
      string(APPEND texts "const char16_t kKanjiRowTexts${piece}[] =\n")
      list(APPEND pieces "kKanjiRowTexts${piece}")
    endif()
    string(APPEND texts "    u\"${CMAKE_MATCH_2}\\t${CMAKE_MATCH_3}\\n\"\n")
    math(EXPR in_piece "(${in_piece} + 1) % 1000")
    if(in_piece EQUAL 0)
      string(APPEND texts "    ;\n")
    endif()
    string(APPEND kanji "    U'${CMAKE_MATCH_1}',\n")
    string(APPEND sets "${CMAKE_MATCH_4}")
    string(APPEND standings "${CMAKE_MATCH_5}")
  elseif(NOT line STREQUAL "")
    message(FATAL_ERROR "${SOURCE}: not a row of the table: ${line}")
  endif()
endforeach()
if(NOT in_piece EQUAL 0)
  string(APPEND texts "    ;\n")
endif()
list(JOIN pieces ", " pieces)
file(WRITE "${TARGET}.tmp" "// Made from ${SOURCE} at build time.\n${notice}
#include \"readings/kanji_rows.h\"

namespace orvo::readings {

const char32_t kKanjiRowKanji[] = {
${kanji}};
const std::size_t kKanjiRowCount = sizeof(kKanjiRowKanji) / sizeof(kKanjiRowKanji[0]);
namespace {
${texts}}  // namespace
const char16_t* const kKanjiRowTexts[] = {${pieces}, nullptr};
const char kKanjiRowSets[] = \"${sets}\";
const char kKanjiRowStandings[] = \"${standings}\";

}  // namespace orvo::readings
")
file(RENAME "${TARGET}.tmp" "${TARGET}")
