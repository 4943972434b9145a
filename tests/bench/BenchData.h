#pragma once
// Deterministic inputs for the benchmarks: a short unit repeated and cut to
// the wanted size. scripts/bench-compare.py builds exactly the same texts
// from the same units, so the two sets of figures are comparable.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace bench {

// 64 bytes, one of them (the space) outside the URL-safe set.
inline constexpr std::string_view kSafeUnit = "Lorem-ipsum_dolor.sit-amet_consectetur.adipiscing-elit_0123456 ";
// Text of every sort: about half the bytes need an escape, high bytes too.
inline constexpr std::string_view kMixedUnit = "name=J\xe9r\xf4me & Zo\xeb; path=/a b/c?d#e+f (100%) ";
// Comma-separated values of about 16 bytes.
inline constexpr std::string_view kListUnit = "item-00000042ab,";
// Lines of about 40 bytes ending in CR LF.
inline constexpr std::string_view kLinesUnit = "SetVar \"Score\" \"100\" \"Global\" \"\"\r\n";

inline std::string Repeat(std::string_view unit, size_t size) {
  std::string out;
  out.reserve(size);
  while (out.size() + unit.size() <= size) out.append(unit);
  out.append(unit.substr(0, size - out.size()));
  return out;
}

// One cached text per (unit, size): the 64 MiB inputs are built once.
inline const std::string& Text(std::string_view unit, size_t size) {
  static std::map<std::pair<std::string, size_t>, std::string> cache;
  auto key = std::make_pair(std::string(unit), size);
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, Repeat(unit, size)).first;
  return it->second;
}

// 1 KiB, 1 MiB and 64 MiB.
inline void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(int64_t{1} << 10)->Arg(int64_t{1} << 20)->Arg(int64_t{64} << 20)->Unit(benchmark::kMicrosecond);
}

// Runs work once untimed (so the heap already holds room for its result, as
// it would in a long-running host), then times it; reports bytes per second
// of bytesPerRun input bytes.
template <typename Work>
void Measure(benchmark::State& state, size_t bytesPerRun, Work work) {
  benchmark::DoNotOptimize(work());
  for (auto _ : state) benchmark::DoNotOptimize(work());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytesPerRun));
}

}  // namespace bench
