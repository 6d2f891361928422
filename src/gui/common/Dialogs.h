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

// The forms a chart is saved in.
enum class ChartImageFormat {
    WindowPng, // a PNG image of the window's size
    SizedPng,  // a PNG image of a size the analyst chooses, for a report
    Pdf,       // one PDF page of the window's size
    Svg,       // an SVG drawing of the window's size, sharp at any size
};

// Where a chart image goes and in which form; an empty path when the dialog was cancelled.
struct ChartImageTarget {
    QString path;
    ChartImageFormat format = ChartImageFormat::WindowPng;
};

// The form for a file name: its extension when it names a form (".pdf", ".svg", ".png"),
// otherwise the form of the chosen filter. A ".png" name keeps the chosen PNG size.
ChartImageFormat imageFormatFor(const QString& path, ChartImageFormat chosen);

// Every message box, question box and file dialog of the program goes through this interface,
// so tests replace it and run without blocking.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with an OK button.
    virtual void message(const QString& text) = 0;
    // A Yes/No question box with a question icon and No as the default button; true for Yes.
    virtual bool question(const QString& title, const QString& text) = 0;
    // A Yes/No question box with Yes ("Sí") as the default button, for a question whose answer
    // is nearly always Yes.
    virtual bool confirm(const QString& title, const QString& text) = 0;
    // The same box with a "Cancelar" button as well, which Escape presses; No stays the default.
    enum class Answer { Yes, No, Cancel };
    virtual Answer questionOrCancel(const QString& title, const QString& text) = 0;
    // The offer of a study left unsaved: "&Recuperar" (the default), "&Descartar" and
    // "Más &tarde", which Escape and the close box press, since only an explicit choice may
    // throw the study away.
    enum class RecoveryChoice { Recover, Discard, Later };
    virtual RecoveryChoice recoveryOffer(const QString& title, const QString& text) = 0;
    // The generic error report: stop icon, OK button, the application's title.
    virtual void error(const QString& text) = 0;
    // The open and save dialogs of study files; an empty name when cancelled.
    virtual QString openFileName(const FileDialogSpec& dialog) = 0;
    virtual QString saveFileName(const FileDialogSpec& dialog) = 0;
    // The open dialog of a table (CSV or tab-separated text); an empty name when cancelled.
    virtual QString tableFileName(const FileDialogSpec& dialog) = 0;
    // The save dialog of a chart image (PNG of the window's size or of another, PDF, SVG),
    // opened in front of `parent`, the chart.
    virtual ChartImageTarget imageFileName(const FileDialogSpec& dialog, QWidget* parent) = 0;
    // The system print dialog for `printer`, in front of `parent`; true when the analyst
    // confirmed it.
    virtual bool printDialog(QPrinter& printer, QWidget* parent) = 0;
    // The save dialog of a PDF document, in front of `parent`; an empty name when cancelled.
    virtual QString pdfFileName(const FileDialogSpec& dialog, QWidget* parent) = 0;
    // Shows a window modally and returns its result once it is closed.
    virtual int showModal(QDialog& window) = 0;
};

// The dialogs of the platform, parented to `window`.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* window) : window_(window) {}

    void message(const QString& text) override;
    bool question(const QString& title, const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    Answer questionOrCancel(const QString& title, const QString& text) override;
    RecoveryChoice recoveryOffer(const QString& title, const QString& text) override;
    void error(const QString& text) override;
    QString openFileName(const FileDialogSpec& dialog) override;
    QString saveFileName(const FileDialogSpec& dialog) override;
    QString tableFileName(const FileDialogSpec& dialog) override;
    ChartImageTarget imageFileName(const FileDialogSpec& dialog, QWidget* parent) override;
    bool printDialog(QPrinter& printer, QWidget* parent) override;
    QString pdfFileName(const FileDialogSpec& dialog, QWidget* parent) override;
    int showModal(QDialog& window) override;

private:
    QWidget* window_;
};

} // namespace linealidad
