#pragma once

#include <QString>

namespace linealidad {

// A hint holds a short text, a vertical bar and a long text: the tool-tip shows the short part,
// the status line the long part (the whole hint when it has no bar).
inline QString shortHint(const QString& hint) {
    return hint.section(QLatin1Char('|'), 0, 0);
}

inline QString longHint(const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

} // namespace linealidad
