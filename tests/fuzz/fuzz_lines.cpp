// Line splitting: no line holds CR, LF or a zero byte; the lines together hold
// every other byte before the first zero, in order; the line count follows
// from the breaks (CR LF, lone CR, lone LF); and lines written back one per LF
// or CR LF line split into the same lines.
#include <algorithm>
#include <cstring>
#include <vector>

#include "core/UTextRules.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view content = fuzz::AsText(data, size);
  const std::vector<std::string> lines = qp::SplitLines(content);

  const std::string_view text = content.substr(0, std::min(content.find('\0'), content.size()));
  std::string kept;
  size_t breaks = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n' || (c == '\r' && !(i + 1 < text.size() && text[i + 1] == '\n'))) ++breaks;
    if (c != '\r' && c != '\n') kept.push_back(c);
  }
  const bool openLast = !text.empty() && text.back() != '\r' && text.back() != '\n';
  FUZZ_CHECK(lines.size() == breaks + (openLast ? 1 : 0));

  std::string joined, lf, crlf;
  for (const std::string& line : lines) {
    FUZZ_CHECK(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
    joined += line;
    lf += line + "\n";
    crlf += line + "\r\n";
  }
  FUZZ_CHECK(joined == kept);
  FUZZ_CHECK(qp::SplitLines(lf) == lines);
  FUZZ_CHECK(qp::SplitLines(crlf) == lines);
  // What follows the first zero byte never matters.
  FUZZ_CHECK(qp::SplitLines(std::string(text) + std::string("\0\r\nx", 4)) == lines);
  return 0;
}
