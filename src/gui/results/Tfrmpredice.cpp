#include "gui/results/Tfrmpredice.h"

#include "core/results/ResultSet.h"
#include "core/text/NumberFormat.h"
#include "core/text/NumberParse.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/common/Dialogs.h"
#include "gui/common/ResultHost.h"
#include "gui/common/RunCommand.h"
#include "gui/common/helpcons.h"
#include "gui/widgets/FocusGuard.h"
#include "gui/widgets/StringGridModel.h"
#include "gui/widgets/StringGridView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace linealidad {
namespace {

const QString kCellsDoNotMatch =
    QStringLiteral("El número de celdas de captura no coincide con el número de niveles.");

QLabel* label(QWidget* padre, const char* name, const QString& text, int x, int y,
              bool bold = false) {
    auto* l = new QLabel(text, padre);
    l->setObjectName(QString::fromLatin1(name));
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    l->move(x, y);
    l->adjustSize();
    return l;
}

void paint(QLabel* l, const QColor& color) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
}

} // namespace

Tfrmpredice::Tfrmpredice(std::function<Dialogs&()> dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      dialogs_(std::move(dialogs)) {
    setObjectName(QStringLiteral("frmpredice"));
    setWindowTitle(QStringLiteral("Predicciones"));
    setProperty("helpContext", help::kPredictions);
    setFixedSize(453, 336);

    model_ = new StringGridModel(cells_, 0, 1, this);
    stgpredice_ = new StringGridView(this);
    stgpredice_->setObjectName(QStringLiteral("stgpredice"));
    stgpredice_->setGridModel(model_);
    stgpredice_->setDefaultColumnWidth(100);
    stgpredice_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stgpredice_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    stgpredice_->setGeometry(24, 48, 225, 249);
    connect(stgpredice_, &StringGridView::keyPressed, this, &Tfrmpredice::stgprediceKeyPress);

    epredice_ = new QLineEdit(QStringLiteral("3"), this);
    epredice_->setObjectName(QStringLiteral("epredice"));
    epredice_->setGeometry(402, 56, 33, 25);
    auto* Label1 = label(this, "Label1", QStringLiteral("&Número de Datos :"), 274, 64);
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

    auto* closeWindow = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                        QStringLiteral("Cerrar &ventana"), this);
    closeWindow->setObjectName(QStringLiteral("BtBtncerrar"));
    closeWindow->setGeometry(274, 260, 145, 25);
    connect(closeWindow, &QPushButton::clicked, this, &QDialog::accept);
    // The buttons act on what is typed as it stands; they do not take the focus on a click.
    for (QPushButton* b : {btnok_, btncalcula_, closeWindow}) {
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoDefault(false);
    }
    btnok_->setDefault(true);

    label(this, "lblY", QStringLiteral(" Y   ="), 96, 16);
    lblm1_ = label(this, "lblm1", QStringLiteral("("), 136, 16, true);
    lblm_ = label(this, "lblm", QString(), 150, 16, true);
    lblm2_ = label(this, "lblm2", QStringLiteral(")"), 225, 16, true);
    label(this, "lblx", QStringLiteral("X"), 234, 16);
    label(this, "lblmas", QStringLiteral("+"), 253, 16);
    lblb1_ = label(this, "lblb1", QStringLiteral("("), 264, 16, true);
    lblB_ = label(this, "lblB", QString(), 283, 16, true);
    lblb2_ = label(this, "lblb2", QStringLiteral(")"), 360, 16, true);
    for (QLabel* parenthesis : {lblm1_, lblm2_, lblb1_, lblb2_})
        paint(parenthesis, Qt::red);
    label(this, "Label2", QStringLiteral("COEFICIENTE DE DETERMINACION  (R^2) ="), 24, 312);
    LBLCD_ = label(this, "LBLCD", QString(), 329, 312, true);
    LBLCD_->resize(104, 17);
    paint(LBLCD_, QColor(0, 0, 128));

    setTabOrder(stgpredice_, epredice_);
    setTabOrder(epredice_, btnok_);
    setTabOrder(btnok_, btncalcula_);
    setTabOrder(btncalcula_, closeWindow);

    guard_ = new FocusGuard(this, dialogs_);
    guard_->watch(epredice_, [this] { return eprediceExit(); });
    guard_->watch(
        stgpredice_, [this] { return stgprediceExit(); }, [this] { stgprediceEnter(); });
    FormCreate();
}

