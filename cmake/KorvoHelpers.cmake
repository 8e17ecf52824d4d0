# korvo_library(name SOURCES ... LIBS ... [BASE dir]): one static library per layer.
#
# Headers are included by their path from BASE (the project root unless given), e.g.
# "formats/PrlReader.h". Each library gets an include root of its own in the build tree
# that holds links to its own headers only, so a file can include a header only when its
# library links the library that owns it: a wrong include across the layers fails to
# compile instead of creeping in.
function(korvo_library name)
  cmake_parse_arguments(ARG "" "BASE" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_BASE)
    set(ARG_BASE ${PROJECT_SOURCE_DIR})
  endif()
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  foreach(src ${ARG_SOURCES})
    if(src MATCHES "\\.h$")
      get_filename_component(abs ${src} ABSOLUTE)
      file(RELATIVE_PATH rel ${ARG_BASE} ${abs})
      get_filename_component(dir ${root}/${rel} DIRECTORY)
      file(MAKE_DIRECTORY ${dir})
      file(CREATE_LINK ${abs} ${root}/${rel} SYMBOLIC)
    endif()
  endforeach()

  # With Ninja the moc step reruns only when a header it parsed before changes, so a header
  # added to the library later would never be moc'ed in an existing build folder (the link
  # then fails on its staticMetaObject): when the list of sources changes, the step's
  # stamp goes and it runs again.
  string(SHA1 signature "${ARG_SOURCES}")
  set(signatureFile ${CMAKE_CURRENT_BINARY_DIR}/${name}.sources)
  if(EXISTS ${signatureFile})
    file(READ ${signatureFile} previous)
    if(NOT previous STREQUAL signature)
      file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/timestamp)
    endif()
  endif()
  file(WRITE ${signatureFile} ${signature})

  set(cpp ${ARG_SOURCES})
  list(FILTER cpp INCLUDE REGEX "\\.(cpp|qrc)$")
  if(cpp)
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${root})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  else()
    # Headers only.
    add_library(${name} INTERFACE ${ARG_SOURCES})
    target_include_directories(${name} INTERFACE ${root})
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
  endif()
endfunction()

# korvo_sources(var dir [dir...]): the .cpp and .h files directly in each folder.
function(korvo_sources var)
  set(out)
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
    list(APPEND out ${found})
  endforeach()
  set(${var} ${out} PARENT_SCOPE)
endfunction()

# korvo_test(name SOURCES ... LIBS ... [CORE]): one GoogleTest executable per test file
# group. A CORE test runs under a QCoreApplication and must not need Gui or Widgets; the
# others get a QApplication on the offscreen platform, so no display is needed.
function(korvo_test name)
  cmake_parse_arguments(ARG "CORE;GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(ARG_CORE)
    set(main korvo_testmain_core)
  else()
    set(main korvo_testmain_gui)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${main} GTest::gtest GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
  set(env "KORVO_AUDIO=null;QT_QPA_PLATFORM=offscreen;KORVO_FIXTURES=${PROJECT_SOURCE_DIR}/tests/fixtures")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()
