#pragma once

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

namespace linealidad {

// The title of the application, of its message boxes and of the generic error report.
inline const QString kApplicationTitle =
    QStringLiteral("Linealidad y Precisión del Sistema de Medición");

// A file dialog as the program describes it.
struct FileDialogSpec {
    QString title;
    QString initialName; // empty: none
};

// Every message box, question box and file dialog of the program goes through this interface,
// so tests replace it and run without blocking.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with an OK button.
    virtual void message(const QString& text) = 0;
    // A Yes/No question box with a question icon and No as the default button; true for Yes.
    virtual bool question(const QString& title, const QString& text) = 0;
    // The same box with a "Cancelar" button as well, which Escape presses; No stays the default.
    enum class Answer { Yes, No, Cancel };
    virtual Answer questionOrCancel(const QString& title, const QString& text) = 0;
    // The generic error report: stop icon, OK button, the application's title.
    virtual void error(const QString& text) = 0;
    // The open and save dialogs of study files; an empty name when cancelled.
    virtual QString openFileName(const FileDialogSpec& dialog) = 0;
    virtual QString saveFileName(const FileDialogSpec& dialog) = 0;
    // The open dialog of a table (CSV or tab-separated text); an empty name when cancelled.
    virtual QString tableFileName(const FileDialogSpec& dialog) = 0;
    // The save dialog of a chart image, PNG or PDF; an empty name when cancelled.
    virtual QString imageFileName(const FileDialogSpec& dialog) = 0;
    // The system print dialog for `printer`; true when the analyst confirmed it.
    virtual bool printDialog(QPrinter& printer) = 0;
    // Shows a window modally and returns its result once it is closed.
    virtual int showModal(QDialog& window) = 0;
};

// The dialogs of the platform, parented to `window`.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* window) : window_(window) {}

    void message(const QString& text) override;
    bool question(const QString& title, const QString& text) override;
    Answer questionOrCancel(const QString& title, const QString& text) override;
    void error(const QString& text) override;
    QString openFileName(const FileDialogSpec& dialog) override;
    QString saveFileName(const FileDialogSpec& dialog) override;
    QString tableFileName(const FileDialogSpec& dialog) override;
    QString imageFileName(const FileDialogSpec& dialog) override;
    bool printDialog(QPrinter& printer) override;
    int showModal(QDialog& window) override;

private:
    QWidget* window_;
};

} // namespace linealidad
