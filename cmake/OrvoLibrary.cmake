# SPDX-License-Identifier: GPL-3.0-or-later
# The files matching `pattern` directly in the FLAT folders and below the
# RECURSE folders, in `out`.
function(orvo_glob out pattern)
  cmake_parse_arguments(ARG "" "" "FLAT;RECURSE" ${ARGN})
  set(found_all "")
  foreach(dir IN LISTS ARG_FLAT)
    file(GLOB found CONFIGURE_DEPENDS "${dir}/${pattern}")
    list(APPEND found_all ${found})
  endforeach()
  foreach(dir IN LISTS ARG_RECURSE)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${dir}/${pattern}")
    list(APPEND found_all ${found})
  endforeach()
  set(${out} ${found_all} PARENT_SCOPE)
endfunction()

# A library made of every .cpp directly in the given folders, or, for folders
# given as RECURSE, every .cpp below them. Programs (*_main.cpp) are left out,
# and so are the files of the other system: *_posix.cpp are built everywhere
# but on Windows, *_win32.cpp only there.
function(orvo_library name)
  cmake_parse_arguments(ARG "" "" "FLAT;RECURSE" ${ARGN})
  orvo_glob(sources "*.cpp" FLAT ${ARG_FLAT} RECURSE ${ARG_RECURSE})
  list(FILTER sources EXCLUDE REGEX "_main\\.cpp$")
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  add_library(${name} STATIC ${sources} ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

# One test program, registered with CTest, of the *_test.cpp files directly in
# the FLAT folders and below the RECURSE folders; LIBS are what it links.
# Tests of one system's behaviour are named for it: *_posix_test.cpp,
# *_win32_test.cpp.
function(orvo_test_suite name)
  cmake_parse_arguments(ARG "" "" "FLAT;RECURSE;LIBS" ${ARGN})
  orvo_glob(sources "*_test.cpp" FLAT ${ARG_FLAT} RECURSE ${ARG_RECURSE})
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix_test\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win32_test\\.cpp$")
  endif()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "ORVO_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
