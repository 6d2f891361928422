#include "app/TFshow.h"

#include "app/Glifos.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace linealidad {

TFshow::TFshow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      Timer1_(new QTimer(this)) {
    setObjectName(QStringLiteral("Fshow"));
    setFixedSize(503, 404);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    auto* marco = new QVBoxLayout(this);
    marco->setContentsMargins(0, 0, 0, 0);
    marco->addWidget(panel);
    auto* columna = new QVBoxLayout(panel);
    columna->setContentsMargins(12, 8, 12, 12);

    auto* producto = new QLabel(QStringLiteral("TARVEL v. w 3.1"), panel);
    QFont titulo;
    titulo.setFamilies({QStringLiteral("Matura MT Script Capitals"),
                        QStringLiteral("URW Chancery L"), QStringLiteral("Z003"),
                        QStringLiteral("Liberation Serif")});
    titulo.setPixelSize(27);
    titulo.setBold(true);
    titulo.setItalic(true);
    producto->setFont(titulo);
    producto->setStyleSheet(QStringLiteral("color: navy;"));
    producto->setAlignment(Qt::AlignCenter);
    columna->addWidget(producto);

    auto* imagen = new QLabel(panel);
    imagen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    imagen->setPixmap(imagenPresentacion(QSize(373, 285)));
    imagen->setFixedSize(373 + 4, 285 + 4);
    imagen->setAlignment(Qt::AlignCenter);
    columna->addWidget(imagen, 0, Qt::AlignHCenter);

    auto* calidad = new QLabel(QStringLiteral("Control de Calidad"), panel);
    QFont times(QStringLiteral("Times New Roman"));
    times.setPixelSize(22);
    times.setBold(true);
    times.setItalic(true);
    calidad->setFont(times);
    calidad->setAlignment(Qt::AlignCenter);
    columna->addWidget(calidad);

    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        move(pantalla->availableGeometry().center() - rect().center());

    Timer1_->setSingleShot(true);
    Timer1_->setInterval(3000);
    connect(Timer1_, &QTimer::timeout, this, &TFshow::Timer1Timer);
}

void TFshow::activaTemporizador() {
    Timer1_->start();
}

void TFshow::Timer1Timer() {
    Timer1_->stop();
    close();
}

} // namespace linealidad
