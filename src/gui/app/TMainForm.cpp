#include "gui/app/TMainForm.h"

#include "core/study/RecoveryCopy.h"
#include "core/study/StudyFile.h"
#include "core/study/ValidaEstudio.h"
#include "gui/app/HelpDesk.h"
#include "gui/app/IncomingStudy.h"
#include "gui/app/MainCommands.h"
#include "gui/app/PreferencesDialog.h"
#include "gui/app/RecoveryKeeper.h"
#include "gui/app/TAboutBox.h"
#include "gui/charts/TOptionsDlg.h"
#include "gui/charts/TPlotForm.h"
#include "gui/charts/TPlotForm1.h"
#include "gui/common/Dialogs.h"
#include "gui/common/Glyphs.h"
#include "gui/common/LabName.h"
#include "gui/common/LocalPath.h"
#include "gui/common/RunCommand.h"
#include "gui/common/StudyFileHash.h"
#include "gui/printing/TFOPRT.h"
#include "gui/printing/TFopprt.h"
#include "gui/printing/TFopprt1.h"
#include "gui/results/AcceptanceWindow.h"
#include "gui/results/TFinfo.h"
#include "gui/results/TfinfoA.h"
#include "gui/results/TfinfoR.h"
#include "gui/results/Tfrminforme.h"
#include "gui/results/Tfrmpredice.h"
#include "gui/results/ValidationWindow.h"
#include "gui/results/VerificationWindow.h"
#include "gui/study/TFinforma.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

namespace linealidad {
namespace {

// A window kept from start-up, shown beside the others and brought to the front.
void showModeless(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), dialogs_(std::make_unique<QtDialogs>(this)),
      titleSource_([] { return ChartTitles{}; }) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(kApplicationTitle);
    resize(588, 370);
    setWindowIcon(QIcon(programEmblem(QSize(64, 64))));
    setAcceptDrops(true);

    ClientArea_ = new QMdiArea(this);
    ClientArea_->setObjectName(QStringLiteral("ClientArea"));
    ClientArea_->setBackground(palette().dark());
    setCentralWidget(ClientArea_);

    groups_ = createMainCommands(*this, [this](const QString& hint) { showHint(hint); });
    status_ = createStatusPanels(*statusBar());
    apply(StudyEvent::AtStart);

    // The copy exists while the study has typing that was not saved.
    recovery_ = new RecoveryKeeper(
        [this]() -> std::optional<std::string> {
            if (!Finforma_ || !modified_)
                return std::nullopt;
            return recoveryCopyText(Finforma_->study(), titleSource_(),
                                    studyPath_ ? localPath(*studyPath_) : std::string());
        },
        this);

