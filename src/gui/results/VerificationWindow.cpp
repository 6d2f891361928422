#include "gui/results/VerificationWindow.h"

#include "core/platform/LoginName.h"
#include "core/printing/PrintSheets.h"
#include "core/study/FileAccess.h"
#include "core/verification/VerificationSheets.h"
#include "core/verification/VerificationText.h"
#include "gui/common/ArchivalPdf.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/common/Dialogs.h"
#include "gui/common/LocalPath.h"
#include "gui/common/PrintJob.h"
#include "gui/common/PrintStampNow.h"
#include "gui/common/RunCommand.h"
#include "gui/common/WindowKeys.h"
#include "gui/common/helpcons.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSysInfo>
#include <QTableWidget>
#include <QVBoxLayout>

namespace linealidad {
namespace {

// The resolution and border of the laser pages (HeadlessPdf): the sheets are laid out for them.
constexpr int kDpi = 600;
constexpr double kMarginInches = 0.25;

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// What identifies this run on paper: the version, now, this computer.
VerificationStamp stamp() {
    return {LINEALIDAD_VERSION,
            QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm")).toStdString(),
            QSysInfo::machineHostName().toStdString()};
}

// The verification's PDF says what it is, who ran it and with which program.
PdfMetadata metadata(const QString& title) {
    PdfMetadata m;
    m.title = title;
    m.author = QString::fromStdString(platform::loginName());
    m.subject = QStringLiteral("Verificación de los cálculos del programa");
    m.creator = QStringLiteral("Linealidad " LINEALIDAD_VERSION);
    return m;
}

} // namespace

VerificationWindow::VerificationWindow(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), outcomes_(runChecks(shippedDataSets())) {
    setObjectName(QStringLiteral("VerificationWindow"));
    setWindowTitle(QStringLiteral("Verificación de los cálculos"));
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty(kHelpContextProperty, help::kVerify);
    resize(980, 640);

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        QStringLiteral("Los cálculos del programa en esta computadora, con los datos de "
                       "referencia que trae el programa, comparados con los valores publicados "
                       "o calculados exactamente."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* table = new QTableWidget(this);
    table->setObjectName(QStringLiteral("checks"));
    layout->addWidget(table, 1);
    fillTable();

    auto* summary = new QLabel(text(summaryLine(outcomes_)), this);
    summary->setObjectName(QStringLiteral("summary"));
    QFont bold = summary->font();
    bold.setBold(true);
    summary->setFont(bold);
    layout->addWidget(summary);
    QStringList explanation;
    for (const std::string& line : explanationLines())
        explanation << text(line);
    auto* note = new QLabel(explanation.join('\n'), this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print =
        buttons->addButton(QStringLiteral("&Imprimir..."), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("printButton"));
    QPushButton* pdf =
        buttons->addButton(QStringLiteral("Guardar como &PDF..."), QDialogButtonBox::ActionRole);
    pdf->setObjectName(QStringLiteral("pdfButton"));
    QPushButton* close =
        buttons->addButton(QStringLiteral("&Cerrar"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    layout->addWidget(buttons);
    connect(print, &QPushButton::clicked, this, &VerificationWindow::printClick);
    connect(pdf, &QPushButton::clicked, this, &VerificationWindow::pdfClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    close->setDefault(true);
    closeWithKeys(*this);
}

void VerificationWindow::fillTable() {
    auto* table = findChild<QTableWidget*>(QStringLiteral("checks"));
    const std::vector<std::string> headings = checkHeadings();
    table->setColumnCount(static_cast<int>(headings.size()));
    table->setRowCount(static_cast<int>(outcomes_.size()));
    QStringList labels;
    for (const std::string& h : headings)
        labels << text(h);
    table->setHorizontalHeaderLabels(labels);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    const char decimal = decimalSeparator();
    for (int row = 0; row < table->rowCount(); ++row) {
        const CheckOutcome& outcome = outcomes_[static_cast<std::size_t>(row)];
        const std::vector<std::string> cells = checkCells(outcome, decimal);
        for (int column = 0; column < table->columnCount(); ++column) {
            auto* item = new QTableWidgetItem(text(cells[static_cast<std::size_t>(column)]));
            if (column > 0)
                item->setTextAlignment(column == table->columnCount() - 1
                                           ? Qt::AlignCenter
                                           : Qt::AlignRight | Qt::AlignVCenter);
            if (!outcome.passes)
                item->setForeground(Qt::red);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
}

void VerificationWindow::print(PrintDocument& document) {
    printSheets(document, verificationSheets(outcomes_, stamp(), decimalSeparator()),
                printStampNow());
}

void VerificationWindow::printClick() {
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs_.printDialog(printer, this))
        return;
    WaitCursor wait;
    runCommand(dialogs_, [&] {
        printThrough(printer, metadata(windowTitle()),
                     [this](PrintDocument& document) { print(document); });
    });
}

void VerificationWindow::pdfClick() {
    const QString path = dialogs_.pdfFileName(
        {QStringLiteral("Guardar la verificación como PDF"), QStringLiteral("verificacion.pdf")},
        this);
    if (path.isEmpty())
        return;
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                         QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches),
                         QPageLayout::Inch);
    WaitCursor wait;
    runCommand(dialogs_, [&] {
        const QByteArray pdf = archivalPdf(metadata(windowTitle()), a4, kDpi,
                                           [this](PrintDocument& document) { print(document); });
        replaceFileBytes(localPath(path),
                         std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    });
}

} // namespace linealidad
