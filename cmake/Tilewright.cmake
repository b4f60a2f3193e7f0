# Shared helpers: every library and test of ours is declared through these,
# so warnings, include paths and the test environment stay the same everywhere.

set(TILEWRIGHT_WARNINGS -Wall -Wextra -Wpedantic -Werror)

# tw_add_library(NAME SOURCES ... LIBS ...)
function(tw_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${TILEWRIGHT_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# tw_add_test(NAME SOURCES ... LIBS ...): one GoogleTest executable, its cases
# registered with ctest. Tests find the shared test data through TW_SOURCE_DIR.
function(tw_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${TILEWRIGHT_WARNINGS})
  target_compile_definitions(${name} PRIVATE TW_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} tw_test_main GTest::gtest Qt6::Test)
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()

# tw_module_libraries(VAR): every module library defined so far, for the
# benchmarks, which may use any layer. Fuzz targets name their own libraries.
function(tw_module_libraries var)
  set(libs)
  foreach(module IN LISTS TILEWRIGHT_MODULES)
    if(TARGET tw_${module})
      list(APPEND libs tw_${module})
    endif()
  endforeach()
  set(${var} ${libs} PARENT_SCOPE)
endfunction()
