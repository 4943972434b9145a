# Native build of the pure rules with AddressSanitizer and
# UndefinedBehaviorSanitizer, and their unit tests.

set(QPU_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

add_library(qpu_rules STATIC ${QPU_RULES_SOURCES} ${QPU_HOST_RULES_SOURCES})
target_include_directories(qpu_rules PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(qpu_rules PRIVATE -Wall -Wextra ${QPU_SANITIZE})
target_link_options(qpu_rules PUBLIC ${QPU_SANITIZE})

add_subdirectory(${GTEST_ROOT_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB QPU_NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/native/*.cpp)
add_executable(rules_tests ${QPU_NATIVE_TEST_SOURCES})
target_compile_options(rules_tests PRIVATE -Wall -Wextra ${QPU_SANITIZE})
target_link_libraries(rules_tests PRIVATE qpu_rules gtest gtest_main)
add_test(NAME rules_tests COMMAND rules_tests --gtest_color=no)

# Fuzzers (clang only): -DQPU_FUZZ=ON, see cmake/fuzz.cmake.
option(QPU_FUZZ "Build the libFuzzer targets (needs clang++)" OFF)
if(QPU_FUZZ)
  include(${PROJECT_SOURCE_DIR}/cmake/fuzz.cmake)
endif()

# Benchmarks of the pure rules (Google Benchmark), optimised and without the
# sanitizers: qpu_bench. Figures: scripts/bench-compare.py.
find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_library(qpu_rules_bench STATIC ${QPU_RULES_SOURCES} ${QPU_HOST_RULES_SOURCES})
  target_include_directories(qpu_rules_bench PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(qpu_rules_bench PRIVATE -O2 -DNDEBUG)
  file(GLOB QPU_BENCH_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/bench/*.cpp)
  add_executable(qpu_bench ${QPU_BENCH_SOURCES})
  target_compile_options(qpu_bench PRIVATE -O2 -DNDEBUG -Wall -Wextra)
  target_link_libraries(qpu_bench PRIVATE qpu_rules_bench benchmark::benchmark)
endif()
