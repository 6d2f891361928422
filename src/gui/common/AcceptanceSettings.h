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

// Says when the user's criteria change, so that every verdict on screen is judged again.
class CriteriaNotifier : public QObject {
    Q_OBJECT
signals:
    void changed();
};
CriteriaNotifier& criteriaNotifier();

} // namespace linealidad
