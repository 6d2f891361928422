#include "gui/results/Tfrmpredice.h"

#include "core/results/InverseCommand.h"
#include "core/results/ResultSet.h"
#include "core/results/ZeroSlope.h"
#include "core/text/NumberFormat.h"
#include "core/text/NumberParse.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/common/Dialogs.h"
#include "gui/common/ResultHost.h"
#include "gui/common/RunCommand.h"
#include "gui/common/WindowKeys.h"
#include "gui/common/helpcons.h"
#include "gui/widgets/FocusGuard.h"
#include "gui/widgets/StringGridModel.h"
#include "gui/widgets/StringGridView.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace linealidad {
namespace {

const QString kCellsDoNotMatch =
    QStringLiteral("El número de celdas de captura no coincide con el número de niveles.");
const QString kBadReplicates =
    QStringLiteral("Las réplicas de la muestra deben ser un número entero de 1 en adelante.");
const QString kNoResponse = QStringLiteral("Falta capturar al menos una respuesta Y.");

// The dialog in each direction: the direct one keeps its own size and places; the inverse one
// is wider for the five columns of its grid, with its own controls and "Cerrar ventana" to the
// right of the grid, as the direct ones are.
constexpr QSize kDirectSize{453, 368};
constexpr QPoint kDirectClose{274, 260};
// The grid's frame and vertical scroll bar, and the gap between the grid and the buttons.
constexpr int kGridFrame = 21;
constexpr int kGap = 25;
constexpr int kResponseRows = 10;

// The inverse grid: responses are typed in the first column; the computed columns are shown
// and copied, never edited.
class ResponseGridModel : public StringGridModel {
public:
    using StringGridModel::StringGridModel;
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags f = StringGridModel::flags(index);
        if (index.column() > 0)
            f &= ~Qt::ItemIsEditable;
        return f;
    }
};

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

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
    setProperty(kHelpContextProperty, help::kPredictions);
    setFixedSize(kDirectSize);

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

    auto* closeWindow = closeWindow_ =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                        QStringLiteral("Cerrar &ventana"), this);
    closeWindow->setObjectName(QStringLiteral("BtBtncerrar"));
    closeWindow->setGeometry(QRect(kDirectClose, QSize(145, 25)));
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

    createInverseControls();

    setTabOrder(stgpredice_, epredice_);
    setTabOrder(epredice_, btnok_);
    setTabOrder(btnok_, btncalcula_);
    setTabOrder(btncalcula_, closeWindow);
    setTabOrder(closeWindow, rbdirecta_);
    setTabOrder(rbdirecta_, rbinversa_);
    setTabOrder(rbinversa_, ereplicas_);
    setTabOrder(ereplicas_, stginversa_);
    setTabOrder(stginversa_, btncalculax_);

    guard_ = new FocusGuard(this, dialogs_);
    guard_->watch(epredice_, [this] { return eprediceExit(); });
    guard_->watch(
        stgpredice_, [this] { return stgprediceExit(); }, [this] { stgprediceEnter(); });
    // A check that sends the focus back to a control of the direct direction shows it first.
    guard_->setRevealControl([this](QWidget* control) {
        if (control == epredice_ || stgpredice_->holds(control))
            rbdirecta_->setChecked(true);
    });
    FormCreate();
    showInverse(false);
    closeWithKeys(*this);
}

