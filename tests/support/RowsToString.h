#pragma once

// What QCOMPARE prints of the lines and tables of cells the tests compare when they differ: one
// row a line, numbered from 1, each cell quoted, so that the row that differs, and a space or a
// tab in it, can be seen. Without these it prints nothing of a std::vector of std::string.
// Include this header before the first QCOMPARE of such a container.

#include <QString>
#include <QtTest>

#include <array>
#include <string>
#include <vector>

namespace linealidad::test {

// The text QCOMPARE prints (a new string, which QtTest deletes).
char* rowsToString(const std::vector<std::string>& lines);
char* rowsToString(const std::vector<QString>& lines);
char* rowsToString(const std::array<std::string, 3>& lines);
char* rowsToString(const std::vector<std::vector<std::string>>& table);
char* rowsToString(const std::vector<std::vector<QString>>& table);

} // namespace linealidad::test

namespace QTest {

template <> inline char* toString(const std::vector<std::string>& lines) {
    return linealidad::test::rowsToString(lines);
}
template <> inline char* toString(const std::vector<QString>& lines) {
    return linealidad::test::rowsToString(lines);
}
template <> inline char* toString(const std::array<std::string, 3>& lines) {
    return linealidad::test::rowsToString(lines);
}
template <> inline char* toString(const std::vector<std::vector<std::string>>& table) {
    return linealidad::test::rowsToString(table);
}
template <> inline char* toString(const std::vector<std::vector<QString>>& table) {
    return linealidad::test::rowsToString(table);
}

} // namespace QTest
