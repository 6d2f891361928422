#include "gui/app/StatusPanels.h"

#include <QLabel>
#include <QStatusBar>

namespace linealidad {

StatusPanels createStatusPanels(QStatusBar& bar) {
    auto panel = [&bar](const char* name, const QString& text) {
        auto* l = new QLabel(text, &bar);
        l->setObjectName(QString::fromLatin1(name));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMinimumHeight(22);
        QFont bold = l->font();
        bold.setBold(true);
        l->setFont(bold);
        return l;
    };
    QLabel* hint = panel("StatusLine", QString());
    hint->setMinimumWidth(380);
    QLabel* help = panel("Paneld", QStringLiteral("F1 < Ayuda >"));
    help->setAlignment(Qt::AlignCenter);
    QLabel* state = panel("estado", QString());
    state->setFixedWidth(132);
    bar.addWidget(hint, 1);
    bar.addWidget(help);
    bar.addWidget(state);
    bar.setSizeGripEnabled(false);
    return {hint, state};
}

} // namespace linealidad
