#include "results/Tfrmpredice.h"

#include "app/EjecutaComando.h"
#include "app/Interaccion.h"
#include "app/Regional.h"
#include "app/TMainForm.h"
#include "app/helpcons.h"
#include "stats/CalculaRegresion.h"
#include "study/TFinforma.h"
#include "text/NumberFormat.h"
#include "text/NumberParse.h"
#include "widgets/StringGridModel.h"
#include "widgets/StringGridView.h"
#include "widgets/VigilanteFoco.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace linealidad {
namespace {

const QString kCeldasNoCoinciden =
    QStringLiteral("El número de celdas de captura no coincide con el número de niveles.");

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, int x, int y,
                 bool negrita = false) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    if (negrita) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    l->move(x, y);
    l->adjustSize();
    return l;
}

void pinta(QLabel* l, const QColor& color) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
}

} // namespace

Tfrmpredice::Tfrmpredice(std::function<Interaccion&()> interaccion, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      interaccion_(std::move(interaccion)) {
    setObjectName(QStringLiteral("frmpredice"));
    setWindowTitle(QStringLiteral("Predicciones"));
    setProperty("contextoAyuda", ayuda::kPredicciones);
    setFixedSize(453, 336);

    modelo_ = new StringGridModel(celdas_, 0, 1, this);
    stgpredice_ = new StringGridView(this);
    stgpredice_->setObjectName(QStringLiteral("stgpredice"));
    stgpredice_->setGridModel(modelo_);
    stgpredice_->setDefaultColumnWidth(100);
    stgpredice_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stgpredice_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    stgpredice_->setGeometry(24, 48, 225, 249);
    connect(stgpredice_, &StringGridView::keyPressed, this, &Tfrmpredice::stgprediceKeyPress);

    epredice_ = new QLineEdit(QStringLiteral("3"), this);
    epredice_->setObjectName(QStringLiteral("epredice"));
    epredice_->setGeometry(402, 56, 33, 25);
    auto* Label1 = etiqueta(this, "Label1", QStringLiteral("&Número de Datos :"), 274, 64);
    Label1->setBuddy(epredice_);

    btnok_ = new QPushButton(QStringLiteral("&Aceptar"), this);
    btnok_->setObjectName(QStringLiteral("btnok"));
    btnok_->setGeometry(274, 88, 105, 22);
    btnok_->setDefault(true);
    connect(btnok_, &QPushButton::clicked, this, &Tfrmpredice::btnokClick);

    btncalcula_ = new QPushButton(QStringLiteral("&Calcula Predicción"), this);
    btncalcula_->setObjectName(QStringLiteral("btncalcula"));
    btncalcula_->setGeometry(274, 220, 145, 25);
    connect(btncalcula_, &QPushButton::clicked, this, &Tfrmpredice::btncalculaClick);

    auto* cerrar = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                   QStringLiteral("Cerrar &ventana"), this);
    cerrar->setObjectName(QStringLiteral("BtBtncerrar"));
    cerrar->setGeometry(274, 260, 145, 25);
    connect(cerrar, &QPushButton::clicked, this, &QDialog::accept);
    // The buttons act on what is typed as it stands; they do not take the focus on a click.
    for (QPushButton* b : {btnok_, btncalcula_, cerrar}) {
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoDefault(false);
    }
    btnok_->setDefault(true);

    etiqueta(this, "lblY", QStringLiteral(" Y   ="), 96, 16);
    lblm1_ = etiqueta(this, "lblm1", QStringLiteral("("), 136, 16, true);
    lblm_ = etiqueta(this, "lblm", QString(), 150, 16, true);
    lblm2_ = etiqueta(this, "lblm2", QStringLiteral(")"), 225, 16, true);
    etiqueta(this, "lblx", QStringLiteral("X"), 234, 16);
    etiqueta(this, "lblmas", QStringLiteral("+"), 253, 16);
    lblb1_ = etiqueta(this, "lblb1", QStringLiteral("("), 264, 16, true);
    lblB_ = etiqueta(this, "lblB", QString(), 283, 16, true);
    lblb2_ = etiqueta(this, "lblb2", QStringLiteral(")"), 360, 16, true);
    for (QLabel* parentesis : {lblm1_, lblm2_, lblb1_, lblb2_})
        pinta(parentesis, Qt::red);
    etiqueta(this, "Label2", QStringLiteral("COEFICIENTE DE DETERMINACION  (R^2) ="), 24, 312);
    LBLCD_ = etiqueta(this, "LBLCD", QString(), 329, 312, true);
    LBLCD_->resize(104, 17);
    pinta(LBLCD_, QColor(0, 0, 128));

    setTabOrder(stgpredice_, epredice_);
    setTabOrder(epredice_, btnok_);
    setTabOrder(btnok_, btncalcula_);
    setTabOrder(btncalcula_, cerrar);

    vigilante_ = new VigilanteFoco(this, interaccion_);
    vigilante_->vigila(epredice_, [this] { return eprediceExit(); });
    vigilante_->vigila(
        stgpredice_, [this] { return stgprediceExit(); }, [this] { stgprediceEnter(); });
    FormCreate();
}

