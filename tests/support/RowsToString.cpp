#include "support/RowsToString.h"

namespace linealidad::test {
namespace {

QString asText(const QString& text) {
    return text;
}

QString asText(const std::string& text) {
    return QString::fromStdString(text);
}

// The cell between quotes, with the quote, the backslash and the control characters escaped.
QString quoted(const QString& cell) {
    QString text = QStringLiteral("\"");
    for (const QChar c : cell) {
        switch (c.unicode()) {
        case '"':
            text += QStringLiteral("\\\"");
            break;
        case '\\':
            text += QStringLiteral("\\\\");
            break;
        case '\t':
            text += QStringLiteral("\\t");
            break;
        case '\r':
            text += QStringLiteral("\\r");
            break;
        case '\n':
            text += QStringLiteral("\\n");
            break;
        default:
            text += c;
        }
    }
    return text + QLatin1Char('"');
}

// The count, then each row on a line of its own after its number.
char* printed(const std::vector<QStringList>& rows) {
    QString text =
        rows.size() == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(rows.size());
    int number = 0;
    for (const QStringList& row : rows)
        text += QStringLiteral("\n     %1: %2").arg(++number, 3).arg(row.join(QLatin1Char(' ')));
    return qstrdup(text.toUtf8().constData());
}

template <typename Lines> char* linesPrinted(const Lines& lines) {
    std::vector<QStringList> rows;
    for (const auto& line : lines)
        rows.push_back({quoted(asText(line))});
    return printed(rows);
}

template <typename Table> char* tablePrinted(const Table& table) {
    std::vector<QStringList> rows;
    for (const auto& row : table) {
        QStringList cells;
        for (const auto& cell : row)
            cells << quoted(asText(cell));
        rows.push_back(cells);
    }
    return printed(rows);
}

} // namespace

char* rowsToString(const std::vector<std::string>& lines) {
    return linesPrinted(lines);
}

char* rowsToString(const std::vector<QString>& lines) {
    return linesPrinted(lines);
}

char* rowsToString(const std::array<std::string, 3>& lines) {
    return linesPrinted(lines);
}

char* rowsToString(const std::vector<std::vector<std::string>>& table) {
    return tablePrinted(table);
}

char* rowsToString(const std::vector<std::vector<QString>>& table) {
    return tablePrinted(table);
}

} // namespace linealidad::test
