#include "gui/app/HeadlessPdf.h"

#include "core/printing/PrintSheets.h"
#include "core/printing/Uprint.h"
#include "core/results/ZeroSlope.h"
#include "core/study/FileAccess.h"
#include "core/study/StudyFile.h"
#include "core/study/ValidaEstudio.h"
#include "gui/common/AcceptanceSettings.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/common/LocalPath.h"
#include "gui/common/PrintStampNow.h"
#include "gui/common/StudyFileHash.h"

#include <QFile>
#include <QGuiApplication>

#include <iostream>

namespace linealidad {
namespace {

// The resolution the layout was drawn for.
constexpr int kDpi = 600;
// The unprintable border of a laser printer, a quarter of an inch on every side: the pages'
// lines are placed from the top-left corner of the printable area.
constexpr double kMarginInches = 0.25;

QPageSize pageSize(Paper paper) {
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

QByteArray pdfDocument(const std::vector<Sheet>& sheets, Paper paper, const PrintStamp& stamp,
                       const PdfMetadata& metadata) {
    const QPageLayout layout(pageSize(paper), QPageLayout::Portrait,
                             QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches),
                             QPageLayout::Inch);
    return archivalPdf(metadata, layout, kDpi,
                       [&](PrintDocument& document) { printSheets(document, sheets, stamp); });
}

namespace {

// Every page laid out, on one result set; nothing when the slope is zero.
std::optional<std::vector<Sheet>> composeAll(const PdfCommand& command, const Study& study) {
    ResultSet results;
    const int margin = Uprint::FactorMargen(command.SELECMARIndex, 0);
    std::vector<Sheet> all;
    for (PageChoice page : command.pages) {
        auto sheets = composePage(command.layout, page, study, command.decimal, margin, results,
                                  userCriteria(), userRecovery());
        if (!sheets)
            return std::nullopt;
        all.insert(all.end(), sheets->begin(), sheets->end());
    }
    return all;
}

// Scripts read standard error for the run's own message: Qt's notes (a runtime directory not set
// and the like) stay out of it; its critical and fatal messages go through.
void reportQtFailuresOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toLocal8Bit().constData() << '\n';
}

int fail(std::ostream& errors, const std::string& message) {
    errors << message << '\n';
    errors.flush();
    return kPdfFailure;
}

} // namespace

int writePdf(const PdfCommand& command, std::ostream& errors) {
    std::optional<std::vector<Sheet>> sheets;
    Study study;
    try {
        study = readStudy(command.study);
        if (const auto problem = ValidaEstudio(study))
            return fail(errors, problem->message);
        sheets = composeAll(command, study);
    } catch (const Fault& e) {
        return fail(errors, commandLineMessage(e, command.study));
    }
    if (!sheets)
        return fail(errors, kZeroSlopeMessage);
    // The file the study was read from, as it is on disk.
    const PrintStamp stamp = printStampNow(studyFileOnDisk(qtPath(command.study)));
    try {
        const QByteArray pdf =
            pdfDocument(*sheets, command.paper, stamp, studyMetadata(study, stamp));
        replaceFileBytes(command.output,
                         std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    } catch (const Fault& e) {
        return fail(errors, commandLineMessage(e, command.output));
    }
    return kPdfWritten;
}

int pdfMain(int argc, char* argv[], const std::vector<std::string>& arguments) {
    const PdfArguments read = readPdfArguments(arguments, decimalSeparator());
    if (read.help) {
        std::cout << pdfHelpText();
        return kPdfWritten;
    }
    if (!read.command) {
        std::cerr << pdfUsageErrorText(read.error);
        return kPdfUsageError;
    }
    // No window is shown: the offscreen platform needs no display, and starts faster.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(reportQtFailuresOnly);
    QGuiApplication app(argc, argv);
    return writePdf(*read.command, std::cerr);
}

} // namespace linealidad
