#include "gui/charts/ImageSizeDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace linealidad {
namespace {

// From a thumbnail to a poster; larger images would take hundreds of megabytes to draw.
constexpr int kSmallest = 200;
constexpr int kLargest = 6000;

QSpinBox* pixels(QWidget* parent, const char* name) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(kSmallest, kLargest);
    box->setSingleStep(100);
    box->setSuffix(QStringLiteral(" píxeles"));
    return box;
}

} // namespace

ImageSizeDialog::ImageSizeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ImageSizeDialog"));
    setWindowTitle(QStringLiteral("Tamaño de la imagen"));
    width_ = pixels(this, "imageWidth");
    height_ = pixels(this, "imageHeight");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Ancho:"), width_);
    form->addRow(QStringLiteral("A&lto:"), height_);
    form->addRow(buttons);
    setImageSize(kReportSize);
}

void ImageSizeDialog::setImageSize(QSize size) {
    width_->setValue(size.width());
    height_->setValue(size.height());
}

QSize ImageSizeDialog::imageSize() const {
    return {width_->value(), height_->value()};
}

} // namespace linealidad