void Tfrmpredice::FormCreate() {
    cells_.setCell(0, 0, "          X");
    cells_.setCell(1, 0, "          Y");
    model_->reload();
    stgpredice_->setCurrentCell(0, 1);
}

// The equation predicts with the slope and intercept as shown, rounded to six digits.
void Tfrmpredice::present(const ResultadosRegresion& R, char decimal) {
    decimal_ = decimal;
    const std::string slope = formatGeneral(R.Pendiente, 6, decimal);
    const std::string intercept = formatGeneral(R.Ordenada, 6, decimal);
    slope_ = parseFloat(slope, decimal);
    intercept_ = parseFloat(intercept, decimal);
    lblm_->setText(QString::fromStdString(slope));
    lblB_->setText(QString::fromStdString(intercept));
    LBLCD_->setText(QString::fromStdString(formatGeneral(R.R2, 8, decimal)));
    lblm_->adjustSize();
    lblB_->adjustSize();
    colour(lblm_, lblm1_, lblm2_, R.Pendiente);
    colour(lblB_, lblb1_, lblb2_, R.Ordenada);
}

// A value of zero or more is blue without parentheses; a negative one red between them.
void Tfrmpredice::colour(QLabel* valor, QLabel* openFile, QLabel* closeChart, double number) {
    const bool negative = !(number >= 0);
    paint(valor, negative ? Qt::red : Qt::blue);
    openFile->setVisible(negative);
    closeChart->setVisible(negative);
}

bool Tfrmpredice::valueCountIsValid() {
    if (epredice_->text().isEmpty()) {
        guard_->refuse(QStringLiteral("Falta capturar el número de datos que desea predecir."),
                       epredice_);
        return false;
    }
    const int k = parseInteger(epredice_->text().toStdString());
    if (k < 1 || k > 10) {
        guard_->refuse(QStringLiteral("Datos fuera de rango, 1-10 Datos"), epredice_);
        return false;
    }
    return true;
}

void Tfrmpredice::btnokClick() {
    runCommand(dialogs_(), [this] {
        if (!valueCountIsValid())
            return;
        cells_.setRowCount(parseInteger(epredice_->text().toStdString()) + 1);
        model_->reload();
    });
}

bool Tfrmpredice::eprediceExit() {
    return valueCountIsValid();
}

void Tfrmpredice::stgprediceEnter() {
    if (parseInteger(epredice_->text().toStdString()) != cells_.rowCount() - 1)
        guard_->refuse(kCellsDoNotMatch, epredice_);
}

void Tfrmpredice::stgprediceKeyPress(QChar) {
    if (stgpredice_->col() == 1)
        stgpredice_->setTabMovesBetweenCells(stgpredice_->row() != cells_.rowCount() - 1);
}

bool Tfrmpredice::stgprediceExit() {
    stgpredice_->setTabMovesBetweenCells(true);
    stgpredice_->setCurrentCell(1, 1);
    return true;
}

void Tfrmpredice::btncalculaClick() {
    runCommand(dialogs_(), [this] {
        const int k = parseInteger(epredice_->text().toStdString());
        if (k != cells_.rowCount() - 1) {
            dialogs_().message(kCellsDoNotMatch);
            guard_->focus(epredice_);
            return;
        }
        for (int i = 1; i <= k; ++i) {
            if (cells_.cell(0, i).empty()) {
                dialogs_().message(QStringLiteral("Falta capturar el dato No. ") +
                                   QString::number(i));
                guard_->focus(stgpredice_);
                return;
            }
        }
        for (int i = 1; i <= k; ++i) {
            const double x = parseFloat(cells_.cell(0, i), decimal_);
            cells_.setCell(1, i, formatGeneral(slope_ * x + intercept_, 6, decimal_));
        }
        model_->reload();
    });
}

void Tfrmpredice::mnuprediceClick(ResultHost& host) {
    const Study* study = host.validStudy();
    if (!study)
        return;
    const char decimal = decimalSeparator();
    ResultSet& results = host.results();
    if (!runCommand(host.dialogs(), [&] { fit(*study, decimal, results); }))
        return;
    present(results.regression, decimal);
    exec();
}

} // namespace linealidad