    help_ = new HelpDesk(*this, *ClientArea_);
}

// The child windows still here (those closed and waiting for deletion too) are deleted after
// this body, when the main window is no longer whole: they must not report to it any more.
TMainForm::~TMainForm() {
    for (QMdiSubWindow* window : ClientArea_->findChildren<QMdiSubWindow*>())
        window->disconnect(this);
}

void TMainForm::setDialogs(std::unique_ptr<Dialogs> dialogs) {
    dialogs_ = std::move(dialogs);
}

void TMainForm::setTitleSource(std::function<ChartTitles()> source) {
    titleSource_ = std::move(source);
}

Dialogs& TMainForm::dialogs() {
    return *dialogs_;
}

// The study file's chart title lines are those of the options dialog.
void TMainForm::createStartupWindows() {
    if (OptionsDlg_)
        return;
    OptionsDlg_ = new TOptionsDlg(this);
    OptionsDlg_->onHelpRequested = [this](int context) { showHelp(context, OptionsDlg_); };
    Fopprt1_ = new TFopprt1(*this, this);
    frmpredice_ = new Tfrmpredice([this]() -> Dialogs& { return dialogs(); }, this);
    help_->installF1(frmpredice_);
    FOPRT_ = new TFOPRT(this);
    Fopprt_ = new TFopprt(*this, *FOPRT_, this);
    FOPRT_->setOptionsWindows(Fopprt_, Fopprt1_);
    PlotForm_ = new TPlotForm(*this, *OptionsDlg_, this);
    PlotForm1_ = new TPlotForm1(*this, *OptionsDlg_, this);
    // Titles typed there are saved with the study: its recovery copy takes them too.
    connect(OptionsDlg_, &QDialog::finished, recovery_, &RecoveryKeeper::changed);
    setTitleSource([this] {
        return ChartTitles{OptionsDlg_->title().toStdString(), OptionsDlg_->xAxis().toStdString(),
                           OptionsDlg_->yAxis().toStdString()};
    });
}

const Study* TMainForm::chartStudy() const {
    return Finforma_ ? &Finforma_->study() : nullptr;
}

std::optional<SavedStudyFile> TMainForm::savedStudyFile() const {
    return Finforma_ && !modified_ ? studyFile_ : std::nullopt;
}

// --- status line ------------------------------------------------------------------------------

void TMainForm::showHint(const QString& hint) {
    status_.StatusLine->setText(hint);
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::Paint && !startupWindowsScheduled_) {
        startupWindowsScheduled_ = true;
        QTimer::singleShot(0, this, &TMainForm::createStartupWindows);
        QTimer::singleShot(0, this, &TMainForm::firstPainted);
    }
    if (event->type() == QEvent::StatusTip) {
        showHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        emit activated();
    QMainWindow::changeEvent(event);
}

// --- enabling rules --------------------------------------------------------------------------

void TMainForm::apply(StudyEvent event) {
    for (auto group = groups_.cbegin(); group != groups_.cend(); ++group) {
        const Change change = changeFor(group.key(), event);
        if (change == Change::Unchanged)
            continue;
        for (QAction* a : group.value())
            a->setEnabled(change == Change::Enable);
    }
    // The pop-up items belong to the study window and go with it.
    const Change popupItems = changeFor(CommandGroup::PopupItems, event);
    if (Finforma_ && popupItems != Change::Unchanged)
        for (QAction* a : Finforma_->popupActions())
            a->setEnabled(popupItems == Change::Enable);
    // The study window has closed: after its close query nothing of it is to be recovered.
    if (event == StudyEvent::StudyWindowCloses)
        recovery_->discard();
}

void TMainForm::markModified() {
    modified_ = true;
    status_.estado->setText(QStringLiteral("Modificado"));
    recovery_->changed();
}

bool TMainForm::modified() const {
    return modified_;
}

// The panel shows `text` once the mark is gone: a blank after some commands, nothing after
// others.
void TMainForm::clearModified(const QString& text) {
    modified_ = false;
    status_.estado->setText(text);
    recovery_->discard();
}

// --- recovery copy ---------------------------------------------------------------------------

void TMainForm::startRecovery(const QString& folder) {
    if (!folder.isEmpty())
        recovery_->start(folder);
}

// One study window at a time: once one is open, the other left studies wait for a later start.
bool TMainForm::offerRecovery() {
    return recovery_->offerLeftCopies(
        *dialogs_, [this] { return !Finforma_; },
        [this](const RecoveryCopy& copy) { openRecovered(copy); });
}

// A recovered study comes back as it was left: under its file when it had one, as a new one
// ("Nuevo": saving it asks for a name) otherwise; with its typing unsaved, and the chart titles
// it was to be saved with.
void TMainForm::openRecovered(const RecoveryCopy& copy) {
    createStartupWindows();
    PlotOptions options = OptionsDlg_->options();
    options.TitleEdit = copy.titles[0];
    options.XLblEdit = copy.titles[1];
    options.YLblEdit = copy.titles[2];
    OptionsDlg_->display(options);
    std::optional<QString> file;
    if (!copy.file.empty())
        file = qtPath(copy.file);
    showStudy(copy.study, file);
    markModified();
}

// --- file commands ---------------------------------------------------------------------------

TFinforma* TMainForm::createStudyWindow() {
    auto* window = new TFinforma(*this);
    Finforma_ = window;
    studyPath_.reset();
    studyFile_.reset();
    showStudyTitle();
    connectPopupItems(window);
    ClientArea_->addSubWindow(window);
    return window;
}

void TMainForm::connectPopupItems(TFinforma* window) {
    connect(window->pmnuinfiere(), &QAction::triggered, this, &TMainForm::mnuinferenciaClick);
    connect(window->pmnuanova(), &QAction::triggered, this, &TMainForm::mnuanovaClick);
    connect(window->pmnuresid(), &QAction::triggered, this, &TMainForm::mnuresidClick);
    connect(window->pmnugraph(), &QAction::triggered, this, &TMainForm::mnugraphClick);
    connect(window->pmnugraphr(), &QAction::triggered, this, &TMainForm::mnugraphRClick);
    auto* predict = new QAction(QStringLiteral("&Predicciones..."), window);
    predict->setObjectName(QStringLiteral("pmnupredice"));
    predict->setStatusTip(QStringLiteral("Predice Y para valores de X"));
    predict->setEnabled(false);
    connect(predict, &QAction::triggered, this, &TMainForm::mnuprediceClick);
    window->addPopupAction(predict);
}

void TMainForm::FileNew() {
    if (Finforma_)
        return; // one study window at a time
    createStudyWindow()->show();
    apply(StudyEvent::New);
}

void TMainForm::FileOpen() {
    if (Finforma_)
        return;
    const QString path = dialogs_->openFileName({QStringLiteral("Abrir archivo"), QString()});
    if (!path.isEmpty())
        openStudy(path);
}

// The file is read whole before any window exists: a file that cannot be read or cannot be a
// study leaves no window behind and the commands as they were.
bool TMainForm::openStudy(const QString& path) {
    return showIncoming(openStudyFile(path, *dialogs_, note()));
}

void TMainForm::FileImportTable() {
    if (Finforma_)
        return;
    const QString path = dialogs_->tableFileName({QStringLiteral("Importar tabla"), QString()});
    if (!path.isEmpty())
        importTable(path);
}

bool TMainForm::importTable(const QString& path) {
    return showIncoming(importTableFile(path, *dialogs_, note()));
}

void TMainForm::FilePasteStudy() {
    if (Finforma_)
        return;
    showIncoming(pasteCopiedTable(QGuiApplication::clipboard()->text(), *dialogs_, note()));
}

// Every study that was read opens here, in a new study window (titled with its file, or "Nuevo"
// when it has none), ready to be computed.
bool TMainForm::showIncoming(const std::optional<IncomingStudy>& incoming) {
    if (!incoming)
        return false;
    showStudy(incoming->study, incoming->path);
    if (incoming->modified)
        markModified();
    return true;
}

Note TMainForm::note() {
    return [this](const QString& text) { showHint(text); };
}

// A study that was read (or recovered) in a new study window, its commands on as after
// "&Abrir...". A study without a path has never been saved.
void TMainForm::showStudy(const Study& study, const std::optional<QString>& path) {
    TFinforma* window = createStudyWindow();
    window->loadStudy(study);
    studyPath_ = path;
    studyFile_ = path ? studyFileOnDisk(*path) : std::nullopt;
    showStudyTitle();
    fileName_ = path.value_or(QStringLiteral("Nuevo"));
    window->show();
    activateWindow(); // back from the file dialog, the study window takes the focus
    apply(StudyEvent::OpenDone);
}

// The study window's title: the study's file, or "Nuevo" while it was never saved.
void TMainForm::showStudyTitle() {
    Finforma_->setWindowTitle(studyPath_.value_or(QStringLiteral("Nuevo")));
}

const Study* TMainForm::validStudy() {
    return validateStudy() ? &Finforma_->study() : nullptr;
}

bool TMainForm::validateStudy() {
    if (!Finforma_)
        return false;
    std::optional<StudyProblem> problem;
    bool followed = false;
    if (!runCommand(*dialogs_, [&] {
            followed = Finforma_->followReplicates();
            if (followed)
                problem = ValidaEstudio(Finforma_->study());
        }))
        return false;
    if (!followed)
        return false;
    if (problem) {
        Finforma_->showProblem(*problem);
        return false;
    }
    return true;
}

bool TMainForm::writeStudy(const QString& path) {
    createStartupWindows();
    WaitCursor wait;
    return runCommand(*dialogs_, [&] {
        linealidad::writeStudy(localPath(path), Finforma_->study(), titleSource_());
    });
}

bool TMainForm::FileSave() {
    if (!validateStudy())
        return false;
    if (!studyPath_) {
        fileName_ = QStringLiteral("Nuevo");
        return FileSaveAs();
    }
    if (!writeStudy(*studyPath_))
        return false;
    studyFile_ = studyFileOnDisk(*studyPath_);
    clearModified(QString());
    return true;
}

bool TMainForm::FileSaveAs() {
    if (!validateStudy())
        return false;
    const QString path = dialogs_->saveFileName({QStringLiteral("Guardar como"), fileName_});
    if (path.isEmpty() || !Finforma_ || !writeStudy(path))
        return false;
    clearModified(QStringLiteral(" "));
    studyPath_ = path;
    studyFile_ = studyFileOnDisk(path);
    showStudyTitle();
    fileName_ = path;
    return true;
}

// --- windows ---------------------------------------------------------------------------------

void TMainForm::mnucloseClick() {
    QMdiSubWindow* active = ClientArea_->currentSubWindow();
    if (!active)
        return;
    if (active != Finforma_) {
        active->close();
        return;
    }
    if (Finforma_->close())
        apply(StudyEvent::ClosedByCerrar);
}

void TMainForm::FileExit() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The study window's close query runs first; a study the analyst asked to save and that
    // was not saved keeps the program open.
    if (Finforma_ && !Finforma_->close()) {
        event->ignore();
        return;
    }
    ClientArea_->closeAllSubWindows();
    event->accept();
    QApplication::closeAllWindows();
}