void Tfrmpredice::FormCreate() {
    celdas_.setCell(0, 0, "          X");
    celdas_.setCell(1, 0, "          Y");
    modelo_->reload();
    stgpredice_->setCurrentCell(0, 1);
}

void Tfrmpredice::presenta(const ResultadosRegresion& R, char decimal) {
    decimal_ = decimal;
    lblm_->setText(QString::fromStdString(formatGeneral(R.Pendiente, 6, decimal)));
    lblB_->setText(QString::fromStdString(formatGeneral(R.Ordenada, 6, decimal)));
    LBLCD_->setText(QString::fromStdString(formatGeneral(R.R2, 8, decimal)));
    lblm_->adjustSize();
    lblB_->adjustSize();
    colorea(lblm_, lblm1_, lblm2_, R.Pendiente);
    colorea(lblB_, lblb1_, lblb2_, R.Ordenada);
}

// A value of zero or more is blue without parentheses; a negative one red between them.
void Tfrmpredice::colorea(QLabel* valor, QLabel* abre, QLabel* cierra, double numero) {
    const bool negativo = !(numero >= 0);
    pinta(valor, negativo ? Qt::red : Qt::blue);
    abre->setVisible(negativo);
    cierra->setVisible(negativo);
}

bool Tfrmpredice::numeroDeDatosValido() {
    if (epredice_->text().isEmpty()) {
        vigilante_->rechaza(QStringLiteral("Falta capturar el número de datos que desea predecir."),
                            epredice_);
        return false;
    }
    const int k = parseInteger(epredice_->text().toStdString());
    if (k < 1 || k > 10) {
        vigilante_->rechaza(QStringLiteral("Datos fuera de rango, 1-10 Datos"), epredice_);
        return false;
    }
    return true;
}

void Tfrmpredice::btnokClick() {
    ejecutaComando(interaccion_(), [this] {
        if (!numeroDeDatosValido())
            return;
        celdas_.setRowCount(parseInteger(epredice_->text().toStdString()) + 1);
        modelo_->reload();
    });
}

bool Tfrmpredice::eprediceExit() {
    return numeroDeDatosValido();
}

void Tfrmpredice::stgprediceEnter() {
    if (parseInteger(epredice_->text().toStdString()) != celdas_.rowCount() - 1)
        vigilante_->rechaza(kCeldasNoCoinciden, epredice_);
}

void Tfrmpredice::stgprediceKeyPress(QChar) {
    if (stgpredice_->col() == 1)
        stgpredice_->setTabMovesBetweenCells(stgpredice_->row() != celdas_.rowCount() - 1);
}

bool Tfrmpredice::stgprediceExit() {
    stgpredice_->setTabMovesBetweenCells(true);
    stgpredice_->setCurrentCell(1, 1);
    return true;
}

void Tfrmpredice::btncalculaClick() {
    ejecutaComando(interaccion_(), [this] {
        const int k = parseInteger(epredice_->text().toStdString());
        if (k != celdas_.rowCount() - 1) {
            interaccion_().mensaje(kCeldasNoCoinciden);
            vigilante_->enfoca(epredice_);
            return;
        }
        for (int i = 1; i <= k; ++i) {
            if (celdas_.cell(0, i).empty()) {
                interaccion_().mensaje(QStringLiteral("Falta capturar el dato No. ") +
                                       QString::number(i));
                vigilante_->enfoca(stgpredice_);
                return;
            }
        }
        // The equation as shown: slope and intercept rounded to six digits.
        const double m = parseFloat(lblm_->text().toStdString(), decimal_);
        const double b = parseFloat(lblB_->text().toStdString(), decimal_);
        for (int i = 1; i <= k; ++i) {
            const double x = parseFloat(celdas_.cell(0, i), decimal_);
            celdas_.setCell(1, i, formatGeneral(m * x + b, 6, decimal_));
        }
        modelo_->reload();
    });
}

void Tfrmpredice::mnuprediceClick(TMainForm& m) {
    if (!m.validaEstudio() || !m.frmpredice)
        return;
    const char decimal = separadorDecimal();
    const bool calculado = ejecutaComando(m.interaccion(), [&] {
        CalculaRegresion(m.Finforma->estudio(), decimal, m.regresion, m.PendienteCero);
    });
    if (!calculado)
        return;
    m.frmpredice->presenta(m.regresion, decimal);
    m.frmpredice->exec();
}

} // namespace linealidad
