# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build (cmake/toolchains/mingw-*.cmake): what it takes that the
# Linux build finds on the system.

# GoogleTest from the source Debian installs (package googletest): there is no
# MinGW build of it. Built before the project's warning flags apply.
if(ORVO_BUILD_TESTS)
  set(ORVO_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source tree")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ORVO_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# ctest runs the 64-bit programs under Wine (tools/wine-run); the 32-bit ones
# are only built here.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/wine-run)
endif()

# nlohmann-json is headers only: Debian's copy (nlohmann-json3-dev), reached
# through a folder of its own so that no other Linux header is in sight.
set(ORVO_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(COPY /usr/include/nlohmann DESTINATION ${ORVO_HOST_HEADERS})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${ORVO_HOST_HEADERS})
