#pragma once

#include "core/text/TabSeparated.h"

#include <QMdiSubWindow>

class QMdiArea;
class QPlainTextEdit;

namespace linealidad {

class ResultHost;
class TextColumn;

// A result window: a child window of the main frame that holds only its text, independent of
// the study once written, destroyed when closed. Closing the last child window switches
// "&Nuevo" and "&Abrir..." back on.
class ResultWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    ResultWindow(ResultHost& host, const QString& title, const QSize& size, int helpContext);

    // Adds the window to the frame, centred, and shows it.
    void showIn(QMdiArea* area);

    // Ctrl+C: the window's text to the clipboard as a spreadsheet takes it.
    virtual void copy() const;

protected:
    void closeEvent(QCloseEvent* event) override;

    // The main window that runs the window's commands.
    ResultHost& host() const { return host_; }

    // A read-only text that cannot be selected or edited, with the button-face background.
    static QPlainTextEdit* fixedMemo(QWidget* parent, const char* name);
    // The same look for a column of lines too long for a text edit to open quickly.
    static TextColumn* fixedColumn(QWidget* parent, const char* name);
    // A pop-up menu with the single item "cerrar", for `widget`.
    void addCloseMenu(QWidget* widget);
    // What Ctrl+C copies; nothing unless the window says.
    virtual CellRows copyCells() const { return {}; }

private:
    ResultHost& host_;
    QString title_; // shown once the window is in place
};

// Lines of text joined for a memo, and a memo's text split into its lines.
QString onePerLine(const std::vector<std::string>& lines);
std::vector<std::string> linesOf(const QString& text);

} // namespace linealidad
