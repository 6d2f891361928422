#include "app/TAboutBox.h"

#include "app/Glifos.h"
#include "app/helpcons.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace linealidad {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Acerca de"));
    setProperty("contextoAyuda", ayuda::kAcerca);
    setFixedSize(367, 251);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* dentro = new QGridLayout(panel);
    dentro->setContentsMargins(14, 14, 14, 14);

    auto* ProgramIcon = new QLabel(panel);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(emblemaPrograma(QSize(81, 73)));
    ProgramIcon->setFixedSize(81, 73);

    auto* ProductName = new QLabel(QStringLiteral("TARVEL v. w 3.1"), panel);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont negrita = ProductName->font();
    negrita.setBold(true);
    negrita.setPointSizeF(negrita.pointSizeF() * 1.5);
    ProductName->setFont(negrita);
    ProductName->setStyleSheet(QStringLiteral("color: blue;"));

    auto* laboratorio = new QLabel(QStringLiteral("Control de Calidad"), panel);
    auto* programa =
        new QLabel(QStringLiteral("Linealidad y Precisión del Sistema de Medición"), panel);
    programa->setWordWrap(true);

    dentro->addWidget(ProgramIcon, 0, 0, 3, 1, Qt::AlignTop);
    dentro->addWidget(ProductName, 0, 1);
    dentro->addWidget(laboratorio, 1, 1);
    dentro->addWidget(programa, 2, 1, Qt::AlignTop);
    dentro->setColumnStretch(1, 1);

    auto* OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* marco = new QVBoxLayout(this);
    marco->addWidget(panel, 1);
    marco->addWidget(OKButton, 0, Qt::AlignHCenter);
}

} // namespace linealidad
