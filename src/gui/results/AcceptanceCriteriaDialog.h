#pragma once

#include "core/acceptance/AcceptanceCriteria.h"

#include <QDialog>

#include <map>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace linealidad {

class Dialogs;

// "Criterios de aceptación...": every criterion the program knows, with a check box to keep it
// and, for those held to a number, its limit in the decimal separator of this computer.
// "Aceptar" takes the criteria only when every kept limit is a number the criterion can take;
// otherwise it says why and leaves the focus on the limit at fault.
class AcceptanceCriteriaDialog : public QDialog {
    Q_OBJECT
public:
    AcceptanceCriteriaDialog(const std::vector<AcceptanceCriterion>& criteria, Dialogs& dialogs,
                             QWidget* parent = nullptr);

    // Shows `criteria`: those not in it are unchecked, with their default limit.
    void display(const std::vector<AcceptanceCriterion>& criteria);
    // The criteria as accepted (meaningful after "Aceptar").
    const std::vector<AcceptanceCriterion>& criteria() const { return accepted_; }

    QCheckBox* keepBox(CriterionKind kind) const { return rows_.at(kind).keep; }
    // Null for the criteria that take no number; the lower end of an interval criterion.
    QLineEdit* limitBox(CriterionKind kind) const { return rows_.at(kind).limit; }
    // The upper end of an interval criterion; null for the others.
    QLineEdit* upperBox(CriterionKind kind) const { return rows_.at(kind).upper; }

    void accept() override;

private:
    struct Row {
        QCheckBox* keep = nullptr;
        QLineEdit* limit = nullptr;
        QLineEdit* upper = nullptr;
    };
    // The criteria as typed, or nothing after saying what is wrong.
    std::optional<std::vector<AcceptanceCriterion>> typedCriteria();
    // The number typed in `box`, or nothing after saying it is not one.
    std::optional<double> typedNumber(QLineEdit* box, CriterionKind kind);
    void refuse(QLineEdit* box, const QString& why);

    Dialogs& dialogs_;
    char decimal_;
    std::map<CriterionKind, Row> rows_;
    std::vector<AcceptanceCriterion> accepted_;
};

} // namespace linealidad
