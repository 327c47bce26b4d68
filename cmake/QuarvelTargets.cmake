# Small helpers that keep the per-folder CMake files declarative.

find_program(QUARVEL_CCACHE ccache)
if(QUARVEL_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${QUARVEL_CCACHE})
endif()

if(QUARVEL_FUZZ)
  # Coverage for libFuzzer in every library the fuzzers link.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
if(QUARVEL_SANITIZE OR QUARVEL_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

function(quarvel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(QUARVEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# quarvel_library(name SOURCES files... [DEPS targets...])
# One library per subsystem folder. Sources include each other from the
# project root ("engine/board.h"), so the layer a header belongs to is visible.
function(quarvel_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  quarvel_warnings(${name})
endfunction()

# quarvel_test(name SOURCES files... [LIBS targets...] [GUI] [LABELS labels...])
# GUI tests get a main that makes a QApplication on the offscreen platform
# when there is no display; the others use GoogleTest's own main.
# GUI tests that match the GoogleTest patterns in QUARVEL_DISPLAY_TESTS need a
# real X server: they run on the xcb platform under the label "display", and
# there a skip counts as a failure, so a missing display cannot pass unseen.
function(quarvel_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS;LABELS" ${ARGN})
  if(ARG_GUI AND QUARVEL_CORE_ONLY)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} quarvel_gui_test_main)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  quarvel_warnings(${name})
  set(offscreen_filter "")
  if(ARG_GUI AND QUARVEL_DISPLAY_TESTS)
    list(JOIN QUARVEL_DISPLAY_TESTS ":" display_filter)
    set(offscreen_filter "-${display_filter}")
    gtest_discover_tests(${name}
      WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/tests
      TEST_FILTER "${display_filter}"
      TEST_LIST ${name}_display_tests
      DISCOVERY_TIMEOUT 60)
    # Properties that are lists cannot pass through the discovery, so CTest
    # sets them from a file of its own once the tests are known.
    set(display_settings [=[
if(@name@_display_tests)
  set_tests_properties(${@name@_display_tests} PROPERTIES
    LABELS "@ARG_LABELS@;display" ENVIRONMENT "QT_QPA_PLATFORM=xcb;QUARVEL_DISPLAY_REQUIRED=1")
endif()
]=])
    string(CONFIGURE "${display_settings}" display_settings @ONLY)
    set(display_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_display.cmake)
    file(WRITE ${display_file} "${display_settings}")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${display_file})
  endif()
  # An empty value would vanish from the list and shift the properties, so
  # the label goes in only when there is one.
  set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(ARG_LABELS)
    list(APPEND properties LABELS "${ARG_LABELS}")
  endif()
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/tests
    TEST_FILTER "${offscreen_filter}"
    PROPERTIES ${properties}
    DISCOVERY_TIMEOUT 60)
endfunction()

# quarvel_fuzzer(name SOURCES files... LIBS targets...)
# libFuzzer targets exist only in clang builds made with QUARVEL_FUZZ.
function(quarvel_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT QUARVEL_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/fuzz)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  # test.sh builds just the fuzzers and the libraries they read with.
  if(NOT TARGET fuzzers)
    add_custom_target(fuzzers)
  endif()
  add_dependencies(fuzzers ${name})
endfunction()
