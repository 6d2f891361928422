#pragma once

#include "core/app/EnablingRules.h"
#include "core/results/ResultSet.h"
#include "core/study/StudyFile.h"
#include "gui/app/CommandBuilder.h"
#include "gui/app/IncomingStudy.h"
#include "gui/app/StatusPanels.h"
#include "gui/common/ChartHost.h"
#include "gui/common/PrintHost.h"
#include "gui/common/ResultHost.h"
#include "gui/common/StudyHost.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QMdiArea;
class QMdiSubWindow;
class QMimeData;

namespace linealidad {

class TFinforma;
class TFOPRT;
class TFinfo;
class TFopprt;
class TFopprt1;
class AcceptanceWindow;
class ValidationWindow;
class TfinfoA;
class TfinfoR;
class Tfrminforme;
class Tfrmpredice;
class TOptionsDlg;
class TPlotForm;
class TPlotForm1;
class HelpDesk;
class RecoveryKeeper;
struct RecoveryCopy;

// The frame of the program: menus, tool bar, status line and the child windows (the one study
// window and any number of result windows). It runs the commands, keeps their enabled state
// in step with the study's life through one table, and holds the references the commands use.
// The windows it holds reach it only through the small host interfaces.
class TMainForm : public QMainWindow,
                  public StudyHost,
                  public ResultHost,
                  public ChartHost,
                  public PrintHost {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The one study window, while it exists.
    const QPointer<TFinforma>& Finforma() const { return Finforma_; }
    // The newest result window of each kind.
    const QPointer<TFinfo>& Finfo() const { return Finfo_; }
    const QPointer<TfinfoA>& finfoA() const { return finfoA_; }
    const QPointer<TfinfoR>& finfoR() const { return finfoR_; }
    const QPointer<Tfrminforme>& frminforme() const { return frminforme_; }
    const QPointer<AcceptanceWindow>& acceptanceWindow() const { return acceptanceWindow_; }
    const QPointer<ValidationWindow>& validationWindow() const { return validationWindow_; }
    // The windows kept from start-up to the end (see createStartupWindows).
    const QPointer<Tfrmpredice>& frmpredice() const { return frmpredice_; }
    const QPointer<TOptionsDlg>& OptionsDlg() const { return OptionsDlg_; }
    const QPointer<TFopprt1>& Fopprt1() const { return Fopprt1_; }
    const QPointer<TFOPRT>& FOPRT() const { return FOPRT_; }
    const QPointer<TFopprt>& Fopprt() const { return Fopprt_; }
    const QPointer<TPlotForm>& PlotForm() const { return PlotForm_; }
    const QPointer<TPlotForm1>& PlotForm1() const { return PlotForm1_; }

    QMdiArea* ClientArea() const override { return ClientArea_; }
    // Creates, once, the windows the program keeps from start-up to the end, in their start-up
    // order: the chart options dialog, the laser print options, the predictions dialog, the
    // printer and margin window, the deskjet print options and the two chart windows. The
    // first paint does not need them, so they come just after it; whatever needs them sooner
    // creates them then.
    void createStartupWindows();
    // Tests replace the message boxes and file dialogs.
    void setDialogs(std::unique_ptr<Dialogs> dialogs);
    // Where the three chart titles saved with a study come from (the chart options dialog).
    void setTitleSource(std::function<ChartTitles()> source);
    // Keeps a recovery copy of the open study in `folder` from now on.
    void startRecovery(const QString& folder);
    RecoveryKeeper& recovery() { return *recovery_; }
    // Offers the studies that programs which ended without closing them left in the recovery
    // folder, while no study is open, and says which left files could not be read; true when
    // it showed any message box.
    bool offerRecovery();

    // Commands.
    void FileNew();
    void FileOpen();
    bool FileSave();
    bool FileSaveAs();
    void mnucloseClick();
    void FileExit();
    void WindowTile();
    void WindowCascade();
    void HelpContents();
    void HelpSearch();
    void HelpAbout();
    // "Verificar cálculos...": the verification window, modeless.
    void HelpVerify();
    // "Preferencias...": the lab's name the charts print.
    void FilePreferences();
    // Opens a study file as "&Abrir..." does after its dialog; false when it was not read.
    bool openStudy(const QString& path);
    // "Importar tabla...": a new study from the columns of a table file (CSV or tab-separated).
    void FileImportTable();
    // The same for a table file chosen already; false when it was not read.
    bool importTable(const QString& path);
    // "Pegar estudio": a new study from a table copied to the clipboard.
    void FilePasteStudy();
    // A file dropped on the window: opened as "&Abrir..." would (a .csv or .tsv file imported
    // as a table), while "&Abrir..." is on.
    void openDropped(const QMimeData& data);
    // Runs the study validation; false (after showing the problem) when the study fails it.
    bool validateStudy();
    // Opens help at the topic of a context number, beside the modal window `from` (or the
    // active modal window) when there is one.
    void showHelp(int context, QWidget* from = nullptr) override;

    // The study window's requests.
    Dialogs& dialogs() override;
    void markModified() override;
    bool modified() const override;
    void clearModified(const QString& text) override;
    void apply(StudyEvent event) override;
    bool save() override { return FileSave(); }
    void showNote(const QString& text) override { showHint(text); }

    // The chart windows' and the print options windows' requests.
    const Study* chartStudy() const override;
    const Study* printStudy() const override { return chartStudy(); }
    std::optional<SavedStudyFile> savedStudyFile() const override;

    // The calculation commands; each one's work lives with its window.
    void mnuinferenciaClick();
    void mnuanovaClick();
    void mnuresidClick();
    void mnugraphRClick();
    void mnugraphClick();
    void mnuinformeClick();
    void mnuprediceClick();
    // "&Dictamen...": the study judged against the user's acceptance criteria.
    void showAcceptanceVerdict();
    // "Estadística de validación...": what a validation protocol asks beyond the classic report.
    void showValidation();

    // The print commands: the laser options window ("Lasser"), the deskjet one after the
    // study validation ("Deskjet", hidden), and the printer and margin window (no menu item).
    void PrintLasserClick();
    void FilePrint();
    void mnuoprtClick();

signals:
    // The main window was activated (each time).
    void activated();
    // The main window was painted for the first time: what it does not need to show itself
    // can be created now.
    void firstPainted();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The result windows' requests.
    const Study* validStudy() override;
    ResultSet& results() override { return results_; }

    TFinforma* createStudyWindow();
    void openRecovered(const RecoveryCopy& copy);
    bool showIncoming(const std::optional<IncomingStudy>& incoming);
    // Shows a note of the reading on the status line.
    Note note();
    void showStudy(const Study& study, const std::optional<QString>& path);
    void connectPopupItems(TFinforma* window);
    bool writeStudy(const QString& path);
    void showHint(const QString& hint);
    void showStudyTitle();

    QPointer<TFinforma> Finforma_;
    QPointer<TFinfo> Finfo_;
    QPointer<TfinfoA> finfoA_;
    QPointer<TfinfoR> finfoR_;
    QPointer<Tfrminforme> frminforme_;
    QPointer<AcceptanceWindow> acceptanceWindow_;
    QPointer<ValidationWindow> validationWindow_;
    QPointer<Tfrmpredice> frmpredice_;
    QPointer<TOptionsDlg> OptionsDlg_;
    QPointer<TFopprt1> Fopprt1_;
    QPointer<TFOPRT> FOPRT_;
    QPointer<TFopprt> Fopprt_;
    QPointer<TPlotForm> PlotForm_;
    QPointer<TPlotForm1> PlotForm1_;
    QMdiArea* ClientArea_ = nullptr;
    StatusPanels status_;
    CommandGroups groups_;

    std::unique_ptr<Dialogs> dialogs_;
    std::function<ChartTitles()> titleSource_;
    QString fileName_ = QStringLiteral("Nuevo"); // the save dialog's file name
    // The file the open study was read from or last saved to; none while it was never saved.
    std::optional<QString> studyPath_;
    // That file as it was on disk when it was read or saved: what a print-out names.
    std::optional<SavedStudyFile> studyFile_;
    // The study has typing that was not saved.
    bool modified_ = false;
    // The results the calculation commands share: each command recomputes what it shows.
    ResultSet results_;
    HelpDesk* help_ = nullptr;
    bool startupWindowsScheduled_ = false;
    RecoveryKeeper* recovery_ = nullptr;
};

} // namespace linealidad
