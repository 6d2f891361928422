#include "core/app/OptionReader.h"

#include <QtTest>

using namespace linealidad;

namespace {

// A value option with its own message for a missing value, one with the common message, a flag.
constexpr Option kOptions[] = {
    {.name = "--decimal", .missingValue = "falta el separador después de --decimal"},
    {.name = "--y"},
    {.name = "--recobro", .takesValue = false},
};

std::vector<std::string> toStd(const QStringList& list) {
    std::vector<std::string> result;
    for (const QString& s : list)
        result.push_back(s.toStdString());
    return result;
}

QStringList toQt(const std::vector<std::string>& list) {
    QStringList result;
    for (const std::string& s : list)
        result << QString::fromStdString(s);
    return result;
}

// The options read, as "name=value" in the order given.
QStringList optionsOf(const CommandLine& line) {
    QStringList result;
    for (const auto& [name, value] : line.options)
        result << QString::fromStdString(std::string(name) + "=" + value);
    return result;
}

CommandLine withDecimal(const QString& value) {
    CommandLine line;
    line.options.emplace_back("--decimal", value.toStdString());
    return line;
}

} // namespace

class TestOptionReader : public QObject {
    Q_OBJECT

private slots:
    void readsTheLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("skipUnknown");
        QTest::addColumn<bool>("help");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("positionals");
        QTest::addColumn<QStringList>("options");
        const QStringList none;
        // Each form of an option, and arguments anywhere among them.
        QTest::newRow("vacía") << none << false << false << "" << none << none;
        QTest::newRow("--x v") << QStringList{"a.w02", "--decimal", ","} << false << false << ""
                               << QStringList{"a.w02"} << QStringList{"--decimal=,"};
        QTest::newRow("--x=v") << QStringList{"--decimal=,", "a.w02"} << false << false << ""
                               << QStringList{"a.w02"} << QStringList{"--decimal=,"};
        QTest::newRow("--x= vacío")
            << QStringList{"--y="} << false << false << "" << none << QStringList{"--y="};
        QTest::newRow("valor con =")
            << QStringList{"--y=a=b"} << false << false << "" << none << QStringList{"--y=a=b"};
        QTest::newRow("valor que parece opción")
            << QStringList{"--y", "--recobro"} << false << false << "" << none
            << QStringList{"--y=--recobro"};
        QTest::newRow("indicador")
            << QStringList{"informe", "--recobro", "a.w02"} << false << false << ""
            << QStringList{"informe", "a.w02"} << QStringList{"--recobro="};
        QTest::newRow("repetida, en orden")
            << QStringList{"--y", "1", "--y=2", "--y", "3"} << false << false << "" << none
            << QStringList{"--y=1", "--y=2", "--y=3"};
        QTest::newRow("guion solo")
            << QStringList{"-"} << false << false << "" << QStringList{"-"} << none;
        QTest::newRow("--help") << QStringList{"a.w02", "--help", "--nada"} << false << true << ""
                                << QStringList{"a.w02"} << none;
        QTest::newRow("-h") << QStringList{"-h"} << false << true << "" << none << none;
        // Each problem, and the first one ends the reading.
        QTest::newRow("opción desconocida")
            << QStringList{"a.w02", "--decimales", "--help"} << false << false
            << "opción desconocida: --decimales" << QStringList{"a.w02"} << none;
        QTest::newRow("--no-opción=v") << QStringList{"--yy=1"} << false << false
                                       << "opción desconocida: --yy=1" << none << none;
        QTest::newRow("indicador con valor") << QStringList{"--recobro=sí"} << false << false
                                             << "opción desconocida: --recobro=sí" << none << none;
        QTest::newRow("falta el valor")
            << QStringList{"a.w02", "--y"} << false << false << "falta el valor después de --y"
            << QStringList{"a.w02"} << none;
        QTest::newRow("falta el valor, su mensaje")
            << QStringList{"--decimal"} << false << false
            << "falta el separador después de --decimal" << none << none;
        // The start-up's reading passes over what it does not know.
        QTest::newRow("pasa por alto")
            << QStringList{"-style", "--nada=1", "a.w02", "--y", "1", "b.w02", "--decimal"} << true
            << false << "" << QStringList{"a.w02", "b.w02"} << QStringList{"--y=1"};
    }
    void readsTheLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, skipUnknown);
        const CommandLine line =
            readCommandLine(toStd(arguments), kOptions,
                            skipUnknown ? UnknownOptions::Skip : UnknownOptions::Refuse);
        QTEST(line.help, "help");
        QTEST(QString::fromStdString(line.error), "error");
        QTEST(toQt(line.positionals), "positionals");
        QTEST(optionsOf(line), "options");
    }

    void givesTheValues() {
        const CommandLine line =
            readCommandLine({"--y", "1", "--decimal", ";", "--y=2", "--decimal=,"}, kOptions);
        QCOMPARE(line.last("--decimal"), std::optional<std::string>(","));
        QCOMPARE(line.last("--recobro"), std::nullopt);
        QCOMPARE(toQt(line.all("--y")), (QStringList{"1", "2"}));
        QVERIFY(line.all("--recobro").empty());
        QVERIFY(line.has("--y"));
        QVERIFY(!line.has("--recobro"));
    }

    void namesOption_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("names");
        QTest::newRow("opción") << "--y" << true;
        QTest::newRow("opción=valor") << "--decimal=," << true;
        QTest::newRow("indicador") << "--recobro" << true;
        QTest::newRow("ayuda") << "--help" << true;
        QTest::newRow("ayuda corta") << "-h" << true;
        QTest::newRow("otra opción") << "--yy" << false;
        QTest::newRow("indicador=valor") << "--recobro=1" << false;
        QTest::newRow("archivo") << "estudio.w02" << false;
    }
    void namesOption() {
        QFETCH(QString, argument);
        QTEST(linealidad::namesOption(argument.toStdString(), kOptions), "names");
    }

    void positionalsError_data() {
        QTest::addColumn<QStringList>("positionals");
        QTest::addColumn<int>("wanted");
        QTest::addColumn<QString>("error");
        QTest::newRow("justos") << QStringList{"informe", "a.w02"} << 2 << "";
        QTest::newRow("falta") << QStringList{"informe"} << 2 << "falta el archivo del estudio";
        QTest::newRow("sobra") << QStringList{"a.w02", "b.w02", "c.w02"} << 1
                               << "sobra el argumento b.w02";
    }
    void positionalsError() {
        QFETCH(QStringList, positionals);
        QFETCH(int, wanted);
        QTEST(QString::fromStdString(
                  linealidad::positionalsError(toStd(positionals), std::size_t(wanted))),
              "error");
    }

    void decimalOption_data() {
        QTest::addColumn<QString>("value"); // null: no --decimal
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("error");
        QTest::newRow("sin --decimal") << QString() << ';' << "";
        QTest::newRow("coma") << "," << ',' << "";
        QTest::newRow("dos signos")
            << ",," << ';' << "el separador decimal debe ser un solo signo, como . o , (no \",,\")";
        QTest::newRow("dígito") << "1" << ';'
                                << "el separador decimal debe ser un solo signo, como . o , (no "
                                   "\"1\")";
        QTest::newRow("vacío") << "" << ';'
                               << "el separador decimal debe ser un solo signo, como . o , (no "
                                  "\"\")";
    }
    void decimalOption() {
        QFETCH(QString, value);
        const DecimalOption decimal =
            linealidad::decimalOption(value.isNull() ? CommandLine{} : withDecimal(value), ';');
        QTEST(decimal.separator, "separator");
        QTEST(QString::fromStdString(decimal.error), "error");
    }

    void usageErrorText() {
        QCOMPARE(linealidad::usageErrorText("linealidad-cli", "Uso: linealidad-cli VISTA\n",
                                            "vista desconocida: x"),
                 std::string("linealidad-cli: vista desconocida: x\n"
                             "Uso: linealidad-cli VISTA\n"
                             "Para más información: linealidad-cli --help\n"));
        QCOMPARE(kUsageErrorStatus, 2);
    }
};

QTEST_GUILESS_MAIN(TestOptionReader)
#include "tst_optionreader.moc"
