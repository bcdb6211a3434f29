# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOURCE=in.txt -DTARGET=out.txt -P TextToCp932.cmake
# A UTF-8 text of the repository as the program reads it: CP932 bytes with
# CR LF line ends. A character CP932 lacks fails the build, naming the file.
file(READ "${SOURCE}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
get_filename_component(name "${TARGET}" NAME)
set(crlf "${TARGET}.utf8")
file(WRITE "${crlf}" "${text}")
execute_process(COMMAND iconv -f UTF-8 -t CP932 "${crlf}"
                OUTPUT_FILE "${TARGET}.tmp" RESULT_VARIABLE failed ERROR_VARIABLE why)
file(REMOVE "${crlf}")
if(failed)
  file(REMOVE "${TARGET}.tmp")
  message(FATAL_ERROR "${SOURCE}: not expressible in CP932: ${why}")
endif()
file(RENAME "${TARGET}.tmp" "${TARGET}")
