#pragma once

#include "core/charts/Plot.h"

#include <QDialog>

#include <exception>

class QAction;
class QMenu;
class QPainter;
class QSize;

namespace linealidad {

class ChartHost;
class PaintBox;
class TOptionsDlg;

// What sets the two chart windows apart: their names, caption and size, and the names of the
// paint box and of the pop-up menu and its items.
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
// hidden when closed, and shown modally by the command that fills it.
class ChartWindow : public QDialog {
    Q_OBJECT
public:
    Plot& plot() { return plot_; }
    const Plot& plot() const { return plot_; }

    // Empties the chart (curves, limits, grid strength; title and labels stay).
    void ClearPlot();
    // Shows the window modally; returns when it is closed.
    void showModal();
    // Draws the chart again from its model.
    void RedrawPlot();

    QWidget* PlotterBox() const;
    QMenu* PlotterPopupMenu() const { return menu_; }

protected:
    ChartWindow(PlotKind kind, const ChartNames& names, ChartHost& host, TOptionsDlg& options,
                QWidget* parent);

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
    // The screen drawing on an image or a PDF document of the paint box's size.
    QByteArray pngImage();
    QByteArray pdfDocument();
    char decimal() const;

    Plot plot_;
    ChartHost& host_;
    TOptionsDlg& OptionsDlg_;
    PaintBox* box_ = nullptr;
    QMenu* menu_ = nullptr;
    // A drawing failed: the box stays blank until the chart changes, so the fault is reported
    // once instead of at every paint.
    bool failed_ = false;
};

} // namespace linealidad
