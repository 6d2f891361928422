#include "gui/results/AcceptanceCriteriaDialog.h"

#include "core/text/NumberParse.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/common/Dialogs.h"
#include "gui/common/helpcons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace linealidad {
namespace {

// How the value is held to the limit, read before the box.
QString condition(CriterionKind kind) {
    if (takesMinimum(kind))
        return QStringLiteral("mínimo");
    switch (kind) {
    case CriterionKind::RecoveryInterval:
        return QStringLiteral("entre");
    case CriterionKind::SlopeExcludesZero:
        return QStringLiteral("excluye 0");
    case CriterionKind::InterceptContainsZero:
        return QStringLiteral("contiene 0");
    default:
        return QStringLiteral("máximo");
    }
}

QString quotedName(CriterionKind kind) {
    return QStringLiteral("«%1»").arg(QString::fromStdString(criterionName(kind)));
}

// A number as the limit boxes show it, with this computer's separator.
QString limitText(std::optional<double> limit, char decimal) {
    if (!limit)
        return {};
    return QString::number(*limit, 'g', QLocale::FloatingPointShortest)
        .replace(QLatin1Char('.'), QLatin1Char(decimal));
}

QLineEdit* limitEdit(QWidget* parent, const QString& name, const QString& accessible) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
    return box;
}

std::optional<AcceptanceCriterion> criterionOf(const std::vector<AcceptanceCriterion>& criteria,
                                               CriterionKind kind) {
    const auto it = std::find_if(criteria.begin(), criteria.end(),
                                 [kind](const AcceptanceCriterion& c) { return c.kind == kind; });
    return it == criteria.end() ? std::nullopt : std::optional(*it);
}

} // namespace

AcceptanceCriteriaDialog::AcceptanceCriteriaDialog(const std::vector<AcceptanceCriterion>& criteria,
                                                   Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), decimal_(decimalSeparator()) {
    setObjectName(QStringLiteral("AcceptanceCriteriaDialog"));
    setWindowTitle(QStringLiteral("Criterios de aceptación"));
    setProperty(kHelpContextProperty, help::kAcceptance);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(12);
    for (CriterionKind kind : allCriterionKinds()) {
        const int line = grid->rowCount();
        const QString index = QString::number(static_cast<int>(kind));
        Row row;
        row.keep = new QCheckBox(QString::fromStdString(criterionName(kind)), this);
        row.keep->setObjectName(QStringLiteral("keep") + index);
        grid->addWidget(row.keep, line, 0);
        grid->addWidget(new QLabel(condition(kind), this), line, 1);
        if (takesLimit(kind)) {
            row.limit = limitEdit(this, QStringLiteral("limit") + index, row.keep->text());
            if (limitIsOptional(kind))
                row.limit->setPlaceholderText(QStringLiteral("sin límite"));
            connect(row.keep, &QCheckBox::toggled, row.limit, &QWidget::setEnabled);
            grid->addWidget(row.limit, line, 2);
        }
        if (takesInterval(kind)) {
            row.limit->setPlaceholderText(QStringLiteral("inferior"));
            row.upper = limitEdit(this, QStringLiteral("upper") + index,
                                  row.keep->text() + QStringLiteral(", superior"));
            row.upper->setPlaceholderText(QStringLiteral("superior"));
            connect(row.keep, &QCheckBox::toggled, row.upper, &QWidget::setEnabled);
            grid->addWidget(row.upper, line, 3);
        }
        rows_[kind] = row;
    }

    auto* note = new QLabel(QStringLiteral("Sin límite, los límites de detección y de "
                                           "cuantificación sólo se muestran."),
                            this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* restore = buttons->addButton(QStringLiteral("&Restaurar predeterminados"),
                                              QDialogButtonBox::ResetRole);
    restore->setObjectName(QStringLiteral("restoreDefaults"));
    restore->setAutoDefault(false);
    QPushButton* ok = buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(restore, &QPushButton::clicked, this, [this] { display(defaultCriteria()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    display(criteria);
}

void AcceptanceCriteriaDialog::display(const std::vector<AcceptanceCriterion>& criteria) {
    for (auto& [kind, row] : rows_) {
        const std::optional<AcceptanceCriterion> kept = criterionOf(criteria, kind);
        row.keep->setChecked(kept.has_value());
        const AcceptanceCriterion shown = kept.value_or(proposedCriterion(kind));
        for (auto [box, limit] : {std::pair{row.limit, shown.limit}, {row.upper, shown.upper}})
            if (box) {
                box->setEnabled(kept.has_value());
                box->setText(limitText(limit, decimal_));
            }
    }
}

void AcceptanceCriteriaDialog::accept() {
    if (auto typed = typedCriteria()) {
        accepted_ = std::move(*typed);
        QDialog::accept();
    }
}

std::optional<std::vector<AcceptanceCriterion>> AcceptanceCriteriaDialog::typedCriteria() {
    std::vector<AcceptanceCriterion> criteria;
    for (CriterionKind kind : allCriterionKinds()) {
        const Row& row = rows_.at(kind);
        if (!row.keep->isChecked())
            continue;
        AcceptanceCriterion criterion{kind, std::nullopt};
        const QString text = row.limit ? row.limit->text().trimmed() : QString();
        if (row.limit && text.isEmpty() && !limitIsOptional(kind)) {
            refuse(row.limit, QStringLiteral("Escriba el límite de %1.").arg(quotedName(kind)));
            return std::nullopt;
        }
        if (!text.isEmpty()) {
            criterion.limit = typedNumber(row.limit, kind);
            if (!criterion.limit)
                return std::nullopt;
            if (auto problem = limitProblem(kind, *criterion.limit)) {
                refuse(row.limit, QStringLiteral("El límite de %1 %2.")
                                      .arg(quotedName(kind), QString::fromStdString(*problem)));
                return std::nullopt;
            }
        }
        if (row.upper) {
            if (row.upper->text().trimmed().isEmpty()) {
                refuse(row.upper,
                       QStringLiteral("Escriba el límite superior de %1.").arg(quotedName(kind)));
                return std::nullopt;
            }
            criterion.upper = typedNumber(row.upper, kind);
            if (!criterion.upper)
                return std::nullopt;
            if (auto problem = intervalProblem(*criterion.limit, *criterion.upper)) {
                refuse(row.upper, QStringLiteral("Los límites de %1 %2.")
                                      .arg(quotedName(kind), QString::fromStdString(*problem)));
                return std::nullopt;
            }
        }
        criteria.push_back(criterion);
    }
    return criteria;
}

std::optional<double> AcceptanceCriteriaDialog::typedNumber(QLineEdit* box, CriterionKind kind) {
    const QString text = box->text().trimmed();
    if (!isFloat(text.toStdString(), decimal_)) {
        refuse(box, QStringLiteral("El límite de %1 no es un número: «%2». Use «%3» como "
                                   "separador decimal.")
                        .arg(quotedName(kind), text, QChar::fromLatin1(decimal_)));
        return std::nullopt;
    }
    return parseFloat(text.toStdString(), decimal_);
}

void AcceptanceCriteriaDialog::refuse(QLineEdit* box, const QString& why) {
    dialogs_.message(why);
    box->setFocus();
    box->selectAll();
}

} // namespace linealidad
