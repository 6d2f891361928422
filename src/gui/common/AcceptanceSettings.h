#pragma once

#include "core/acceptance/AcceptanceCriteria.h"

#include <QObject>

#include <vector>

namespace linealidad {

// The acceptance criteria of the user's lab, kept in the user's settings (group "dictamen",
// key "criterios", as criteriaText writes them). The defaults while none were saved, or when
// what was saved cannot be read.
std::vector<AcceptanceCriterion> userCriteria();
// Keeps `criteria` as the user's and tells criteriaNotifier().
void saveUserCriteria(const std::vector<AcceptanceCriterion>& criteria);

// Whether the user's studies have the quantities recovered as their responses ("Y es la
// cantidad recuperada" in the validation statistics, key "validacion/recobro"): the recovery
// is shown and the recovery criterion judged. False while it was never ticked.
bool userRecovery();
// Keeps it and tells criteriaNotifier(), since it changes what the verdicts judge.
void saveUserRecovery(bool recovered);

// Says when the user's criteria (or the recovery) change, so that every verdict and every
// validation on screen is computed again.
class CriteriaNotifier : public QObject {
    Q_OBJECT
signals:
    void changed();
};
CriteriaNotifier& criteriaNotifier();

} // namespace linealidad
