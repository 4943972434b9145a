// The benchmark program's entry point. The allocator is told to keep freed
// memory instead of handing it back to the system after every run: the host
// process that calls the plug-in has a warm heap too, and on a virtual machine
// the page faults of fresh memory would otherwise swamp what the rules cost.
// QPU_BENCH_COLD_HEAP=1 leaves the allocator at its defaults.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>

int main(int argc, char** argv) {
  const char* cold = std::getenv("QPU_BENCH_COLD_HEAP");
  if (!cold || *cold == '0') {
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
