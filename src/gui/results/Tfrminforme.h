#pragma once

#include "gui/results/ResultWindow.h"

#include <QHash>

#include <string>
#include <vector>

class QPlainTextEdit;

namespace linealidad {

// The report window: the whole study and its results as plain text, opened as wide as its
// longest line. The keys that read a text (arrows, Page Up/Down, Home/End, with Shift to
// select; Ctrl+A; Ctrl+C) and the mouse (selection, the copy menu) work in it; any other key
// closes it.
class Tfrminforme : public ResultWindow {
    Q_OBJECT
public:
    explicit Tfrminforme(ResultHost& host);

    // Adds lines after those the text holds, and shows the text from its start.
    void append(const std::vector<std::string>& lines);
    QString text() const;
    QPlainTextEdit* mminforme() const { return mminforme_; }
    // Ctrl+C: the selected text, or the whole report when nothing is selected.
    void copy() const override;

    // The "I&nforme" command; the window it opened, if it opened one.
    static Tfrminforme* mnuinformeClick(ResultHost& host);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int lineWidth(QStringView line);
    void fitToLongestLine();

    QPlainTextEdit* mminforme_;
    int longest_ = 0;              // the widest line so far, in pixels
    QHash<QChar, qreal> advances_; // each character's advance in the text's font
};

} // namespace linealidad
