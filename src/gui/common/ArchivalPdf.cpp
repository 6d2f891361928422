#include "gui/common/ArchivalPdf.h"

#include "gui/common/PagedDocument.h"
#include "gui/common/PdfInformation.h"

#include <QBuffer>
#include <QDateTime>
#include <QPdfWriter>

namespace linealidad {
namespace {

// Metadata texts are PDF strings, which PDF/A-1 holds to 65535 bytes: a method or an analyst
// typed at a megabyte is cut well short of that.
constexpr int kMetadataCharacters = 1000;

// A PDF text string in UTF-16 with its byte-order mark, written in hexadecimal so that no
// character of the text needs escaping.
QByteArray pdfText(const QString& text) {
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

// The text as XML character data: markup characters escaped, and control characters, which
// XML does not allow, left out.
QString xmlEscaped(const QString& text) {
    QString allowed;
    for (const QChar c : text)
        if (c.unicode() >= 0x20 || c == QLatin1Char('\t'))
            allowed += c;
    return allowed.toHtmlEscaped();
}

QString shortened(const QString& text) {
    return text.size() <= kMetadataCharacters
               ? text
               : text.left(kMetadataCharacters - 1) + QStringLiteral("…");
}

// The document information dictionary.
QByteArray informationDictionary(const PdfMetadata& m, const QDateTime& created) {
    const QByteArray date =
        "(D:" + created.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
    QByteArray o = "<<\n";
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
    o += "/CreationDate " + date + "\n/ModDate " + date + "\n>>";
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

} // namespace

PdfMetadata studyMetadata(const Study& study, const PrintStamp& stamp) {
    const bool saved = stamp.source == PrintStamp::Source::SavedStudy;
    PdfMetadata m;
    m.title = shortened(QString::fromStdString(study.emetodo));
    if (m.title.trimmed().isEmpty())
        m.title =
            saved ? QString::fromStdString(stamp.file.name) : QStringLiteral("Estudio sin guardar");
    m.author = shortened(QString::fromStdString(study.eanalista));
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
        writer.setDocumentXmpMetadata(xmpPacket(metadata, created));
        writer.setResolution(resolution);
        writer.setPageLayout(layout);
        PagedDocument document(writer);
        print(document);
    }
    // Qt's dictionary holds the title and creator only.
    return withInformationDictionary(std::move(bytes), informationDictionary(metadata, created));
}

} // namespace linealidad
