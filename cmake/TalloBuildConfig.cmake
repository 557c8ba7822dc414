# The project's version and the installed layout, in one generated header
# (<build>/generated/tallo_build_config.h) that every library may include.
include(GNUInstallDirs)

# The renderer plug-in is private to the editor: it goes into a library folder of our own,
# which the editor finds from its own folder.
set(TALLO_PLUGIN_INSTALL_DIR "lib/tallo")
file(RELATIVE_PATH TALLO_PLUGIN_FOLDER_FROM_PROGRAMS
     "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${TALLO_PLUGIN_INSTALL_DIR}")

configure_file("${CMAKE_CURRENT_LIST_DIR}/tallo_build_config.h.in"
               "${CMAKE_BINARY_DIR}/generated/tallo_build_config.h" @ONLY)
add_library(tallo_build_config INTERFACE)
target_include_directories(tallo_build_config INTERFACE "${CMAKE_BINARY_DIR}/generated")

# Linked privately once the targets exist, so that only the files that use it see it (and a
# new version rebuilds only them).
function(tallo_link_build_config)
  foreach(target tallo_platform tallo-db tallo-editor)
    if(TARGET ${target})
      get_target_property(kind ${target} TYPE)
      if(NOT kind STREQUAL "INTERFACE_LIBRARY")
        target_link_libraries(${target} PRIVATE tallo_build_config)
      endif()
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL tallo_link_build_config)
