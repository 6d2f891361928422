#include "study/StudyFile.h"
#include "support/EstudiosDePrueba.h"
#include "text/Errors.h"

#include <QtTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

using namespace linealidad;

namespace {

std::string leeBytes(const QString& ruta) {
    std::ifstream in(ruta.toStdString(), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void escribeBytes(const QString& ruta, const std::string& bytes) {
    std::ofstream(ruta.toStdString(), std::ios::binary) << bytes;
}

// The lines joined with the given line end, the last one ended too.
std::string archivo(const QStringList& lineas, const char* fin = "\r\n") {
    std::string bytes;
    for (const QString& linea : lineas)
        bytes += linea.toStdString() + fin;
    return bytes;
}

// A file of `niveles` levels of two replicates each, with X = level and Y = 2 X.
QStringList lineasDeNiveles(int niveles) {
    QStringList lineas = {"Método", "Analista", "01/02/2026",
                          "mg",     "Área",     QString::number(niveles)};
    for (int i = 1; i <= niveles; ++i)
        lineas << "2";
    for (int i = 1; i <= niveles; ++i)
        lineas << QString::number(i) << QString::number(i);
    for (int i = 1; i <= niveles; ++i)
        lineas << QString::number(2 * i) + ".1" << QString::number(2 * i) + ".2";
    return lineas << ""
                  << ""
                  << "";
}

// The message of the StudyFormatError that reading `bytes` throws, or an empty text.
QString errorDeFormato(const QString& ruta, const std::string& bytes) {
    escribeBytes(ruta, bytes);
    try {
        leeEstudio(ruta.toStdString());
    } catch (const StudyFormatError& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

QString errorDeArchivo(const std::function<void()>& accion) {
    try {
        accion();
    } catch (const FileError& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

QStringList archivosEn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

Study tresPorTres() {
    Study s =
        prueba::estudio({3, 3, 3}, {"1", "1", "1", "2", "2", "2", "3", "3", "3"},
                        {"0.98", "1.01", "1.03", "2.0", "1.97", "2.05", "3.1", "2.95", "3.02"});
    s.emetodo = "Valoración";
    s.eanalista = "Ana";
    s.efecha = "08/12/2026";
    s.eadicionada = "mg";
    s.emedida = " Absorbancia ";
    return s;
}

} // namespace

class TestArchivoEstudio : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString ruta(const QString& nombre) const { return dir.filePath(nombre); }

private slots:
    void escribeTreintaLineas() {
        escribeEstudio(ruta("e.w02").toStdString(), tresPorTres(), {"Título", "", "Eje Y"});
        const std::string esperado =
            "Valoraci\xF3n\r\nAna\r\n08/12/2026\r\nmg\r\n Absorbancia \r\n3\r\n3\r\n3\r\n3\r\n"
            "1\r\n1\r\n1\r\n2\r\n2\r\n2\r\n3\r\n3\r\n3\r\n"
            "0.98\r\n1.01\r\n1.03\r\n2.0\r\n1.97\r\n2.05\r\n3.1\r\n2.95\r\n3.02\r\n"
            "T\xEDtulo\r\n\r\nEje Y\r\n";
        QCOMPARE(leeBytes(ruta("e.w02")), esperado);
        QCOMPARE(QString::fromStdString(esperado).count("\r\n"), 30);
    }

    void idaYVueltaDeUnEstudioNuevo() {
        Study nuevo = Study::nuevo();
        for (int i = 1; i <= 3; ++i)
            nuevo.stgniveles.setCell(i, 1, "3");
        for (int j = 1; j <= 9; ++j) {
            nuevo.stgdatos.setCell(1, j, std::to_string(j));
            nuevo.stgdatos.setCell(2, j, std::to_string(j) + ",5");
        }
        nuevo.emetodo = "Método";
        escribeEstudio(ruta("n.w02").toStdString(), nuevo, {"", "", ""});
        const Study s = leeEstudio(ruta("n.w02").toStdString());

        QCOMPARE(s.emetodo, std::string("Método"));
        QCOMPARE(s.eniveles, std::string("3"));
        QCOMPARE(s.stgniveles.colCount(), 4);
        QCOMPARE(s.stgdatos.rowCount(), 10);
        QCOMPARE(s.stgdatos.cell(2, 9), std::string("9,5"));
        // The titles of a study read from a file, not those of a new one.
        QCOMPARE(s.stgniveles.cell(0, 0), std::string("     Nivel"));
        QCOMPARE(s.stgniveles.cell(0, 1), std::string(" # Replicas"));
        QCOMPARE(s.stgniveles.cell(3, 0), std::string("           3"));
        QCOMPARE(s.stgdatos.cell(0, 0), std::string(" Nivel"));
        QCOMPARE(s.stgdatos.cell(2, 0), std::string(" Y"));
        QCOMPARE(s.stgdatos.cell(0, 1), std::string("          1"));
        QCOMPARE(s.stgdatos.cell(0, 4), std::string("          2"));
        QCOMPARE(s.stgdatos.cell(0, 9), std::string("          3"));
    }

    void idaYVueltaDeUnEstudioLeido() {
        escribeEstudio(ruta("a.txt").toStdString(), prueba::ejemploTrabajado(), {"T", "X", "Y"});
        const Study leido = leeEstudio(ruta("a.txt").toStdString());
        QCOMPARE(leido.eanalista, std::string("Ana Pérez"));
        QCOMPARE(leido.stgdatos.rowCount(), 7);
        escribeEstudio(ruta("b.txt").toStdString(), leido, {"T", "X", "Y"});
        QCOMPARE(leeBytes(ruta("b.txt")), leeBytes(ruta("a.txt")));
    }

    void finesDeLinea() {
        const QStringList lineas = lineasDeNiveles(3);
        for (const char* fin : {"\n", "\r"}) {
            escribeBytes(ruta("lf.w02"), archivo(lineas, fin));
            const Study s = leeEstudio(ruta("lf.w02").toStdString());
            QCOMPARE(s.emedida, std::string("Área"));
            QCOMPARE(s.stgdatos.rowCount(), 7);
            QCOMPARE(s.stgdatos.cell(2, 6), std::string("6.2"));
        }
    }

    void lineasFinalesQueFaltan() {
        QStringList lineas = lineasDeNiveles(3);
        lineas.resize(lineas.size() - 5); // no titles, and the last two Y values gone
        escribeBytes(ruta("corto.w02"), archivo(lineas));
        const Study s = leeEstudio(ruta("corto.w02").toStdString());
        QCOMPARE(s.stgdatos.rowCount(), 7);
        QCOMPARE(s.stgdatos.cell(2, 4), std::string("4.2"));
        QCOMPARE(s.stgdatos.cell(2, 5), std::string());
        QCOMPARE(s.stgdatos.cell(2, 6), std::string());

        // The last line without its line end still counts.
        const std::string completo = archivo(lineasDeNiveles(3));
        escribeBytes(ruta("sinfin.w02"), completo.substr(0, completo.find("2.1\r\n") + 3));
        QCOMPARE(leeEstudio(ruta("sinfin.w02").toStdString()).stgdatos.cell(2, 1), "2.1");
    }

    void sieteYDiezNiveles() {
        for (int niveles : {7, 10}) {
            escribeBytes(ruta("n.w02"), archivo(lineasDeNiveles(niveles)));
            const Study s = leeEstudio(ruta("n.w02").toStdString());
            QCOMPARE(s.stgniveles.colCount(), niveles + 1);
            QCOMPARE(s.stgdatos.rowCount(), 2 * niveles + 1);
            QCOMPARE(s.stgniveles.cell(niveles, 0), std::string(11, ' ') + std::to_string(niveles));
            QCOMPARE(s.stgdatos.cell(0, 2 * niveles),
                     std::string(10, ' ') + std::to_string(niveles));
            QCOMPARE(s.stgdatos.cell(1, 2 * niveles), std::to_string(niveles));
        }
    }

    void archivosQueNoSonEstudios_data() {
        QTest::addColumn<QStringList>("lineas");
        QTest::addColumn<QString>("esperado");
        const QStringList texto = {"M", "A", "F", "U", "P"};
        QTest::newRow("niveles no entero")
            << (texto + QStringList{"x"})
            << "no es un estudio: la línea 6 debe tener el número de niveles (un número entero, "
               "cero o mayor) y tiene \"x\".";
        QTest::newRow("niveles que faltan")
            << texto
            << "la línea 6 debe tener el número de niveles (un número entero, cero o mayor) y "
               "el archivo termina antes.";
        QTest::newRow("niveles negativos") << (texto + QStringList{"-3"}) << "la línea 6";
        QTest::newRow("replica decimal")
            << (texto + QStringList{"3", "2", "2.5", "2"})
            << "la línea 8 debe tener el número de réplicas del nivel 2 (un número entero, cero "
               "o mayor) y tiene \"2.5\".";
        QTest::newRow("replica negativa")
            << (texto + QStringList{"3", "2", "2", "-1"})
            << "la línea 9 debe tener el número de réplicas del nivel 3";
        QTest::newRow("replica que falta")
            << (texto + QStringList{"3", "2", "2"})
            << "la línea 9 debe tener el número de réplicas del nivel 3 (un número entero, cero "
               "o mayor) y el archivo termina antes.";
        QTest::newRow("31 niveles")
            << (texto + QStringList{"31"})
            << "no se puede abrir: la línea 6 indica 31 niveles y el programa admite como "
               "máximo 30.";
        QTest::newRow("151 observaciones")
            << (texto + QStringList{"3", "50", "100", "1"})
            << "no se puede abrir: las réplicas hasta la línea 9 suman 151 observaciones y el "
               "programa admite como máximo 150.";
        QTest::newRow("replicas enormes")
            << (texto + QStringList{"2", "100", "2147483647"})
            << "las réplicas hasta la línea 8 suman 2147483747 observaciones";
    }

    void archivosQueNoSonEstudios() {
        QFETCH(QStringList, lineas);
        QFETCH(QString, esperado);
        const QString mensaje = errorDeFormato(ruta("malo.w02"), archivo(lineas));
        QVERIFY2(mensaje.startsWith("El archivo \"" + ruta("malo.w02") + "\" "),
                 qPrintable(mensaje));
        QVERIFY2(mensaje.contains(esperado), qPrintable(mensaje));
    }

    void limitesAdmitidos() {
        QStringList lineas = {"", "", "", "", "", "30"};
        for (int i = 1; i <= 30; ++i)
            lineas << QString::number(i <= 15 ? 10 : 0);
        escribeBytes(ruta("lim.w02"), archivo(lineas));
        const Study s = leeEstudio(ruta("lim.w02").toStdString());
        QCOMPARE(s.stgniveles.colCount(), 31);
        QCOMPARE(s.stgdatos.rowCount(), 151);
        QCOMPARE(s.stgdatos.cell(0, 150), std::string("          15"));
    }

    void windows1252() {
        // A whole file in Windows-1252, as earlier versions wrote them.
        std::string bytes = archivo(lineasDeNiveles(3));
        bytes = "Cuantificaci\xF3n \x80 \x81 \xBF?" + bytes.substr(bytes.find("\r\n"));
        bytes.replace(bytes.find("\xC3\x81rea"), 2, "\xC1");
        escribeBytes(ruta("ansi.w02"), bytes);
        const Study s = leeEstudio(ruta("ansi.w02").toStdString());
        QCOMPARE(s.emetodo, std::string("Cuantificación € \u0081 ¿?"));
        QCOMPARE(s.emedida, std::string("Área"));

        escribeEstudio(ruta("ansi2.w02").toStdString(), s, {"", "", ""});
        QCOMPARE(leeBytes(ruta("ansi2.w02")), bytes);
    }

    void utf8() {
        Study s = prueba::ejemploTrabajado();
        s.emetodo = "Valoración α ✓";
        escribeEstudio(ruta("u.w02").toStdString(), s, {"Título", "", ""});
        QVERIFY(leeBytes(ruta("u.w02")).starts_with("Valoración α ✓\r\nAna Pérez\r\n"));
        const Study leido = leeEstudio(ruta("u.w02").toStdString());
        QCOMPARE(leido.emetodo, s.emetodo);
        QCOMPARE(leido.eanalista, std::string("Ana Pérez"));

        // A byte-order mark opens some UTF-8 files and is not part of the method name.
        escribeBytes(ruta("bom.w02"), "\xEF\xBB\xBF" + archivo(lineasDeNiveles(3)));
        QCOMPARE(leeEstudio(ruta("bom.w02").toStdString()).emetodo, std::string("Método"));
    }

    void textoQueEnWindows1252PareceUtf8() {
        // "Ã³" in Windows-1252 is the UTF-8 of "ó": stored so, it would come back changed.
        Study s = prueba::ejemploTrabajado();
        s.emetodo = "Ã³";
        s.eanalista = "Peña";
        escribeEstudio(ruta("amb.w02").toStdString(), s, {"", "", ""});
        const Study leido = leeEstudio(ruta("amb.w02").toStdString());
        QCOMPARE(leido.emetodo, s.emetodo);
        QCOMPARE(leido.eanalista, s.eanalista);
    }

    void erroresDeArchivo() {
        QCOMPARE(errorDeArchivo([&] { leeEstudio(ruta("no-existe.w02").toStdString()); }),
                 QString("File not found"));
        QCOMPARE(errorDeArchivo([&] { leeEstudio(dir.path().toStdString()); }),
                 QString("File access denied"));
    }

    void guardadoFallidoNoDestruyeNada() {
        QTemporaryDir aparte;
        const QString previo = aparte.filePath("estudio.w02");
        escribeEstudio(previo.toStdString(), tresPorTres(), {"", "", ""});
        const std::string antes = leeBytes(previo);
        const Study otro = prueba::ejemploTrabajado();
        const TitulosGrafica titulos{"", "", ""};

        QCOMPARE(errorDeArchivo([&] {
                     escribeEstudio(aparte.filePath("falta/e.w02").toStdString(), otro, titulos);
                 }),
                 QString("File not found"));
        // A path through a regular file.
        QCOMPARE(errorDeArchivo(
                     [&] { escribeEstudio((previo + "/e.w02").toStdString(), otro, titulos); }),
                 QString("File not found"));
        // A directory in the way: the temporary was written, the rename fails.
        QVERIFY(QDir(aparte.path()).mkpath("carpeta/dentro"));
        QCOMPARE(errorDeArchivo([&] {
                     escribeEstudio(aparte.filePath("carpeta").toStdString(), otro, titulos);
                 }),
                 QString("File access denied"));
        QVERIFY(QFileInfo(aparte.filePath("carpeta/dentro")).isDir());

        // The disk fills up in the middle of writing over the previous file.
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit pequeno{64, limite.rlim_max};
        const auto senal = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &pequeno);
        const QString mensaje =
            errorDeArchivo([&] { escribeEstudio(previo.toStdString(), otro, titulos); });
        setrlimit(RLIMIT_FSIZE, &limite);
        std::signal(SIGXFSZ, senal);
        QCOMPARE(mensaje, QString("I/O error %1").arg(EFBIG));

        QCOMPARE(leeBytes(previo), antes);
        QCOMPARE(archivosEn(aparte), QStringList({"carpeta", "estudio.w02"}));
    }

    void guardarSobreUnEstudioLoReemplaza() {
        const QString destino = ruta("reemplazo.w02");
        escribeEstudio(destino.toStdString(), tresPorTres(), {"", "", ""});
        namespace fs = std::filesystem;
        const auto permisos =
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
        fs::permissions(destino.toStdString(), permisos);
        escribeEstudio(destino.toStdString(), prueba::ejemploTrabajado(), {"", "", ""});
        QCOMPARE(leeEstudio(destino.toStdString()).stgdatos.rowCount(), 7);
        QVERIFY(fs::status(destino.toStdString()).permissions() == permisos);
        QVERIFY(!archivosEn(dir).join(' ').contains(".tmp"));
    }
};

QTEST_APPLESS_MAIN(TestArchivoEstudio)
#include "tst_archivoestudio.moc"
