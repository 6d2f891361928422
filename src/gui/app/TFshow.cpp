#include "gui/app/TFshow.h"

#include "gui/common/Glyphs.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace linealidad {
namespace {

// The first of `families` the computer has, or the last one. Naming only an installed face
// spares the font matcher a search for substitutes of every missing one, which would delay
// the first paint.
QString firstInstalled(const QStringList& families) {
    for (const QString& family : families)
        if (QFontDatabase::hasFamily(family))
            return family;
    return families.back();
}

} // namespace

TFshow::TFshow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      Timer1_(new QTimer(this)) {
    setObjectName(QStringLiteral("Fshow"));
    setFixedSize(503, 404);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(panel);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(12, 8, 12, 12);

    auto* product = new QLabel(QStringLiteral("TARVEL v. w 3.1"), panel);
    QFont title(firstInstalled({QStringLiteral("Matura MT Script Capitals"),
                                QStringLiteral("URW Chancery L"), QStringLiteral("Z003"),
                                QStringLiteral("Liberation Serif")}));
    title.setPixelSize(27);
    title.setBold(true);
    title.setItalic(true);
    product->setFont(title);
    product->setStyleSheet(QStringLiteral("color: navy;"));
    product->setAlignment(Qt::AlignCenter);
    column->addWidget(product);

    auto* image = new QLabel(panel);
    image->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    image->setPixmap(splashPicture(QSize(373, 285)));
    image->setFixedSize(373 + 4, 285 + 4);
    image->setAlignment(Qt::AlignCenter);
    column->addWidget(image, 0, Qt::AlignHCenter);

    auto* quality = new QLabel(QStringLiteral("Control de Calidad"), panel);
    QFont times(QStringLiteral("Times New Roman"));
    times.setPixelSize(22);
    times.setBold(true);
    times.setItalic(true);
    quality->setFont(times);
    quality->setAlignment(Qt::AlignCenter);
    column->addWidget(quality);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Timer1_->setSingleShot(true);
    Timer1_->setInterval(3000);
    connect(Timer1_, &QTimer::timeout, this, &TFshow::Timer1Timer);
}

void TFshow::startTimer() {
    Timer1_->start();
}

void TFshow::Timer1Timer() {
    Timer1_->stop();
    close();
}

} // namespace linealidad
