#include "gui/common/PdfInformation.h"

#include "core/text/Errors.h"

#include <QRegularExpression>

namespace linealidad {
namespace {

constexpr qsizetype kEntryBytes = 20;
const QByteArray kEndObject = "endobj\n";

[[noreturn]] void malformed() {
    throw Fault("No se pudo escribir el documento PDF");
}

QRegularExpressionMatch matched(const char* pattern, const QByteArray& bytes) {
    const QRegularExpressionMatch m =
        QRegularExpression(QString::fromLatin1(pattern)).match(QString::fromLatin1(bytes));
    if (!m.hasMatch())
        malformed();
    return m;
}

// The cross-reference table: one subsection from object 0, an entry per object.
struct CrossReference {
    qsizetype table = 0;   // where "xref" starts
    qsizetype entries = 0; // where the entry of object 0 starts
    int count = 0;

    qsizetype entry(int object) const { return entries + object * kEntryBytes; }
    qsizetype end() const { return entry(count); }
};

CrossReference crossReferenceOf(const QByteArray& pdf) {
    CrossReference x;
    x.table = matched("startxref\\s+(\\d+)\\s+%%EOF\\s*$", pdf.right(64)).captured(1).toLongLong();
    const auto heading = matched("^xref\\n0 (\\d+)\\s*\\n", pdf.mid(x.table, 32));
    x.entries = x.table + heading.capturedLength();
    x.count = heading.captured(1).toInt();
    if (x.count <= 0 || x.end() > pdf.size())
        malformed();
    return x;
}

qsizetype offsetAt(const QByteArray& pdf, qsizetype entry) {
    return pdf.mid(entry, 10).toLongLong();
}

// Every object written after `start` moves by `delta`.
void moveOffsetsAfter(QByteArray& pdf, const CrossReference& x, qsizetype start, qsizetype delta) {
    for (int object = 1; object < x.count; ++object) {
        const qsizetype entry = x.entry(object);
        const qsizetype offset = offsetAt(pdf, entry);
        if (pdf.at(entry + 17) == 'n' && offset > start)
            pdf.replace(entry, 10, QByteArray::number(offset + delta).rightJustified(10, '0'));
    }
}

} // namespace

QByteArray withInformationDictionary(QByteArray pdf, const QByteArray& dictionary) {
    const CrossReference x = crossReferenceOf(pdf);
    const QByteArray trailer = pdf.mid(x.end(), pdf.lastIndexOf("startxref") - x.end());
    const int number = matched("/Info (\\d+) 0 R", trailer).captured(1).toInt();
    if (number <= 0 || number >= x.count)
        malformed();
    const qsizetype start = offsetAt(pdf, x.entry(number));
    const QByteArray opening = QByteArray::number(number) + " 0 obj\n";
    const qsizetype stop = pdf.indexOf(kEndObject, start) + kEndObject.size();
    if (!pdf.mid(start).startsWith(opening) || stop < kEndObject.size() || stop > x.table)
        malformed();
    const QByteArray object = opening + dictionary + '\n' + kEndObject;
    const qsizetype delta = object.size() - (stop - start);
    moveOffsetsAfter(pdf, x, start, delta);
    pdf.truncate(x.end());
    pdf += trailer + "startxref\n" + QByteArray::number(x.table + delta) + "\n%%EOF\n";
    pdf.replace(start, stop - start, object);
    return pdf;
}

} // namespace linealidad
