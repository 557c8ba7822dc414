# Each folder of src/ is one static library made of every source file in it and in its
# subfolders (the editor's areas). New files are picked up on the next build without touching
# the lists.
function(tallo_library name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       "${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp"
       "${CMAKE_SOURCE_DIR}/src/${folder}/*.h")
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    # A folder with headers only (or none yet).
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${CMAKE_SOURCE_DIR}/src")
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# One test executable per folder of tests/ (with its subfolders), linked against what it tests.
function(tallo_test_folder name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE "${CMAKE_SOURCE_DIR}/tests")
  # main() comes from tallo_test_support (tests/support/test_main.cpp), not from gtest_main.
  target_link_libraries(${name} PRIVATE tallo_test_support ${ARGN})
  # Most test files include only gtest and the standard library before our headers.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <map> <memory> <string> <vector>)
  # Each test runs in a process of its own; the Qt tests pick the offscreen platform themselves.
  # With the shared sample (tests/CMakeLists.txt) every test reads the one written before them.
  if(TALLO_TEST_SAMPLE_DIR)
    gtest_discover_tests(${name}
      WORKING_DIRECTORY "${CMAKE_BINARY_DIR}"
      PROPERTIES ENVIRONMENT "TALLO_TEST_SAMPLE=${TALLO_TEST_SAMPLE_DIR}"
                 FIXTURES_REQUIRED test_sample
      DISCOVERY_TIMEOUT 60)
  else()
    gtest_discover_tests(${name}
      WORKING_DIRECTORY "${CMAKE_BINARY_DIR}"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
