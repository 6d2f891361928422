#pragma once

#include "gui/results/ResultWindow.h"

#include <string>
#include <vector>

class QPlainTextEdit;

namespace linealidad {

// The report window: the whole study and its results as plain text. Any key or mouse button
// pressed in the text closes it; scrolling does not.
class Tfrminforme : public ResultWindow {
    Q_OBJECT
public:
    explicit Tfrminforme(ResultHost& host);

    // Adds lines after those the text holds, and shows the text from its start.
    void append(const std::vector<std::string>& lines);
    QString text() const;
    QPlainTextEdit* mminforme() const { return mminforme_; }

    // The "I&nforme" command; the window it opened, if it opened one.
    static Tfrminforme* mnuinformeClick(ResultHost& host);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* mminforme_;
};

} // namespace linealidad
