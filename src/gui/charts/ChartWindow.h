#pragma once

#include "core/charts/Plot.h"
#include "core/results/ResultSet.h"
#include "core/study/Study.h"

#include <QDialog>

#include <exception>

class QAction;
class QMenu;
class QPainter;
class QSize;

namespace linealidad {

class ChartHost;
enum class ChartImageFormat;
class PaintBox;
class TOptionsDlg;

// What sets the two chart windows apart: their names, caption and smallest size, and the names
// of the paint box and of the pop-up menu and its items.
struct ChartNames {
    const char* window;
    const char* title;
    QSize size;
    const char* box;
    const char* menu;
    const char* options;
    const char* printChart;
    const char* saveImage;
    const char* separator;
    const char* closeChart;
};

// A chart window: a paint box drawn by its own chart, and a right-click pop-up menu with the
// options dialog, printing, saving an image and closing. Each window has its own chart (model,
// limits, geometry); only the options dialog is shared. Created once with the main window,
// hidden when closed, and shown modally by the command that fills it. It stays on top of the
// other windows, so every window it opens (options, help, print, save image, image size) is
// its child, which window managers keep in front of it.
class ChartWindow : public QDialog {
    Q_OBJECT
public:
    Plot& plot() { return plot_; }
    const Plot& plot() const { return plot_; }

    // Empties the chart (curves, limits, grid strength; title and labels stay).
    void ClearPlot();
    // Shows the window modally; returns when it is closed. The first time it opens at three
    // quarters of the available screen (never below its smallest size), where the texts stand
    // at their proportional size; later it keeps the size the analyst left.
    void showModal();
    QSize openingSize() const;
    // Draws the chart again from its model.
    void RedrawPlot();

    QWidget* PlotterBox() const;
    QMenu* PlotterPopupMenu() const { return menu_; }

protected:
    ChartWindow(PlotKind kind, const ChartNames& names, ChartHost& host, TOptionsDlg& options,
                QWidget* parent);

    // A chart's sequence: the study's numbers into the shared results and the chart's curves.
    using ChartCommand = void (*)(const Study& study, char decimal, ResultSet& results,
                                  ChartModel& model);
    // The host's study, when it passes its checks, drawn by `command` on an emptied chart, then
    // shown until closed; a fault ends in the generic error report, with nothing shown.
    void openFromHost(ChartCommand command);

    // The commands of the pop-up menu.
    void optionsClick();
    void printClick();
    void saveImageClick();
    void closeClick();

    // Hiding the window ends it: the chart is cleared as when it was created.
    void done(int result) override;
    bool event(QEvent* event) override;

    ChartHost& host() { return host_; }

private:
    void FormCreate();
    void FormClose();
    void reportFailure(std::exception_ptr failure);
    void PBP(QPainter& painter);
    void createMenu(const ChartNames& names);
    QAction* item(const char* name, const QString& title, void (ChartWindow::*command)());
    // The chart in a file of the given form: the window's size, or `size` for a sized PNG.
    QByteArray imageFile(ChartImageFormat format, QSize size, const Study& study);
    char decimal() const;

    Plot plot_;
    ChartHost& host_;
    TOptionsDlg& OptionsDlg_;
    PaintBox* box_ = nullptr;
    QMenu* menu_ = nullptr;
    QSize smallest_;
    bool sized_ = false; // opened once at its opening size
    // The last size chosen for an image, offered again.
    QSize imageSize_;
    // A drawing failed: the box stays blank until the chart changes, so the fault is reported
    // once instead of at every paint.
    bool failed_ = false;
};

} // namespace linealidad
