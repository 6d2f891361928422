// The cost of the command-line tool's work on the largest study a file may hold: reading the
// file, computing, building the report, and the whole chain; and the validation statistics'
// sequence with their texts.

#include "LargeStudy.h"
#include "RunBenchmarks.h"

#include "core/results/ReportText.h"
#include "core/results/ValidationCommand.h"
#include "core/results/ValidationSections.h"
#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"
#include "core/stats/StudyObservations.h"
#include "core/study/StudyFile.h"
#include "core/study/ValidaEstudio.h"

#include <benchmark/benchmark.h>

#include <sstream>

using namespace linealidad;

namespace {

const bench::TemporaryStudyFile* file = nullptr;

struct Computation {
    ResultadosRegresion R;
    ResultadosAnova A;
    Residuals residuals;
};

Computation compute(const Study& study) {
    Computation c;
    bool zeroSlope = false;
    const Observations data = readObservations(study, '.');
    CalculaRegresion(data, c.R, zeroSlope);
    CalculaAnova(data, c.A, zeroSlope, c.residuals);
    return c;
}

void ReadStudy(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(readStudy(file->path()));
}
BENCHMARK(ReadStudy)->Unit(benchmark::kMicrosecond);

void Compute(benchmark::State& state) {
    const Study study = bench::largeStudy();
    for (auto _ : state)
        benchmark::DoNotOptimize(compute(study));
}
BENCHMARK(Compute)->Unit(benchmark::kMicrosecond);

void ReportLines(benchmark::State& state) {
    const Study study = bench::largeStudy();
    const Computation c = compute(study);
    for (auto _ : state)
        benchmark::DoNotOptimize(report(study, '.', c.R, c.A, c.residuals));
}
BENCHMARK(ReportLines)->Unit(benchmark::kMicrosecond);

// What `linealidad-cli informe` does after start-up: read, validate, compute, write the lines.
void ReadComputeReport(benchmark::State& state) {
    for (auto _ : state) {
        const Study study = readStudy(file->path());
        if (ValidaEstudio(study)) {
            state.SkipWithError("the generated study is not valid");
            break;
        }
        const Computation c = compute(study);
        std::ostringstream output;
        for (const auto& line : report(study, '.', c.R, c.A, c.residuals))
            output << line << '\n';
        benchmark::DoNotOptimize(output.str());
    }
}
BENCHMARK(ReadComputeReport)->Unit(benchmark::kMicrosecond);

// The validation window's sequence without the window: the fit, the variance table and every
// validation statistic, the recovery too, then the texts of its parts.
void ValidationStatisticsAndTexts(benchmark::State& state) {
    const Study study = bench::largeStudy();
    for (auto _ : state) {
        ResultSet results;
        const auto statistics = validationCommand(study, '.', results, true);
        if (!statistics) {
            state.SkipWithError("the generated study has a zero slope");
            break;
        }
        benchmark::DoNotOptimize(validationSections(*statistics, '.'));
    }
}
BENCHMARK(ValidationStatisticsAndTexts)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    const bench::TemporaryStudyFile studyFile;
    file = &studyFile;
    return linealidad::bench::runBenchmarks(argc, argv);
}
