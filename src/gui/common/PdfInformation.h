#pragma once

#include <QByteArray>

namespace linealidad {

// `pdf`, a document as QPdfWriter writes it (one cross-reference table, 20-byte entries), with
// its document information dictionary replaced by `dictionary` ("<< ... >>"): the object is
// rewritten in place and every offset after it in the cross-reference table moved by the
// difference in length, so the file stays one clean revision. Throws Fault when the document
// is not laid out that way.
QByteArray withInformationDictionary(QByteArray pdf, const QByteArray& dictionary);

} // namespace linealidad