void TMainForm::WindowTile() {
    ClientArea_->tileSubWindows();
}

void TMainForm::WindowCascade() {
    ClientArea_->cascadeSubWindows();
}

// Files are taken only while "&Abrir..." is on: the cursor shows the refusal otherwise.
void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() &&
        findChild<QAction*>(QStringLiteral("FileOpenItem"))->isEnabled())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    openDropped(*event->mimeData());
}

void TMainForm::openDropped(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.isEmpty() || !urls.first().isLocalFile() ||
        !findChild<QAction*>(QStringLiteral("FileOpenItem"))->isEnabled())
        return;
    const QString path = urls.first().toLocalFile();
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("csv") || extension == QLatin1String("tsv"))
        importTable(path);
    else
        openStudy(path);
}

// --- help ------------------------------------------------------------------------------------

void TMainForm::HelpContents() {
    help_->showContents();
}

void TMainForm::HelpSearch() {
    help_->showIndex();
}

void TMainForm::showHelp(int context, QWidget* from) {
    help_->showTopic(context, from);
}

void TMainForm::HelpAbout() {
    auto* about = new TAboutBox(this);
    help_->installF1(about);
    about->show();
}

void TMainForm::FilePreferences() {
    PreferencesDialog dialog(this);
    help_->installF1(&dialog);
    dialog.setLabName(userLabName());
    if (dialogs_->showModal(dialog) == QDialog::Accepted)
        saveUserLabName(dialog.labName());
}

