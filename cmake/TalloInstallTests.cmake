# The installed programs as a user gets them (tests/install): an install into a scratch prefix
# that runs the installed tallo-db and the editor's build mode, and the check that the
# completion and the manual pages know every command and word. Without the editor (the sanitize
# preset) only tallo-db is checked.
if(NOT TARGET tallo-db)
  return()
endif()
if(TARGET tallo-editor)
  set(tallo_with_editor 1)
  set(tallo_editor_file "$<TARGET_FILE:tallo-editor>")
else()
  set(tallo_with_editor 0)
  set(tallo_editor_file "")
endif()

add_test(NAME Install.ScratchPrefixRunsSampleBuildAndBuildMode
         COMMAND bash "${CMAKE_SOURCE_DIR}/tests/install/install_test.sh"
                 "${CMAKE_BINARY_DIR}" "${CMAKE_BINARY_DIR}/install-test" "${PROJECT_VERSION}"
                 ${tallo_with_editor})
set_tests_properties(Install.ScratchPrefixRunsSampleBuildAndBuildMode PROPERTIES TIMEOUT 300)

add_test(NAME Install.CompletionAndManualPagesKnowEveryCommand
         COMMAND bash "${CMAKE_SOURCE_DIR}/tests/install/command_list_test.sh"
                 "$<TARGET_FILE:tallo-db>" "${CMAKE_SOURCE_DIR}/packaging/completion/tallo-db"
                 "${TALLO_MAN_DIR}" "${PROJECT_VERSION}"
                 "${CMAKE_SOURCE_DIR}/src/app/build_options.cpp" ${tallo_editor_file})
