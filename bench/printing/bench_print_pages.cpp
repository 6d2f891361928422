// The cost of a printed page of the largest study a file may hold (150 observations), drawn
// into a PDF document in memory as the print command and `linealidad --pdf` draw it: the
// computations the page needs, its layout (the tables continue on further sheets), and the
// drawing through a CanvasQt on a 600-dpi QPdfWriter, with the footers and the archival
// document's metadata. HeadlessAllPages is the whole work of
// `linealidad --pdf` on that study once the process has started: reading the file, the three
// pages, writing the document.

#include "LargeStudy.h"
#include "OffscreenBenchmarks.h"

#include "core/printing/PrintedPages.h"
#include "gui/app/HeadlessPdf.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sstream>

using namespace linealidad;

namespace {

void PrintPage(benchmark::State& state) {
    const auto layout = static_cast<PrintLayout>(state.range(0));
    const auto page = static_cast<PageChoice>(state.range(1));
    const Study study = bench::largeStudy();
    ResultSet results;
    PrintStamp stamp = PrintStamp::forStudy(SavedStudyFile{"estudio.w02", std::string(64, 'a')});
    stamp.version = "3.1";
    stamp.printedAt = "2026-01-01 12:00";
    stamp.user = "analista";
    const PdfMetadata metadata = studyMetadata(study, stamp);
    for (auto _ : state) {
        const auto sheets = composePage(layout, page, study, '.', 3, results);
        benchmark::DoNotOptimize(pdfDocument(*sheets, Paper::A4, stamp, metadata));
    }
}
BENCHMARK(PrintPage)
    ->ArgNames({"deskjet", "page"})
    ->ArgsProduct({{int(PrintLayout::Laser), int(PrintLayout::Deskjet)},
                   {int(PageChoice::General), int(PageChoice::Inference), int(PageChoice::Variance),
                    int(PageChoice::Acceptance)}})
    ->Unit(benchmark::kMillisecond);

// The same pages of the largest study whose units, property and method names fill a study
// file's megabyte: they cost what the short ones do, since a text is cut where the page ends.
void PrintPageLongTexts(benchmark::State& state) {
    Study study = bench::largeStudy();
    study.emetodo = std::string(300'000, 'M');
    study.eadicionada = std::string(300'000, 'u');
    study.emedida = std::string(300'000, 'y');
    const auto page = static_cast<PageChoice>(state.range(0));
    ResultSet results;
    const PrintStamp stamp =
        PrintStamp::forStudy(SavedStudyFile{"estudio.w02", std::string(64, 'a')});
    const PdfMetadata metadata = studyMetadata(study, stamp);
    for (auto _ : state) {
        const auto sheets = composePage(PrintLayout::Laser, page, study, '.', 3, results);
        benchmark::DoNotOptimize(pdfDocument(*sheets, Paper::A4, stamp, metadata));
    }
}
BENCHMARK(PrintPageLongTexts)
    ->ArgNames({"page"})
    ->Args({int(PageChoice::General)})
    ->Args({int(PageChoice::Inference)})
    ->Args({int(PageChoice::Variance)})
    ->Unit(benchmark::kMillisecond);

void HeadlessAllPages(benchmark::State& state) {
    const bench::TemporaryStudyFile file;
    const QTemporaryDir directory;
    PdfCommand command;
    command.study = file.path();
    command.output = directory.filePath(QStringLiteral("hojas.pdf")).toStdString();
    command.pages = {PageChoice::General, PageChoice::Inference, PageChoice::Variance};
    std::ostringstream errors;
    for (auto _ : state)
        if (writePdf(command, errors) != kPdfWritten)
            state.SkipWithError(errors.str().c_str());
}
BENCHMARK(HeadlessAllPages)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return linealidad::bench::runOffscreenBenchmarks<QGuiApplication>(argc, argv);
}