void TMainForm::HelpVerify() {
    auto* window = new VerificationWindow(dialogs(), this);
    help_->installF1(window);
    window->show();
}

// --- calculations: each command's work lives with its window -------------------------------

void TMainForm::mnuinferenciaClick() {
    if (TFinfo* window = TFinfo::mnuinferenciaClick(*this))
        Finfo_ = window;
}
void TMainForm::mnuanovaClick() {
    if (TfinfoA* window = TfinfoA::mnuanovaClick(*this))
        finfoA_ = window;
}
void TMainForm::mnuresidClick() {
    if (TfinfoR* window = TfinfoR::mnuresidClick(*this))
        finfoR_ = window;
}
void TMainForm::mnuinformeClick() {
    if (Tfrminforme* window = Tfrminforme::mnuinformeClick(*this))
        frminforme_ = window;
}
void TMainForm::showAcceptanceVerdict() {
    if (AcceptanceWindow* window = AcceptanceWindow::showVerdict(*this))
        acceptanceWindow_ = window;
}
void TMainForm::showValidation() {
    if (ValidationWindow* window = ValidationWindow::showValidation(*this))
        validationWindow_ = window;
}
void TMainForm::mnuprediceClick() {
    createStartupWindows();
    frmpredice_->mnuprediceClick(*this);
}

// --- charts ----------------------------------------------------------------------------------

void TMainForm::mnugraphClick() {
    createStartupWindows();
    PlotForm_->mnugraphClick();
}
void TMainForm::mnugraphRClick() {
    createStartupWindows();
    PlotForm1_->mnugraphRClick();
}

// --- printing --------------------------------------------------------------------------------

void TMainForm::PrintLasserClick() {
    createStartupWindows();
    showModeless(Fopprt1_);
}

void TMainForm::FilePrint() {
    createStartupWindows();
    if (validateStudy())
        showModeless(Fopprt_);
}

void TMainForm::mnuoprtClick() {
    createStartupWindows();
    dialogs_->showModal(*FOPRT_);
}

} // namespace linealidad
