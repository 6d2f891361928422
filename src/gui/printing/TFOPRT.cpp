#include "gui/printing/TFOPRT.h"

#include "gui/widgets/RadioGroup.h"

#include <QPushButton>
#include <QStyle>

namespace linealidad {

TFOPRT::TFOPRT(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FOPRT"));
    setWindowTitle(QStringLiteral("Opciones de impresión"));
    setFixedSize(316, 272);

    // "Selecione" is the program's own slip: do not correct it.
    SELECPRT_ = new RadioGroup(
        QStringLiteral("Selecione la Impresora :"),
        {QStringLiteral("Impresora DeskJet"), QStringLiteral("Impresora Laser Jet")}, this);
    SELECPRT_->setObjectName(QStringLiteral("SELECPRT"));
    SELECPRT_->setGeometry(16, 12, 284, 84);
    SELECPRT_->setItemIndex(0);

    SELECMAR_ = new RadioGroup(
        QStringLiteral("Selecciona margen:"),
        {QStringLiteral("1 cm"), QStringLiteral("1.5 cm"), QStringLiteral("2.0 cm")}, this);
    SELECMAR_->setObjectName(QStringLiteral("SELECMAR"));
    SELECMAR_->setGeometry(16, 104, 284, 108);
    SELECMAR_->setItemIndex(1);

    auto* BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                                    QStringLiteral("Aceptar"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(106, 224, 104, 33);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TFOPRT::BitBtn1Click);
}

int TFOPRT::SELECPRTIndex() const {
    return SELECPRT_->itemIndex();
}

void TFOPRT::setSELECPRTIndex(int index) {
    SELECPRT_->setItemIndex(index);
}

int TFOPRT::SELECMARIndex() const {
    return SELECMAR_->itemIndex();
}

void TFOPRT::setSELECMARIndex(int index) {
    SELECMAR_->setItemIndex(index);
}

void TFOPRT::setOptionsWindows(QWidget* deskjet, QWidget* laser) {
    Fopprt_ = deskjet;
    Fopprt1_ = laser;
}

void TFOPRT::BitBtn1Click() {
    QWidget* chosen = nullptr;
    if (SELECPRTIndex() == 0)
        chosen = Fopprt_;
    else if (SELECPRTIndex() == 1)
        chosen = Fopprt1_;
    if (chosen) {
        chosen->show();
        chosen->raise();
    }
    accept();
}

} // namespace linealidad
