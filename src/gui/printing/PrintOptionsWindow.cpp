#include "gui/printing/PrintOptionsWindow.h"

#include "core/printing/PrintSheets.h"
#include "core/results/ZeroSlope.h"
#include "gui/common/AcceptanceSettings.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/common/Dialogs.h"
#include "gui/common/PrintHost.h"
#include "gui/common/PrintJob.h"
#include "gui/common/PrintStampNow.h"
#include "gui/common/RunCommand.h"
#include "gui/widgets/RadioGroup.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace linealidad {
namespace {

const QStringList kPages{QStringLiteral("Imprime Información General"),
                         QStringLiteral("Imprime Inferencia"),
                         QStringLiteral("Imprime Anova y Residuales")};
const QString kAcceptancePage = QStringLiteral("Imprime Dictamen de Aceptación");
const QString kValidationPage = QStringLiteral("Imprime Estadística de Validación");

QPushButton* button(QWidget* window, const char* name, const QString& caption,
                    QStyle::StandardPixmap glyph, const QRect& geometry) {
    auto* b = new QPushButton(window->style()->standardIcon(glyph), caption, window);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

} // namespace

PrintOptionsWindow::PrintOptionsWindow(PrintLayout layout, const PrintOptionsNames& names,
                                       PrintHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      layout_(layout), host_(host) {
    setObjectName(QString::fromLatin1(names.window));
    setWindowTitle(QStringLiteral("opciones"));
    setFixedSize(names.size);

    // Aligned to the top, across the whole window.
    opcion_ = new RadioGroup(
        names.caption,
        names.acceptancePage ? kPages + QStringList{kAcceptancePage, kValidationPage} : kPages,
        this);
    opcion_->setObjectName(QStringLiteral("opcion"));
    opcion_->setGeometry(0, 0, names.size.width(), names.groupHeight);
    opcion_->setItemIndex(0);

    const int top = names.groupHeight + (names.size.height() - names.groupHeight - 33) / 2;
    const int width = names.size.width();
    auto* BitBtn1 = button(this, "BitBtn1", QStringLiteral("Aceptar"), QStyle::SP_DialogOkButton,
                           QRect(width / 2 - 168, top, 104, 33));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &PrintOptionsWindow::BitBtn1Click);
    auto* preview = button(this, "PreviewButton", QStringLiteral("&Vista previa"),
                           QStyle::SP_FileDialogContentsView, QRect(width / 2 - 52, top, 104, 33));
    connect(preview, &QPushButton::clicked, this, &PrintOptionsWindow::previewClick);
    auto* BitBtn2 = button(this, "BitBtn2", QStringLiteral("Cancelar"),
                           QStyle::SP_DialogCancelButton, QRect(width / 2 + 64, top, 104, 33));
    connect(BitBtn2, &QPushButton::clicked, this, &PrintOptionsWindow::BitBtn2Click);
}

int PrintOptionsWindow::option() const {
    return opcion_->itemIndex();
}

void PrintOptionsWindow::setOption(int index) {
    opcion_->setItemIndex(index);
}

std::optional<PageChoice> PrintOptionsWindow::chosenPage() const {
    switch (option()) {
    case 0:
        return PageChoice::General;
    case 1:
        return PageChoice::Inference;
    case 2:
        return PageChoice::Variance;
    case 3:
        return PageChoice::Acceptance;
    case 4:
        return PageChoice::Validation;
    default:
        return std::nullopt;
    }
}

std::optional<std::vector<Sheet>> PrintOptionsWindow::composeChosen(const Study& study,
                                                                    PageChoice page) {
    std::optional<std::vector<Sheet>> sheets;
    bool zeroSlope = false;
    bool composed = false;
    {
        WaitCursor wait;
        composed = runCommand(host_.dialogs(), [&] {
            sheets = composePage(layout_, page, study, decimalSeparator(), margin(), results_,
                                 userCriteria(), userRecovery());
            zeroSlope = !sheets;
        });
    }
    if (composed && zeroSlope)
        host_.dialogs().message(QString::fromUtf8(kZeroSlopeMessage));
    return sheets;
}

// Every sheet with its footer: the study's file as saved, now, this user.
void PrintOptionsWindow::print(QPrinter& printer, const Study& study,
                               const std::vector<Sheet>& sheets) {
    WaitCursor wait;
    const PrintStamp stamp = printStampNow(host_.savedStudyFile());
    runCommand(host_.dialogs(), [&] {
        printThrough(printer, studyMetadata(study, stamp),
                     [&](PrintDocument& document) { printSheets(document, sheets, stamp); });
    });
}

// Every computation ends before the document begins: a fault leaves nothing at the printer.
void PrintOptionsWindow::BitBtn1Click() {
    const Study* study = host_.printStudy();
    if (!study)
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (!host_.dialogs().printDialog(printer, this))
        return;
    const std::optional<PageChoice> page = chosenPage();
    if (!page)
        return;
    if (const auto sheets = composeChosen(*study, *page))
        print(printer, *study, *sheets);
}

void PrintOptionsWindow::BitBtn2Click() {
    close();
}

// The preview opens large, on three quarters of the screen, with the page's width fitted to it:
// the text of the page can be read at once (the whole page in a small window is not).
void PrintOptionsWindow::showReadable(QPrintPreviewDialog& preview) {
    if (const QScreen* screen = this->screen())
        preview.resize(screen->availableGeometry().size() * 3 / 4);
    if (auto* fitWidth = preview.findChild<QAction*>(QStringLiteral("fitWidthAction")))
        fitWidth->trigger();
}

void PrintOptionsWindow::previewClick() {
    const Study* study = host_.printStudy();
    const std::optional<PageChoice> page = chosenPage();
    if (!study || !page)
        return;
    const auto sheets = composeChosen(*study, *page);
    if (!sheets)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    showReadable(preview);
    // The preview draws on its own printer, and on the chosen one when printed from it.
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter* target) { print(*target, *study, *sheets); });
    host_.dialogs().showModal(preview);
}

} // namespace linealidad
