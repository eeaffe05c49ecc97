# One interface target carries the compiler settings of every target of the project.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

# A compiler cache makes the repeated builds of CI and of a developer's checkouts cheap; the
# build works the same without one.
find_program(MORVELAN_CCACHE ccache)
if(MORVELAN_CCACHE)
  # Paths relative to the checkout, so that a fresh clone elsewhere hits the same entries.
  set(MORVELAN_CCACHE_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR}
      CCACHE_NOHASHDIR=1 ${MORVELAN_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${MORVELAN_CCACHE_LAUNCHER})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${MORVELAN_CCACHE_LAUNCHER})
endif()

add_library(morvelan_settings INTERFACE)
target_compile_features(morvelan_settings INTERFACE cxx_std_20)
# Every header of the core and the windows is included by its path from the top of the checkout
# ("core/engine/Engine.h"), so an include names the folder its file lives in.
target_include_directories(morvelan_settings INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(morvelan_settings INTERFACE -Wall -Wextra -Wpedantic)
# QT_NO_KEYWORDS: the program connects by member pointers and never needs Qt's keyword macros,
# which would otherwise clash with ordinary names such as `slots` in the core's records.
target_compile_definitions(morvelan_settings INTERFACE
  QT_NO_KEYWORDS
  QT_NO_CAST_FROM_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

# GCC leaves float-cast-overflow out of "undefined"; a number too large for its field, read
# from a file, is exactly that kind of fault.
if(MORVELAN_SANITIZE)
  target_compile_options(morvelan_settings INTERFACE
    -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  target_link_options(morvelan_settings INTERFACE -fsanitize=address,undefined,float-cast-overflow)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/Hardening.cmake)

# morvelan_add_test(NAME SOURCES... LIBS...): one GoogleTest program registered with CTest.
function(morvelan_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE morvelan_settings GTest::gtest GTest::gtest_main ${ARG_LIBS})
  # Test doubles every layer's tests share (the recording prompts).
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS "${ARG_LABELS}"
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
