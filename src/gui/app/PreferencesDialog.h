#pragma once

#include <QDialog>

class QLineEdit;

namespace linealidad {

// "Preferencias...": what the user sets once for every study. Holds the name of the company or
// laboratory ("Empresa o laboratorio") that heads the charts on screen, on paper and in images.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(QWidget* parent = nullptr);

    QString labName() const;
    void setLabName(const QString& name);

private:
    QLineEdit* labName_;
};

} // namespace linealidad
