# korvo_library(name SOURCES ... LIBS ...): one static library per subsystem folder.
function(korvo_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  set(cpp ${ARG_SOURCES})
  list(FILTER cpp INCLUDE REGEX "\\.(cpp|qrc)$")
  if(cpp)
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  else()
    # Headers only so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
  endif()
endfunction()

# korvo_test(name SOURCES ... LIBS ... [GUI]): one GoogleTest executable per test file
# group. GUI tests run on the offscreen platform so no display is needed.
function(korvo_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} korvo_testsupport GTest::gtest GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
  set(env "KORVO_AUDIO=null;QT_QPA_PLATFORM=offscreen;KORVO_FIXTURES=${PROJECT_SOURCE_DIR}/tests/fixtures")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()
