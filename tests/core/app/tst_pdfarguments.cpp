#include "core/app/PdfArguments.h"

#include <QtTest>

// `linealidad --pdf`'s command line, read without the program. Its messages are checked on the
// program itself (tst_headlesspdf).
class TestPdfArguments : public QObject {
    Q_OBJECT

private slots:
    // What a well-formed command line asks for, defaults included.
    void readsTheCommand_data() {
        using linealidad::PageChoice;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<bool>("deskjet");
        QTest::addColumn<int>("SELECMAR");
        QTest::addColumn<bool>("letter");
        QTest::addColumn<char>("decimal");
        QTest::newRow("defaults") << QStringList{"e.w02", "--pdf", "s.pdf"} << QList<int>{0, 1, 2}
                                  << false << 1 << false << ';';
        QTest::newRow("every option")
            << QStringList{"--pdf=s.pdf", "--pagina=anova", "--formato", "deskjet", "--margen", "2",
                           "--papel",     "carta",          "--decimal", ",",       "e.w02"}
            << QList<int>{2} << true << 2 << true << ',';
        QTest::newRow("margin 1") << QStringList{"--pdf", "s.pdf", "--margen=1", "e.w02"}
                                  << QList<int>{0, 1, 2} << false << 0 << false << ';';
        QTest::newRow("verdict") << QStringList{"--pdf", "s.pdf", "--pagina", "dictamen", "e.w02"}
                                 << QList<int>{3} << false << 1 << false << ';';
        QTest::newRow("validation")
            << QStringList{"--pdf", "s.pdf", "--pagina", "validacion", "e.w02"} << QList<int>{4}
            << false << 1 << false << ';';
    }
    void readsTheCommand() {
        QFETCH(QStringList, arguments);
        QFETCH(QList<int>, pages);
        std::vector<std::string> args;
        for (const QString& a : arguments)
            args.push_back(a.toStdString());
        QVERIFY(linealidad::isPdfCommandLine(args));
        const auto read = linealidad::readPdfArguments(args, ';');
        QVERIFY2(read.command, read.error.c_str());
        const linealidad::PdfCommand& c = *read.command;
        QCOMPARE(c.output, std::string("s.pdf"));
        QCOMPARE(c.study, std::string("e.w02"));
        QCOMPARE(int(c.pages.size()), pages.size());
        for (int i = 0; i < pages.size(); ++i)
            QCOMPARE(int(c.pages[std::size_t(i)]), pages[i]);
        QTEST(c.layout == linealidad::PrintLayout::Deskjet, "deskjet");
        QTEST(c.SELECMARIndex, "SELECMAR");
        QTEST(c.paper == linealidad::Paper::Letter, "letter");
        QTEST(c.decimal, "decimal");
    }

    // Without one of its options the program opens its window.
    void otherCommandLinesOpenTheWindow() {
        QVERIFY(!linealidad::isPdfCommandLine({}));
        QVERIFY(!linealidad::isPdfCommandLine({"estudio.w02"}));
        QVERIFY(!linealidad::isPdfCommandLine({"-platform", "offscreen"}));
    }
};

QTEST_GUILESS_MAIN(TestPdfArguments)
#include "tst_pdfarguments.moc"
