#include "gui/app/TAboutBox.h"

#include "gui/common/Glyphs.h"
#include "gui/common/helpcons.h"

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
    setProperty(kHelpContextProperty, help::kAbout);
    setFixedSize(367, 251);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* inside = new QGridLayout(panel);
    inside->setContentsMargins(14, 14, 14, 14);

    auto* ProgramIcon = new QLabel(panel);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(programEmblem(QSize(81, 73)));
    ProgramIcon->setFixedSize(81, 73);

    auto* ProductName = new QLabel(QStringLiteral("TARVEL v. w 3.1"), panel);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont bold = ProductName->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    ProductName->setFont(bold);
    ProductName->setStyleSheet(QStringLiteral("color: blue;"));

    auto* laboratory = new QLabel(QStringLiteral("Control de Calidad"), panel);
    auto* program =
        new QLabel(QStringLiteral("Linealidad y Precisión del Sistema de Medición"), panel);
    program->setWordWrap(true);

    inside->addWidget(ProgramIcon, 0, 0, 3, 1, Qt::AlignTop);
    inside->addWidget(ProductName, 0, 1);
    inside->addWidget(laboratory, 1, 1);
    inside->addWidget(program, 2, 1, Qt::AlignTop);
    inside->setColumnStretch(1, 1);

    auto* OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* frame = new QVBoxLayout(this);
    frame->addWidget(panel, 1);
    frame->addWidget(OKButton, 0, Qt::AlignHCenter);
}

} // namespace linealidad