// A direction's letter goes where its values are typed, as a label's letter goes to its box.
bool Tfrmpredice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut && (watched == rbdirecta_ || watched == rbinversa_)) {
        const bool inverse = watched == rbinversa_;
        showInverse(inverse);
        guard_->focus(inverse ? stginversa_ : stgpredice_);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The direction buttons under the equation's r², and the inverse direction's controls in the
// place of the direct ones: the grid of responses where the grid of X is, the replicates and
// its button to the right.
void Tfrmpredice::createInverseControls() {
    rbdirecta_ = new QRadioButton(QStringLiteral("&Y a partir de X"), this);
    rbdirecta_->setObjectName(QStringLiteral("rbdirecta"));
    rbdirecta_->move(24, 342);
    rbdirecta_->adjustSize();
    rbdirecta_->setChecked(true);
    rbinversa_ = new QRadioButton(QStringLiteral("&X a partir de Y"), this);
    rbinversa_->setObjectName(QStringLiteral("rbinversa"));
    rbinversa_->move(180, 342);
    rbinversa_->adjustSize();
    connect(rbinversa_, &QRadioButton::toggled, this, &Tfrmpredice::showInverse);
    rbdirecta_->installEventFilter(this);
    rbinversa_->installEventFilter(this);

    inverseModel_ = new ResponseGridModel(inverse_, 0, 1, this);
    stginversa_ = new StringGridView(this);
    stginversa_->setObjectName(QStringLiteral("stginversa"));
    stginversa_->setGridModel(inverseModel_);
    stginversa_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stginversa_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The mark column fits its text in the dialog's font.
    const QString mark = QString::fromUtf8(kOutsideCalibratedRange);
    const int markWidth = std::max(170, stginversa_->fontMetrics().horizontalAdvance(mark) + 12);
    int gridWidth = kGridFrame;
    for (const auto& [column, width] :
         {std::pair{0, 80}, {1, 80}, {2, 100}, {3, 100}, {4, markWidth}}) {
        stginversa_->setColumnWidth(column, width);
        gridWidth += width;
    }
    stginversa_->setGeometry(24, 48, gridWidth, 249);
    const int right = 24 + gridWidth + kGap;
    inverseClose_ = QPoint(right, kDirectClose.y());
    inverseSize_ = QSize(right + 145 + 31, kDirectSize.height());
    // Tab leaves the grid for the button; Enter computes and goes on to the next response.
    stginversa_->setTabMovesBetweenCells(false);
    connect(stginversa_, &StringGridView::keyPressed, this, [this](QChar key) {
        if (key != QLatin1Char('\r'))
            return;
        btncalculaxClick();
        if (stginversa_->hasFocus() || stginversa_->holds(QApplication::focusWidget()))
            stginversa_->setCurrentCell(0, std::min(stginversa_->row() + 1, kResponseRows));
    });
    inverse_.setCell(0, 0, "Y");
    inverse_.setCell(1, 0, "X");
    inverse_.setCell(2, 0, "Límite inferior");
    inverse_.setCell(3, 0, "Límite superior");
    inverseModel_->reload();
    stginversa_->setCurrentCell(0, 1);

    ereplicas_ = new QLineEdit(QStringLiteral("1"), this);
    ereplicas_->setObjectName(QStringLiteral("ereplicas"));
    ereplicas_->setGeometry(right + 128, 56, 33, 25);
    Label3_ = label(this, "Label3", QStringLiteral("&Réplicas (k) :"), right, 64);
    Label3_->setBuddy(ereplicas_);

    btncalculax_ = new QPushButton(QStringLiteral("&Calcula X"), this);
    btncalculax_->setObjectName(QStringLiteral("btncalculax"));
    btncalculax_->setGeometry(right, 220, 145, 25);
    btncalculax_->setFocusPolicy(Qt::TabFocus);
    btncalculax_->setAutoDefault(false);
    connect(btncalculax_, &QPushButton::clicked, this, &Tfrmpredice::btncalculaxClick);
}

void Tfrmpredice::showInverse(bool inverse) {
    if (rbinversa_->isChecked() != inverse) {
        (inverse ? rbinversa_ : rbdirecta_)->setChecked(true); // comes back here
        return;
    }
    for (QWidget* direct : std::initializer_list<QWidget*>{
             stgpredice_, epredice_, btnok_, btncalcula_, findChild<QLabel*>("Label1")})
        direct->setVisible(!inverse);
    for (QWidget* other :
         std::initializer_list<QWidget*>{stginversa_, ereplicas_, Label3_, btncalculax_})
        other->setVisible(inverse);
    closeWindow_->move(inverse ? inverseClose_ : kDirectClose);
    setFixedSize(inverse ? inverseSize_ : kDirectSize);
    // Enter outside the grids runs the direction's button.
    btnok_->setDefault(!inverse);
    btncalculax_->setDefault(inverse);
}

void Tfrmpredice::setCalibration(std::optional<Calibration> calibration) {
    calibration_ = std::move(calibration);
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
void Tfrmpredice::colour(QLabel* value, QLabel* opening, QLabel* closing, double number) {
    const bool negative = !(number >= 0);
    paint(value, negative ? Qt::red : Qt::blue);
    opening->setVisible(negative);
    closing->setVisible(negative);
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

std::optional<int> Tfrmpredice::replicates() {
    const std::string text = ereplicas_->text().toStdString();
    if (!isInteger(text) || parseInteger(text) < 1) {
        dialogs_().message(kBadReplicates);
        guard_->focus(ereplicas_);
        return std::nullopt;
    }
    return parseInteger(text);
}

std::vector<std::optional<double>> Tfrmpredice::responses() const {
    std::vector<std::optional<double>> values;
    for (int row = 1; row <= kResponseRows; ++row) {
        const std::string text = trimmed(inverse_.cell(0, row));
        values.push_back(text.empty() ? std::nullopt
                                      : std::optional<double>(parseFloat(text, decimal_)));
    }
    return values;
}

// Every response typed is read before any is computed, so text that is not a number stops the
// command with the grid as it was.
void Tfrmpredice::btncalculaxClick() {
    runCommand(dialogs_(), [this] {
        if (!calibration_) {
            dialogs_().message(QString::fromUtf8(kZeroSlopeMessage));
            return;
        }
        const std::optional<int> k = replicates();
        if (!k)
            return;
        const std::vector<std::optional<double>> values = responses();
        if (std::none_of(values.begin(), values.end(), [](const auto& v) { return v; })) {
            dialogs_().message(kNoResponse);
            guard_->focus(stginversa_);
            return;
        }
        for (int row = 1; row <= kResponseRows; ++row) {
            const std::optional<double>& y = values[static_cast<std::size_t>(row - 1)];
            std::vector<std::string> cells(5);
            if (y)
                cells = linealidad::inverseCells(*y, calibration_->predict(*y, *k), decimal_);
            cells.resize(5);
            for (int col = 1; col < 5; ++col)
                inverse_.setCell(col, row, cells[static_cast<std::size_t>(col)]);
        }
        inverseModel_->cellsChanged(1, 1, 4, kResponseRows);
    });
}

void Tfrmpredice::mnuprediceClick(ResultHost& host) {
    const Study* study = host.validStudy();
    if (!study)
        return;
    const char decimal = decimalSeparator();
    ResultSet& results = host.results();
    if (!runCommand(host.dialogs(),
                    [&] { calibration_ = inverseCommand(*study, decimal, results); }))
        return;
    present(results.regression, decimal);
    exec();
}

} // namespace linealidad
