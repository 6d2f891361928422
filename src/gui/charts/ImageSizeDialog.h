#pragma once

#include <QDialog>

class QSpinBox;

namespace linealidad {

// Asks the width and height in pixels of a chart image saved for a report.
class ImageSizeDialog : public QDialog {
    Q_OBJECT
public:
    // The size an image for a report gets unless the analyst chose another.
    static constexpr QSize kReportSize{1600, 1000};

    explicit ImageSizeDialog(QWidget* parent);

    void setImageSize(QSize size);
    QSize imageSize() const;

private:
    QSpinBox* width_;
    QSpinBox* height_;
};

} // namespace linealidad
