# libFuzzer targets for the pure rules, with AddressSanitizer and
# UndefinedBehaviorSanitizer. Configure with clang:
#   cmake -S . -B build/fuzz -DQPU_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
#   cmake --build build/fuzz --target fuzzers
# scripts/fuzz.sh does both and runs every fuzzer for a fixed time.

if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "QPU_FUZZ needs clang++ (libFuzzer): -DCMAKE_CXX_COMPILER=clang++")
endif()

set(QPU_FUZZ_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# The rules again, instrumented for coverage so the fuzzer can steer into them.
add_library(qpu_rules_fuzz STATIC ${QPU_RULES_SOURCES} ${QPU_HOST_RULES_SOURCES})
target_include_directories(qpu_rules_fuzz PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(qpu_rules_fuzz PRIVATE -g -O1 -fsanitize=fuzzer-no-link ${QPU_FUZZ_SANITIZE})
set_target_properties(qpu_rules_fuzz PROPERTIES EXCLUDE_FROM_ALL ON)

add_custom_target(fuzzers)

# Each fuzzer is tests/fuzz/fuzz_<name>.cpp; it is built only once the rule
# header it exercises exists, so targets appear as the rules land.
function(qpu_add_fuzzer name header)
  if(NOT EXISTS ${PROJECT_SOURCE_DIR}/${header})
    return()
  endif()
  add_executable(fuzz_${name} ${PROJECT_SOURCE_DIR}/tests/fuzz/fuzz_${name}.cpp)
  target_compile_options(fuzz_${name} PRIVATE -g -O1 -Wall -Wextra -fsanitize=fuzzer ${QPU_FUZZ_SANITIZE})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer ${QPU_FUZZ_SANITIZE})
  target_link_libraries(fuzz_${name} PRIVATE qpu_rules_fuzz)
  set_target_properties(fuzz_${name} PROPERTIES EXCLUDE_FROM_ALL ON RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
  add_dependencies(fuzzers fuzz_${name})
endfunction()

qpu_add_fuzzer(integer core/UTextRules.h)
qpu_add_fuzzer(split core/UTextRules.h)
qpu_add_fuzzer(lines core/UTextRules.h)
qpu_add_fuzzer(blanks core/UTextRules.h)
qpu_add_fuzzer(url actions/text/UStringRules.h)
qpu_add_fuzzer(strings actions/text/UStringRules.h)
qpu_add_fuzzer(setvar actions/publication/USetVarRules.h)
qpu_add_fuzzer(clearvars actions/publication/UClearVariablesRules.h)
qpu_add_fuzzer(script host/UScriptRules.h)
qpu_add_fuzzer(font actions/dialogs/UFontRules.h)
qpu_add_fuzzer(options actions/dialogs/UDialogRules.h)
