#include "gui/common/ArchivalPdf.h"

#include "core/text/Errors.h"
#include "gui/common/PagedDocument.h"

#include <QBuffer>
#include <QDateTime>
#include <QPdfWriter>
#include <QRegularExpression>

namespace linealidad {
namespace {

const char* const kNoDocument = "No se pudo escribir el documento PDF";

// A PDF text string in UTF-16 with its byte-order mark, written in hexadecimal so that no
// character of the text needs escaping.
QByteArray pdfText(const QString& text) {
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

QString xmlEscaped(const QString& text) {
    return text.toHtmlEscaped();
}

// The document information dictionary, as the body of object `number`.
QByteArray informationObject(int number, const PdfMetadata& m, const QDateTime& created) {
    const QByteArray date =
        "(D:" + created.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
    QByteArray o = QByteArray::number(number) + " 0 obj\n<<\n";
    auto entry = [&o](const char* key, const QString& value) {
        if (!value.isEmpty())
            o += QByteArray("/") + key + ' ' + pdfText(value) + '\n';
    };
    entry("Title", m.title);
    entry("Author", m.author);
    entry("Subject", m.subject);
    entry("Keywords", m.keywords);
    entry("Creator", m.creator);
    entry("Producer", QStringLiteral("Qt ") + QString::fromLatin1(qVersion()));
    o += "/CreationDate " + date + "\n/ModDate " + date + "\n>>\nendobj\n";
    return o;
}

// The XMP packet: the same metadata, and the PDF/A part and conformance it claims.
QByteArray xmpPacket(const PdfMetadata& m, const QDateTime& created) {
    const QString date = created.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
    auto alternative = [](const char* name, const QString& value) {
        return value.isEmpty() ? QString()
                               : QStringLiteral("<dc:%1><rdf:Alt><rdf:li xml:lang=\"x-default\">"
                                                "%2</rdf:li></rdf:Alt></dc:%1>")
                                     .arg(QLatin1String(name), xmlEscaped(value));
    };
    const QString author =
        m.author.isEmpty()
            ? QString()
            : QStringLiteral("<dc:creator><rdf:Seq><rdf:li>%1</rdf:li></rdf:Seq></dc:creator>")
                  .arg(xmlEscaped(m.author));
    const QString keywords =
        m.keywords.isEmpty() ? QString()
                             : QStringLiteral(" pdf:Keywords=\"%1\"").arg(xmlEscaped(m.keywords));
    const QString packet =
        QStringLiteral(
            "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
            "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
            "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
            "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">"
            "%1%2%3</rdf:Description>\n"
            "<rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" "
            "xmp:CreatorTool=\"%4\" xmp:CreateDate=\"%5\" xmp:ModifyDate=\"%5\"/>\n"
            "<rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" "
            "pdf:Producer=\"Qt %6\"%7/>\n"
            "<rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\" "
            "pdfaid:part=\"1\" pdfaid:conformance=\"B\"/>\n"
            "</rdf:RDF>\n"
            "</x:xmpmeta>\n"
            "<?xpacket end='w'?>")
            .arg(alternative("title", m.title), author, alternative("description", m.subject),
                 xmlEscaped(m.creator), date, QString::fromLatin1(qVersion()), keywords);
    return packet.toUtf8();
}

[[noreturn]] void malformed() {
    throw Fault(kNoDocument);
}

// The offsets of the objects in the cross-reference table that starts at `table`: one
// subsection from object 0, one entry of 20 bytes per object, as QPdfWriter writes it.
struct CrossReference {
    qsizetype entries = 0; // where the first entry starts
    int count = 0;
};

CrossReference crossReferenceAt(const QByteArray& pdf, qsizetype table) {
    static const QRegularExpression heading(QStringLiteral("^xref\\n0 (\\d+)\\s*\\n"));
    const auto match = heading.match(QString::fromLatin1(pdf.mid(table, 32)));
    if (!match.hasMatch())
        malformed();
    CrossReference x{table + match.capturedLength(), match.captured(1).toInt()};
    if (x.count <= 0 || x.entries + qsizetype(x.count) * 20 > pdf.size())
        malformed();
    return x;
}

qsizetype offsetOf(const QByteArray& pdf, const CrossReference& x, int object) {
    if (object <= 0 || object >= x.count)
        malformed();
    return pdf.mid(x.entries + qsizetype(object) * 20, 10).toLongLong();
}

// `pdf` with the information dictionary replaced by `information` (object `number`) and every
// offset after it moved by the difference in length.
QByteArray withInformation(QByteArray pdf, int number, const QByteArray& information) {
    static const QRegularExpression tail(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const auto end = tail.match(QString::fromLatin1(pdf.right(64)));
    if (!end.hasMatch())
        malformed();
    const qsizetype table = end.captured(1).toLongLong();
    const CrossReference x = crossReferenceAt(pdf, table);
    const qsizetype start = offsetOf(pdf, x, number);
    const qsizetype stop = pdf.indexOf("endobj\n", start);
    if (!pdf.mid(start).startsWith(QByteArray::number(number) + " 0 obj") || stop < 0 ||
        stop > table)
        malformed();
    const qsizetype delta = information.size() - (stop + 7 - start);
    for (int object = 1; object < x.count; ++object) {
        const qsizetype entry = x.entries + qsizetype(object) * 20;
        if (pdf.at(entry + 17) != 'n')
            continue;
        const qsizetype offset = pdf.mid(entry, 10).toLongLong();
        if (offset > start)
            pdf.replace(entry, 10, QByteArray::number(offset + delta).rightJustified(10, '0'));
    }
    const qsizetype xrefEnd = x.entries + qsizetype(x.count) * 20;
    const QByteArray trailer = pdf.mid(xrefEnd, pdf.lastIndexOf("startxref") - xrefEnd);
    pdf.truncate(xrefEnd);
    pdf += trailer + "startxref\n" + QByteArray::number(table + delta) + "\n%%EOF\n";
    pdf.replace(start, stop + 7 - start, information);
    return pdf;
}

int informationNumber(const QByteArray& pdf) {
    static const QRegularExpression info(QStringLiteral("/Info (\\d+) 0 R"));
    const auto match = info.match(QString::fromLatin1(pdf.mid(pdf.lastIndexOf("trailer"))));
    if (!match.hasMatch())
        malformed();
    return match.captured(1).toInt();
}

} // namespace

PdfMetadata studyMetadata(const Study& study, const PrintStamp& stamp) {
    const bool saved = stamp.source == PrintStamp::Source::SavedStudy;
    PdfMetadata m;
    m.title = QString::fromStdString(study.emetodo);
    if (m.title.trimmed().isEmpty())
        m.title =
            saved ? QString::fromStdString(stamp.file.name) : QStringLiteral("Estudio sin guardar");
    m.author = QString::fromStdString(study.eanalista);
    m.subject = QStringLiteral("Estudio de linealidad y precisión");
    m.creator = QStringLiteral("Linealidad ") + QString::fromStdString(stamp.version);
    if (saved)
        m.keywords = QString::fromStdString(stamp.file.sha256);
    return m;
}

QByteArray archivalPdf(const PdfMetadata& metadata, const QPageLayout& layout, int resolution,
                       const std::function<void(PrintDocument&)>& print) {
    // One moment for the dictionary and the packet: PDF/A wants them to agree.
    const QDateTime created = QDateTime::currentDateTimeUtc();
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setTitle(metadata.title);
        writer.setCreator(metadata.creator);
        writer.setDocumentXmpMetadata(xmpPacket(metadata, created));
        writer.setResolution(resolution);
        writer.setPageLayout(layout);
        PagedDocument document(writer);
        print(document);
    }
    const int number = informationNumber(bytes);
    return withInformation(std::move(bytes), number, informationObject(number, metadata, created));
}

} // namespace linealidad
