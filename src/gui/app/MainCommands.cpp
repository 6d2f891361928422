#include "gui/app/MainCommands.h"

#include "gui/app/TMainForm.h"
#include "gui/common/helpcons.h"

#include <QAction>
#include <QToolBar>

namespace linealidad {

// The program's texts keep their slips ("imrpime", "Crea,abre", "Lasser", "Archivo Actual",
// "archivo Actual", "hint|", "Como &usar  la ayuda"): the user sees them so; do not correct them.
std::vector<CommandRow> mainCommands(TMainForm& w) {
    using G = CommandGroup;
    using R = CommandRow;
    return {
        // in, name, caption, hint, help context, enabling group, command (, shortcut)
        R::menu("", "FileMenu", "&Archivo", "Crea,abre,guarda e imrpime un archivo", help::kFile),
        R::item(
            "FileMenu", "FileNewItem", "&Nuevo", "Archivo|Crea un nuevo archivo", help::kNew,
            G::New, [&w] { w.FileNew(); }, Qt::CTRL | Qt::Key_N),
        R::item(
            "FileMenu", "FileOpenItem", "&Abrir...", "Archivo|Abre un archivo ya existente",
            help::kOpen, G::Open, [&w] { w.FileOpen(); }, Qt::CTRL | Qt::Key_A),
        R::item("FileMenu", "FileImportItem", "Importar &tabla...",
                "Archivo|Crea un estudio con las columnas de una tabla (CSV o texto con "
                "tabuladores)",
                help::kImportTable, G::Open, [&w] { w.FileImportTable(); }),
        R::item("FileMenu", "FilePasteStudyItem", "&Pegar estudio",
                "Archivo|Crea un estudio con la tabla copiada de una hoja de cálculo",
                help::kPasteStudy, G::Open, [&w] { w.FilePasteStudy(); }),
        R::item("FileMenu", "mnuclose", "C&errar", "Archivo|Cierra la ventana activa", help::kClose,
                G::Close, [&w] { w.mnucloseClick(); }),
        R::separator("FileMenu"),
        R::item(
            "FileMenu", "FileSaveItem", "&Guardar", "Archivo|Guarda el archivo", help::kSave,
            G::Save, [&w] { w.FileSave(); }, Qt::CTRL | Qt::Key_G),
        R::item("FileMenu", "FileSaveAsItem", "Guardar &como...",
                "Archivo|Guarda el archivo con un nuevo nombre y/o trayectoria", help::kSaveAs,
                G::Save, [&w] { w.FileSaveAs(); }),
        R::separator("FileMenu"),
        R::menu("FileMenu", "FilePrintItem", "&Imprimir...", "", help::kPrint, G::Print),
        R::item("FilePrintItem", "PrintLasser", "Lasser",
                "Imprimir Lasser|Imprime el Archivo Actual", help::kPrint, G::Print,
                [&w] { w.PrintLasserClick(); }),
        R::item("FilePrintItem", "PrintDeskjet", "Deskjet", "Imprimir|Imprime el Archivo Actual",
                help::kPrint, G::Print, [&w] { w.FilePrint(); })
            .hidden(),
        R::item("FileMenu", "FilePreferencesItem", "Pre&ferencias...",
                "Archivo|El nombre de la empresa o laboratorio que llevan las gráficas",
                help::kPreferences, G::Always, [&w] { w.FilePreferences(); }),
        R::separator("FileMenu"),
        R::item("FileMenu", "FileExitItem", "&Salir", "Salir del módulo KTRZ", help::kExit,
                G::Always, [&w] { w.FileExit(); }),

        R::menu("", "mnucalculos", "&Cálculos", "Cálculos de Precisión del sistema",
                help::kCalculations, G::CalculationsMenu),
        R::item("mnucalculos", "mnuinferencia", "&Inferencia",
                "Cálculos|Inferencia de pendiente y ordenada al origen", help::kInference,
                G::Inference, [&w] { w.mnuinferenciaClick(); }),
        R::separator("mnucalculos"),
        R::item("mnucalculos", "mnuanova", "&Análisis de la varianza",
                "Cálculos|Presenta el análisis de la varianza", help::kAnova, G::OtherCalculations,
                [&w] { w.mnuanovaClick(); }),
        R::item("mnucalculos", "mnuresid", "Análisis de Residuales",
                "hint|presenta el Análisis de Residuales", 0, G::OtherCalculations,
                [&w] { w.mnuresidClick(); }),
        R::item("mnucalculos", "mnugraphR", "Residuales (Gráfica)",
                "Cálculos|presenta la Gráfica de Residuales", 0, G::OtherCalculations,
                [&w] { w.mnugraphRClick(); }),
        R::item("mnucalculos", "mnugraph", "&Gráfica", "Cálculos|Presenta la Gráfica", help::kChart,
                G::OtherCalculations, [&w] { w.mnugraphClick(); }),
        R::item("mnucalculos", "mnupredice", "&Predicciones...",
                "Cálculos|Predice Y para valores de X", help::kPredictions, G::OtherCalculations,
                [&w] { w.mnuprediceClick(); }),
        R::separator("mnucalculos"),
        R::item("mnucalculos", "mnuinforme", "I&nforme", "Cálculos|Presenta datos y resultados",
                help::kReport, G::OtherCalculations, [&w] { w.mnuinformeClick(); }),
        R::item("mnucalculos", "AcceptanceItem", "&Dictamen...",
                "Cálculos|Juzga el estudio con los criterios de aceptación del laboratorio",
                help::kAcceptance, G::OtherCalculations, [&w] { w.showAcceptanceVerdict(); }),
        R::item("mnucalculos", "ValidationItem", "&Estadística de validación...",
                "Cálculos|Presenta la estadística que pide un protocolo de validación",
                help::kValidation, G::OtherCalculations, [&w] { w.showValidation(); }),

        R::menu("", "WindowMenu", "&Ventana", "Arregla las ventanas presentes", help::kWindow),
        R::item("WindowMenu", "WindowTileItem", "&Mosaico",
                "Ventana|Arregla las ventanas en mosaico", help::kWindow, G::Windows,
                [&w] { w.WindowTile(); }),
        R::item("WindowMenu", "WindowCascadeItem", "&Cascada",
                "Ventana|Arregla las ventanas en cascada", help::kWindow, G::Windows,
                [&w] { w.WindowCascade(); }),

        R::menu("", "HelpMenu", "A&yuda", "Ayuda del módulo KTRZ", help::kHelp),
        // F1 is shown here; the key itself opens the topic of what is active (HelpDesk).
        R::item("HelpMenu", "HelpContentsItem", "&Contenido\tF1",
                "Ayuda|Presenta el contenido de la ayuda", help::kContents, G::Always,
                [&w] { w.HelpContents(); }),
        R::item(
            "HelpMenu", "HelpSearchItem", "&Buscar ayuda sobre...", "Ayuda|Busca ayuda sobre",
            help::kSearch, G::Always, [&w] { w.HelpSearch(); }, Qt::CTRL | Qt::Key_F1),
        R::item("HelpMenu", "HelpHowToUseItem", "Como &usar  la ayuda", "Ayuda|Como usar la ayuda",
                0, G::Always, [&w] { w.showHelp(0); })
            .hidden(),
        R::item("HelpMenu", "HelpVerifyItem", "&Verificar cálculos...",
                "Ayuda|Verifica los cálculos del programa con datos de referencia", help::kVerify,
                G::Always, [&w] { w.HelpVerify(); }),
        R::separator("HelpMenu"),
        R::item("HelpMenu", "HelpAboutItem", "&Acerca...",
                "Ayuda|Presenta información del programa", help::kAbout, G::Always,
                [&w] { w.HelpAbout(); }),

        // in, name, glyph, hint, enabling group, the item it runs
        R::button("SpeedBar", "spdnuevo", "nuevo", "Nuevo|Crea un nuevo archivo", G::New,
                  "FileNewItem"),
        R::button("SpeedBar", "spdabrir", "abrir", "Abrir|Abre un archivo ya existente", G::Open,
                  "FileOpenItem"),
        R::button("SpeedBar", "spdguardar", "guardar", "Guardar|Guarda el archivo", G::Save,
                  "FileSaveItem"),
        R::separator("SpeedBar"),
        R::button("SpeedBar", "spdprint", "imprimir",
                  "Imprimir en Lasser|Imprime el archivo actual", G::Print, "PrintLasser"),
        R::button("SpeedBar", "spdprint1", "imprimir",
                  "Imprimir en Deskjet|Imprime el archivo Actual", G::Print, "PrintDeskjet")
            .hidden(),
        R::separator("SpeedBar"),
        R::button("SpeedBar", "spdclose", "cerrar", "Cerrar|Cierra la ventana activa", G::Close,
                  "mnuclose"),
        R::button("SpeedBar", "spdexit", "salir",
                  "Salir|Salir del módulo Linealidad y Precisión del Sistema de Medición",
                  G::Always, "FileExitItem"),
        R::separator("SpeedBar"),
        R::button("SpeedBar", "spdmosaico", "mosaico", "Mosaico|Arregla las ventanas en mosaico",
                  G::Windows, "WindowTileItem"),
        R::button("SpeedBar", "spdcascada", "cascada", "Cascada|Arregla las ventanas en cascada",
                  G::Windows, "WindowCascadeItem"),
        R::separator("SpeedBar"),
        R::button("SpeedBar", "spdcontenido", "contenido",
                  "Contenido|Presenta el contenido de la ayuda", G::Always, "HelpContentsItem"),
    };
}

namespace {

// A fixed bar of small pictures, with no pop-up menu to hide it.
void addSpeedBar(QMainWindow& window) {
    QToolBar* bar = window.addToolBar(QStringLiteral("SpeedBar"));
    bar->setObjectName(QStringLiteral("SpeedBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->toggleViewAction()->setVisible(false);
    window.setContextMenuPolicy(Qt::NoContextMenu);
}

} // namespace

CommandGroups createMainCommands(TMainForm& window, std::function<void(const QString&)> showHint) {
    addSpeedBar(window);
    auto* builder = new CommandBuilder(window, std::move(showHint),
                                       [&window](int context) { window.showHelp(context); });
    return builder->build(mainCommands(window));
}

} // namespace linealidad
