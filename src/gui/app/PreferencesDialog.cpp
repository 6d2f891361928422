#include "gui/app/PreferencesDialog.h"

#include "gui/common/helpcons.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace linealidad {

PreferencesDialog::PreferencesDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PreferencesDialog"));
    setWindowTitle(QStringLiteral("Preferencias"));
    setProperty(kHelpContextProperty, help::kPreferences);

    labName_ = new QLineEdit(this);
    labName_->setObjectName(QStringLiteral("labName"));
    labName_->setMinimumWidth(360);
    auto* form = new QFormLayout;
    auto* label = new QLabel(QStringLiteral("&Empresa o laboratorio:"), this);
    label->setBuddy(labName_);
    form->addRow(label, labName_);
    auto* note = new QLabel(
        QStringLiteral("Encabeza las gráficas en la pantalla, impresas y guardadas como imagen. "
                       "Vacío: el nombre de siempre."),
        this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

QString PreferencesDialog::labName() const {
    return labName_->text();
}

void PreferencesDialog::setLabName(const QString& name) {
    labName_->setText(name);
}

} // namespace linealidad
