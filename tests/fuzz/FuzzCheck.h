#pragma once
// A property check for the fuzzers: a failed check prints what broke and
// aborts, which libFuzzer reports as a crash and saves the input for.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(cond)                                                              \
  do {                                                                                \
    if (!(cond)) {                                                                    \
      std::fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      std::abort();                                                                   \
    }                                                                                 \
  } while (0)

namespace fuzz {

inline std::string_view AsText(const uint8_t* data, size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// Cuts the input into two texts: the first byte gives the length of the first
// (modulo limit + 1), the rest of the input follows.
inline void TwoTexts(std::string_view input, size_t limit, std::string_view& first, std::string_view& rest) {
  if (input.empty()) {
    first = rest = std::string_view();
    return;
  }
  size_t n = static_cast<unsigned char>(input[0]) % (limit + 1);
  input.remove_prefix(1);
  if (n > input.size()) n = input.size();
  first = input.substr(0, n);
  rest = input.substr(n);
}

}  // namespace fuzz
