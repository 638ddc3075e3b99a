# The suites without a window: engine, play, options and the plain C++ the
# front ends share, with the invariants the soak and the fuzzer check after
# every event. The desktop build and the Windows cross-build both include
# this, so the Windows ABI runs the very same test files.
set(zorbel_tests_dir ${CMAKE_CURRENT_LIST_DIR})

add_library(zorbel_invariants STATIC ${zorbel_tests_dir}/support/Invariants.cpp)
target_include_directories(zorbel_invariants PUBLIC ${zorbel_tests_dir})
target_link_libraries(zorbel_invariants PUBLIC zorbel_core)

file(GLOB zorbel_core_test_sources CONFIGURE_DEPENDS
  ${zorbel_tests_dir}/common/*.cpp
  ${zorbel_tests_dir}/engine/*.cpp
  ${zorbel_tests_dir}/play/*.cpp
  ${zorbel_tests_dir}/options/*.cpp)
add_executable(zorbel_core_tests ${zorbel_core_test_sources})
target_include_directories(zorbel_core_tests PRIVATE ${zorbel_tests_dir})
target_link_libraries(zorbel_core_tests PRIVATE zorbel_invariants GTest::gtest_main)
