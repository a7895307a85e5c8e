# GoogleTest: the installed package natively; built from Debian's sources
# (/usr/src/googletest) when cross-compiling, where no prebuilt library fits.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest QUIET)
endif()
if(NOT GTest_FOUND)
  set(MARVANE_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
  if(NOT EXISTS "${MARVANE_GTEST_SOURCE}/CMakeLists.txt")
    message(FATAL_ERROR "GoogleTest not found: install libgtest-dev or googletest, or set MARVANE_GTEST_SOURCE")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  # Warnings in a third-party tree are not ours to fix.
  add_subdirectory("${MARVANE_GTEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
  if(NOT TARGET GTest::gtest)  # newer GoogleTest trees define these themselves
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
endif()
include(GoogleTest)

# marvane_add_test(name SOURCES a.cpp b.cpp LIBRARIES lib1 lib2)
# One test program per component. Natively each case becomes its own CTest
# test; a cross build runs the whole program once under the emulator (Wine),
# which is much faster than asking Wine to list the cases first.
function(marvane_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
