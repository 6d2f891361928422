#include "support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace linealidad::test {
namespace {

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

QByteArray pdftotext(const QStringList& arguments) {
    return run(QStringLiteral("pdftotext"), arguments);
}

// The text of an XHTML word, its entities resolved.
QString unescaped(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    s.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return s;
}

QString describe(int page, const PdfWord& w) {
    return QStringLiteral("página %1: «%2» en (%3, %4)-(%5, %6)")
        .arg(page)
        .arg(w.text)
        .arg(w.box.left(), 0, 'f', 1)
        .arg(w.box.top(), 0, 'f', 1)
        .arg(w.box.right(), 0, 'f', 1)
        .arg(w.box.bottom(), 0, 'f', 1);
}

bool overlap(const QRectF& a, const QRectF& b) {
    const double across = std::min(a.right(), b.right()) - std::max(a.left(), b.left());
    const double down = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    return across > 0.1 && down > 0.5 * std::min(a.height(), b.height());
}

} // namespace

bool havePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString pdfText(const QString& path) {
    return QString::fromUtf8(pdftotext({QStringLiteral("-layout"), QStringLiteral("-enc"),
                                        QStringLiteral("UTF-8"), path, QStringLiteral("-")}));
}

QString popplerOutput(const QString& program, const QStringList& arguments) {
    return QString::fromUtf8(run(program, arguments));
}

QList<PdfPage> pdfWords(const QString& path) {
    const QString xhtml =
        QString::fromUtf8(pdftotext({QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                     QStringLiteral("UTF-8"), path, QStringLiteral("-")}));
    static const QRegularExpression page(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">(.*?)</page>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" "
                       "yMax=\"([-\\d.]+)\">(.*?)</word>"));
    QList<PdfPage> pages;
    for (auto p = page.globalMatch(xhtml); p.hasNext();) {
        const auto pm = p.next();
        PdfPage result{QSizeF(pm.captured(1).toDouble(), pm.captured(2).toDouble()), {}};
        for (auto w = word.globalMatch(pm.captured(3)); w.hasNext();) {
            const auto wm = w.next();
            result.words << PdfWord{
                unescaped(wm.captured(5)),
                QRectF(QPointF(wm.captured(1).toDouble(), wm.captured(2).toDouble()),
                       QPointF(wm.captured(3).toDouble(), wm.captured(4).toDouble()))};
        }
        pages << result;
    }
    return pages;
}

QStringList placementFaults(const QList<PdfPage>& pages, double border) {
    QStringList faults;
    for (int i = 0; i < pages.size(); ++i) {
        const PdfPage& page = pages[i];
        // Half a point of tolerance for the rounding of the boxes.
        const QRectF printable =
            QRectF(QPointF(0, 0), page.size)
                .adjusted(border - 0.5, border - 0.5, 0.5 - border, 0.5 - border);
        for (int a = 0; a < page.words.size(); ++a) {
            if (!printable.contains(page.words[a].box))
                faults << QStringLiteral("fuera del área imprimible: ") +
                              describe(i + 1, page.words[a]);
            for (int b = a + 1; b < page.words.size(); ++b)
                if (overlap(page.words[a].box, page.words[b].box))
                    faults << QStringLiteral("encimadas: ") + describe(i + 1, page.words[a]) +
                                  QStringLiteral(" y ") + describe(i + 1, page.words[b]);
        }
    }
    return faults;
}

} // namespace linealidad::test
