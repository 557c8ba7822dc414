# What `cmake --install` puts where (relative to the prefix, /usr/local by default):
#   bin/                                   tallo-editor, tallo-db
#   lib/tallo/                             libtallo-renderer.so, the renderer plug-in
#   share/applications/                    tallo-editor.desktop
#   share/icons/hicolor/<size>/apps/       tallo-editor.png (16 to 256), tallo-editor.svg
#   share/man/man1/                        tallo-editor.1, tallo-db.1
#   share/bash-completion/completions/     tallo-db
#   share/doc/tallo/                       README.md (and a licence file, once there is one)
# Only what was built is installed: a build without the editor installs tallo-db alone.
include(GNUInstallDirs)

set(TALLO_PACKAGING_DIR "${CMAKE_SOURCE_DIR}/packaging")
set(TALLO_ICON_SIZES 16 24 32 48 64 128 256)
# The manual pages carry the project's version.
set(TALLO_MAN_DIR "${CMAKE_BINARY_DIR}/man")
foreach(page tallo-db tallo-editor)
  configure_file("${TALLO_PACKAGING_DIR}/man/${page}.1.in" "${TALLO_MAN_DIR}/${page}.1" @ONLY)
endforeach()

if(TARGET tallo-db)
  install(TARGETS tallo-db RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  install(FILES "${TALLO_MAN_DIR}/tallo-db.1"
          DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  install(FILES "${TALLO_PACKAGING_DIR}/completion/tallo-db"
          DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions")
endif()

if(TARGET tallo-editor)
  install(TARGETS tallo-editor RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  install(FILES "${TALLO_MAN_DIR}/tallo-editor.1"
          DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  install(FILES "${TALLO_PACKAGING_DIR}/tallo-editor.desktop"
          DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/applications")
  foreach(size IN LISTS TALLO_ICON_SIZES)
    install(FILES "${TALLO_PACKAGING_DIR}/icons/tallo-editor-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps"
            RENAME tallo-editor.png)
  endforeach()
  install(FILES "${TALLO_PACKAGING_DIR}/icons/tallo-editor.svg"
          DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps")
endif()

if(TARGET tallo-renderer)
  # Loaded with dlopen by its full path: no version in the name, no link name.
  install(TARGETS tallo-renderer LIBRARY DESTINATION "${TALLO_PLUGIN_INSTALL_DIR}" NAMELINK_SKIP)
endif()

file(GLOB TALLO_LICENCE_FILES "${CMAKE_SOURCE_DIR}/LICENSE*" "${CMAKE_SOURCE_DIR}/LICENCE*"
     "${CMAKE_SOURCE_DIR}/COPYING*")
install(FILES "${CMAKE_SOURCE_DIR}/README.md" ${TALLO_LICENCE_FILES}
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/tallo")
