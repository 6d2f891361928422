#pragma once

#include "core/charts/PlotOptions.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace linealidad {

// The chart options: title and axis labels, axis limits and grid strength of one chart, shared
// by both chart windows. It shows what a chart gives it and returns what the analyst left in
// its controls; the chart copies them back on OK.
class TOptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOptionsDlg(QWidget* parent = nullptr);

    // Fills the controls; `display` and `options` exchange the texts of the edits and the
    // selected grid strength.
    void display(const PlotOptions& options);
    PlotOptions options() const;

    // The three title lines also saved with a study.
    QString title() const;
    QString xAxis() const;
    QString yAxis() const;

    // F1 asks for help at this window's context number.
    std::function<void(int context)> onHelpRequested;

    // Cancel (Esc, the close box) puts back what the dialog was given: the title lines saved
    // with a study never take text the analyst cancelled.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Opened, the dialog is ready for typing: the focus is in the first box of its page.
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createTitlesPage();
    QWidget* createScalePage();
    QWidget* createGridPage();
    QLineEdit* edit(QWidget* page, const char* name, const QRect& geometry, int maximum);

    // Enter in a filled title edit moves the focus on (the default button takes Enter first).
    void TitleEditKeyPress(int key);
    void XLblEditKeyPress(int key);
    void YLblEditKeyPress(int key);

    QTabWidget* TabbedNotebook1_ = nullptr;
    QLineEdit* TitleEdit_ = nullptr;
    QLineEdit* XLblEdit_ = nullptr;
    QLineEdit* YLblEdit_ = nullptr;
    QLineEdit* XMinEdit_ = nullptr;
    QLineEdit* YMinEdit_ = nullptr;
    QLineEdit* XMaxEdit_ = nullptr;
    QLineEdit* YMaxEdit_ = nullptr;
    QButtonGroup* ReferenceGroup_ = nullptr;
    QPushButton* OKBtn_ = nullptr;
    QPushButton* CancelBtn_ = nullptr;
    PlotOptions shown_; // what display() was given
};

} // namespace linealidad
