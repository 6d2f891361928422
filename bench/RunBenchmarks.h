#pragma once

#include <benchmark/benchmark.h>

namespace linealidad::bench {

// Runs the benchmarks this program registered, taking Google Benchmark's own options from the
// command line; 1 when an option is not one of them.
inline int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace linealidad::bench
