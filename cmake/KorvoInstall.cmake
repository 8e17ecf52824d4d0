# Help pages, icons, desktop entries and the install.
#
# Installed layout (under the prefix):
#   lib/korvoxa/                 the programs and libTuneSweep.so, side by side
#   bin/                         links to the programs in lib/korvoxa
#   share/korvoxa/OnLineHelp/    the help pages a station folder gets a copy of
#   share/applications/          the desktop entries
#   share/icons/hicolor/         the icons, SVG and PNG sizes
#   share/systemd/user/          korvoxa.service
# The programs find their siblings and the scanner library in their own folder (the real
# path of the running executable), exactly as in the build's out/ folder; so the install
# keeps that folder whole and bin/ only points into it. No RPATH is needed: the project's
# own libraries are static, and libTuneSweep.so is loaded by path, not linked.

set(KORVO_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
set(KORVO_PROGRAMS korvoxa KorvoPrl KorvoLogos KorvoMd)
set(KORVO_ICON_SIZES 16 32 48 64 128 256)

# The help pages beside the programs in out/ and beside the test programs, where the main
# window looks for the pages to copy into a station folder that has none.
file(GLOB KORVO_HELP_FILES CONFIGURE_DEPENDS ${KORVO_RESOURCES}/OnLineHelp/*)
set(help_stamp ${CMAKE_BINARY_DIR}/OnLineHelp.stamp)
add_custom_command(OUTPUT ${help_stamp}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${KORVO_RESOURCES}/OnLineHelp ${KORVO_OUTPUT_DIR}/OnLineHelp
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${KORVO_RESOURCES}/OnLineHelp ${CMAKE_BINARY_DIR}/tests/OnLineHelp
  COMMAND ${CMAKE_COMMAND} -E touch ${help_stamp}
  DEPENDS ${KORVO_HELP_FILES}
  COMMENT "Copying the help pages")
add_custom_target(korvo_help ALL DEPENDS ${help_stamp})
add_dependencies(korvoxa korvo_help)
if(TARGET test_app_shell)
  add_dependencies(test_app_shell korvo_help)
endif()

# Window icons come from a Qt resource compiled into each program.
foreach(program ${KORVO_PROGRAMS})
  target_sources(${program} PRIVATE ${KORVO_RESOURCES}/icons/icons.qrc)
endforeach()

set(KORVO_INSTALL_PROGRAMDIR lib/korvoxa)
install(TARGETS ${KORVO_PROGRAMS} remotesim RUNTIME DESTINATION ${KORVO_INSTALL_PROGRAMDIR})
install(TARGETS TuneSweep LIBRARY DESTINATION ${KORVO_INSTALL_PROGRAMDIR})
install(DIRECTORY ${KORVO_RESOURCES}/OnLineHelp DESTINATION share/korvoxa)
foreach(program ${KORVO_PROGRAMS})
  install(FILES ${KORVO_RESOURCES}/icons/${program}.svg DESTINATION share/icons/hicolor/scalable/apps)
  foreach(size ${KORVO_ICON_SIZES})
    install(FILES ${KORVO_RESOURCES}/icons/${size}/${program}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps)
  endforeach()
endforeach()

# The links in bin/, and the entries and the unit with the program paths of this prefix:
# written at install time, so `cmake --install --prefix P` gets P's paths.
install(CODE "
  set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  set(KORVO_BINDIR \"\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${root}/bin\")
  foreach(program ${KORVO_PROGRAMS} remotesim)
    file(REMOVE \"\${root}/bin/\${program}\")
    file(CREATE_LINK \"../${KORVO_INSTALL_PROGRAMDIR}/\${program}\" \"\${root}/bin/\${program}\" SYMBOLIC)
    message(STATUS \"Installing: \${root}/bin/\${program}\")
  endforeach()
  foreach(program ${KORVO_PROGRAMS})
    configure_file(\"${PROJECT_SOURCE_DIR}/packaging/\${program}.desktop.in\"
                   \"\${root}/share/applications/\${program}.desktop\" @ONLY)
    message(STATUS \"Installing: \${root}/share/applications/\${program}.desktop\")
  endforeach()
  configure_file(\"${PROJECT_SOURCE_DIR}/packaging/korvoxa.service.in\"
                 \"\${root}/share/systemd/user/korvoxa.service\" @ONLY)
  message(STATUS \"Installing: \${root}/share/systemd/user/korvoxa.service\")
")

if(KORVO_BUILD_TESTS)
  add_subdirectory(tests/install)
endif()
