# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOURCE=kanji_descriptions.tsv -DTARGET=kanji_rows.cpp -P KanjiTable.cmake
# The kanji descriptions as a C++ array, in the table's order (by code point).
# The table's own notice (its licence) comes along as a comment.
file(STRINGS "${SOURCE}" lines ENCODING UTF-8)
set(notice "")
set(rows "")
foreach(line IN LISTS lines)
  if(line MATCHES "^#")
    string(APPEND notice "//${line}\n")
  elseif(line MATCHES "^([^\t]+)\t([^\t]+)\t([^\t]*)\t([j12n])\t([cwvr])$")
    string(APPEND rows "    {U'${CMAKE_MATCH_1}', u\"${CMAKE_MATCH_2}\", u\"${CMAKE_MATCH_3}\", '${CMAKE_MATCH_4}', '${CMAKE_MATCH_5}'},\n")
  elseif(NOT line STREQUAL "")
    message(FATAL_ERROR "${SOURCE}: not a row of the table: ${line}")
  endif()
endforeach()
file(WRITE "${TARGET}.tmp" "// Made from ${SOURCE} at build time.\n${notice}
#include \"readings/kanji_rows.h\"

namespace orvo::readings {

const KanjiRow kKanjiRows[] = {
${rows}};
const std::size_t kKanjiRowCount = sizeof(kKanjiRows) / sizeof(kKanjiRows[0]);

}  // namespace orvo::readings
")
file(RENAME "${TARGET}.tmp" "${TARGET}")
