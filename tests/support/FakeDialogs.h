#pragma once

#include "gui/common/Dialogs.h"

#include <QDialog>
#include <QPrinter>
#include <QStringList>

#include <functional>
#include <optional>

namespace linealidad::test {

// The dialogs of the program, answered by the test: every text shown is recorded; questions
// and file dialogs get the answers set beforehand.
class FakeDialogs : public Dialogs {
public:
    QStringList messages;
    QStringList errors;
    QStringList questions;
    QList<FileDialogSpec> dialogs;
    bool answer = false; // Yes to every question when true
    // The answer to a question that can be cancelled; unset: Yes or No as `answer` says.
    std::optional<Answer> choice;
    // The answer to the offer of a left study; unset: Recover or Discard as `answer` says.
    std::optional<RecoveryChoice> recoveryChoice;
    QString openFileDialog;       // the file the open dialog returns; empty: cancelled
    QString saveFileDialog;       // the file the save dialog returns; empty: cancelled
    QString tableFileDialog;      // the file the table dialog returns; empty: cancelled
    std::function<void()> onShow; // runs while a message box or the recovery offer "is open"
    QString imageFile;            // the file the image dialog returns; empty: cancelled
    // The filter chosen in the image dialog; the file's extension may name another form.
    ChartImageFormat imageFilter = ChartImageFormat::WindowPng;
    QString printFile;   // the PDF file "printed" to; empty: print dialog cancelled
    QString pdfFile;     // the file the PDF dialog returns; empty: cancelled
    QStringList parents; // the parents of the print and image dialogs, by object name
    QStringList modals;  // the windows shown modally, by object name
    // Answers a modal window in place of its user; without it the window is shown non-modally
    // (so the test can look at it and close it) and the call returns at once with Rejected.
    std::function<int(QDialog&)> onShowModal;

    void message(const QString& text) override {
        messages << text;
        if (onShow)
            onShow();
    }
    bool question(const QString& title, const QString& text) override {
        questions << title + QLatin1Char('|') + text;
        return answer;
    }
    bool confirm(const QString& title, const QString& text) override {
        return question(title, text);
    }
    Answer questionOrCancel(const QString& title, const QString& text) override {
        questions << title + QLatin1Char('|') + text;
        return choice.value_or(answer ? Answer::Yes : Answer::No);
    }
    RecoveryChoice recoveryOffer(const QString& title, const QString& text) override {
        questions << title + QLatin1Char('|') + text;
        if (onShow)
            onShow();
        return recoveryChoice.value_or(answer ? RecoveryChoice::Recover : RecoveryChoice::Discard);
    }
    void error(const QString& text) override {
        errors << text;
        if (onShow)
            onShow();
    }
    QString openFileName(const FileDialogSpec& d) override {
        dialogs << d;
        return openFileDialog;
    }
    QString saveFileName(const FileDialogSpec& d) override {
        dialogs << d;
        return saveFileDialog;
    }
    QString tableFileName(const FileDialogSpec& d) override {
        dialogs << d;
        return tableFileDialog;
    }
    ChartImageTarget imageFileName(const FileDialogSpec& d, QWidget* parent) override {
        dialogs << d;
        parents << (parent ? parent->objectName() : QString());
        return {imageFile, imageFormatFor(imageFile, imageFilter)};
    }
    bool printDialog(QPrinter& printer, QWidget* parent) override {
        parents << (parent ? parent->objectName() : QString());
        if (printFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
        return true;
    }
    QString pdfFileName(const FileDialogSpec& d, QWidget* parent) override {
        dialogs << d;
        parents << (parent ? parent->objectName() : QString());
        return pdfFile;
    }
    int showModal(QDialog& window) override {
        modals << window.objectName();
        if (onShowModal)
            return onShowModal(window);
        window.show();
        return QDialog::Rejected;
    }
};

} // namespace linealidad::test
