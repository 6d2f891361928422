// The cost of the command-line tool's work on the largest study a file may hold: reading the
// file, computing, building the report, and the whole chain.

#include "EstudioGrande.h"

#include "results/Informe.h"
#include "stats/CalculaAnova.h"
#include "stats/CalculaRegresion.h"
#include "study/StudyFile.h"
#include "study/ValidaEstudio.h"

#include <benchmark/benchmark.h>

#include <sstream>

using namespace linealidad;

namespace {

const bench::ArchivoTemporal* archivo = nullptr;

struct Calculo {
    ResultadosRegresion R;
    ResultadosAnova A;
    Residuales residuales;
};

Calculo calcula(const Study& estudio) {
    Calculo c;
    bool pendienteCero = false;
    CalculaRegresion(estudio, '.', c.R, pendienteCero);
    CalculaAnova(estudio, '.', c.A, pendienteCero, c.residuales);
    return c;
}

void LeeEstudio(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(leeEstudio(archivo->ruta()));
}
BENCHMARK(LeeEstudio)->Unit(benchmark::kMicrosecond);

void Calcula(benchmark::State& state) {
    const Study estudio = bench::estudioGrande();
    for (auto _ : state)
        benchmark::DoNotOptimize(calcula(estudio));
}
BENCHMARK(Calcula)->Unit(benchmark::kMicrosecond);

void LineasDelInforme(benchmark::State& state) {
    const Study estudio = bench::estudioGrande();
    const Calculo c = calcula(estudio);
    for (auto _ : state)
        benchmark::DoNotOptimize(informe(estudio, '.', c.R, c.A, c.residuales));
}
BENCHMARK(LineasDelInforme)->Unit(benchmark::kMicrosecond);

// What `linealidad-cli informe` does after start-up: read, validate, compute, write the lines.
void LeeCalculaEInforma(benchmark::State& state) {
    for (auto _ : state) {
        const Study estudio = leeEstudio(archivo->ruta());
        if (ValidaEstudio(estudio)) {
            state.SkipWithError("the generated study is not valid");
            break;
        }
        const Calculo c = calcula(estudio);
        std::ostringstream salida;
        for (const auto& linea : informe(estudio, '.', c.R, c.A, c.residuales))
            salida << linea << '\n';
        benchmark::DoNotOptimize(salida.str());
    }
}
BENCHMARK(LeeCalculaEInforma)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    const bench::ArchivoTemporal temporal;
    archivo = &temporal;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
