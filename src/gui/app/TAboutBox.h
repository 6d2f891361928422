#pragma once

#include <QDialog>

namespace linealidad {

// The about box: the program's emblem, name and laboratory; OK closes it.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

} // namespace linealidad
