#include "app/TMainForm.h"

#include "app/EjecutaComando.h"
#include "app/Glifos.h"
#include "app/Hint.h"
#include "app/Interaccion.h"
#include "app/Regional.h"
#include "app/TAboutBox.h"
#include "app/VisorAyuda.h"
#include "app/helpcons.h"
#include "charts/TOptionsDlg.h"
#include "charts/TPlotForm.h"
#include "charts/TPlotForm1.h"
#include "results/TFinfo.h"
#include "results/TfinfoA.h"
#include "results/TfinfoR.h"
#include "results/Tfrminforme.h"
#include "results/Tfrmpredice.h"
#include "stats/CalculaAnova.h"
#include "stats/CalculaRegresion.h"
#include "study/StudyFile.h"
#include "study/TFinforma.h"
#include "study/ValidaEstudio.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

namespace linealidad {
namespace {

const char* const kContexto = "contextoAyuda";

std::string rutaLocal(const QString& ruta) {
    return QFile::encodeName(ruta).toStdString();
}

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), interaccion_(std::make_unique<InteraccionQt>(this)),
      fuenteTitulos_([] { return TitulosGrafica{}; }) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(kTituloAplicacion);
    resize(588, 370);
    setWindowIcon(QIcon(emblemaPrograma(QSize(64, 64))));
    setAcceptDrops(true);

    ClientArea_ = new QMdiArea(this);
    ClientArea_->setObjectName(QStringLiteral("ClientArea"));
    ClientArea_->setBackground(palette().dark());
    setCentralWidget(ClientArea_);

    creaMenus();
    creaBarra();
    creaLineaEstado();
    aplica(EventoEstudio::AlInicio);
    creaVentanasDeInicio();

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TMainForm::ayudaF1);
}

void TMainForm::instalaAyudaF1(QWidget* ventana) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), ventana);
    connect(f1, &QShortcut::activated, this,
            [this, ventana] { muestraAyuda(ventana->property(kContexto).toInt()); });
}

// The child windows still here (those closed and waiting for deletion too) are deleted after
// this body, when the main window is no longer whole: they must not report to it any more.
TMainForm::~TMainForm() {
    for (QMdiSubWindow* ventana : ClientArea_->findChildren<QMdiSubWindow*>())
        ventana->disconnect(this);
}

void TMainForm::setInteraccion(std::unique_ptr<Interaccion> interaccion) {
    interaccion_ = std::move(interaccion);
}

void TMainForm::setFuenteTitulos(std::function<TitulosGrafica()> fuente) {
    fuenteTitulos_ = std::move(fuente);
}

Interaccion& TMainForm::interaccion() {
    return *interaccion_;
}

// The windows the program keeps from start-up to the end: the chart options dialog, the
// predictions dialog and the two chart windows. The study file's chart title lines are those
// of the options dialog.
void TMainForm::creaVentanasDeInicio() {
    OptionsDlg = new TOptionsDlg(this);
    OptionsDlg->alPedirAyuda = [this](int contexto) { muestraAyuda(contexto, OptionsDlg); };
    frmpredice = new Tfrmpredice([this]() -> Interaccion& { return interaccion(); }, this);
    instalaAyudaF1(frmpredice);
    PlotForm = new TPlotForm(*this, *OptionsDlg, this);
    PlotForm1 = new TPlotForm1(*this, *OptionsDlg, this);
    setFuenteTitulos([this] {
        return TitulosGrafica{OptionsDlg->titulo().toStdString(), OptionsDlg->ejeX().toStdString(),
                              OptionsDlg->ejeY().toStdString()};
    });
}

const Study* TMainForm::estudioGrafica() const {
    return Finforma ? &Finforma->estudio() : nullptr;
}

// --- menus, tool bar and status line ---------------------------------------------------------

QAction* TMainForm::accion(QMenu* menu, const char* nombre, const QString& titulo,
                           const QString& hint, int contexto, GrupoComandos grupo,
                           std::function<void()> comando) {
    QAction* a = menu->addAction(titulo);
    a->setObjectName(QString::fromLatin1(nombre));
    a->setStatusTip(hintLargo(hint));
    a->setProperty(kContexto, contexto);
    grupos_[grupo] << a;
    connect(a, &QAction::triggered, this, [comando = std::move(comando)] { comando(); });
    return a;
}

void TMainForm::creaMenus() {
    using G = GrupoComandos;
    QMenuBar* barra = menuBar();
    connect(barra, &QMenuBar::hovered, this, [this](QAction* a) { muestraHint(a->statusTip()); });
    auto menu = [this, barra](const char* nombre, const QString& titulo, const QString& hint,
                              int contexto) {
        QMenu* m = barra->addMenu(titulo);
        m->setObjectName(QString::fromLatin1(nombre));
        m->menuAction()->setStatusTip(hintLargo(hint));
        m->menuAction()->setProperty(kContexto, contexto);
        m->installEventFilter(this);
        connect(m, &QMenu::hovered, this, [this](QAction* a) { muestraHint(a->statusTip()); });
        return m;
    };
    const QString archivo = QStringLiteral("Archivo|");
    const QString calculos = QStringLiteral("Cálculos|");

    QMenu* FileMenu =
        menu("FileMenu", QStringLiteral("&Archivo"),
             QStringLiteral("Crea,abre,guarda e imrpime un archivo"), ayuda::kArchivo);
    accion(FileMenu, "FileNewItem", QStringLiteral("&Nuevo"), archivo + "Crea un nuevo archivo",
           ayuda::kNuevo, G::Nuevo, [this] { FileNew(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    accion(FileMenu, "FileOpenItem", QStringLiteral("&Abrir..."),
           archivo + "Abre un archivo ya existente", ayuda::kAbrir, G::Abrir,
           [this] { FileOpen(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    accion(FileMenu, "mnuclose", QStringLiteral("C&errar"), archivo + "Cierra la ventana activa",
           ayuda::kCerrar, G::Cerrar, [this] { mnucloseClick(); });
    FileMenu->addSeparator();
    accion(FileMenu, "FileSaveItem", QStringLiteral("&Guardar"), archivo + "Guarda el archivo",
           ayuda::kGuardar, G::Guardar, [this] { FileSave(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    accion(FileMenu, "FileSaveAsItem", QStringLiteral("Guardar &como..."),
           archivo + "Guarda el archivo con un nuevo nombre y/o trayectoria", ayuda::kGuardarComo,
           G::Guardar, [this] { FileSaveAs(); });
    FileMenu->addSeparator();
    QMenu* FilePrintItem = FileMenu->addMenu(QStringLiteral("&Imprimir..."));
    FilePrintItem->setObjectName(QStringLiteral("FilePrintItem"));
    FilePrintItem->menuAction()->setProperty(kContexto, ayuda::kImprimir);
    FilePrintItem->installEventFilter(this);
    connect(FilePrintItem, &QMenu::hovered, this,
            [this](QAction* a) { muestraHint(a->statusTip()); });
    grupos_[G::Imprimir] << FilePrintItem->menuAction();
    accion(FilePrintItem, "PrintLasser", QStringLiteral("Lasser"),
           QStringLiteral("Imprimir Lasser|Imprime el Archivo Actual"), ayuda::kImprimir,
           G::Imprimir, [this] { PrintLasserClick(); });
    accion(FilePrintItem, "PrintDeskjet", QStringLiteral("Deskjet"),
           QStringLiteral("Imprimir|Imprime el Archivo Actual"), ayuda::kImprimir, G::Imprimir,
           [] {})
        ->setVisible(false);
    FileMenu->addSeparator();
    accion(FileMenu, "FileExitItem", QStringLiteral("&Salir"),
           QStringLiteral("Salir del módulo KTRZ"), ayuda::kSalir, G::Siempre,
           [this] { FileExit(); });

    mnucalculos_ = menu("mnucalculos", QStringLiteral("&Cálculos"),
                        QStringLiteral("Cálculos de Precisión del sistema"), ayuda::kCalculos);
    grupos_[G::MenuCalculos] << mnucalculos_->menuAction();
    accion(mnucalculos_, "mnuinferencia", QStringLiteral("&Inferencia"),
           calculos + "Inferencia de pendiente y ordenada al origen", ayuda::kInferencia,
           G::Inferencia, [this] { mnuinferenciaClick(); });
    mnucalculos_->addSeparator();
    accion(mnucalculos_, "mnuanova", QStringLiteral("&Análisis de la varianza"),
           calculos + "Presenta el análisis de la varianza", ayuda::kAnova, G::OtrosCalculos,
           [this] { mnuanovaClick(); });
    accion(mnucalculos_, "mnuresid", QStringLiteral("Análisis de Residuales"),
           QStringLiteral("hint|presenta el Análisis de Residuales"), 0, G::OtrosCalculos,
           [this] { mnuresidClick(); });
    accion(mnucalculos_, "mnugraphR", QStringLiteral("Residuales (Gráfica)"),
           calculos + "presenta la Gráfica de Residuales", 0, G::OtrosCalculos,
           [this] { mnugraphRClick(); });
    accion(mnucalculos_, "mnugraph", QStringLiteral("&Gráfica"), calculos + "Presenta la Gráfica",
           ayuda::kGrafica, G::OtrosCalculos, [this] { mnugraphClick(); });
    accion(mnucalculos_, "mnupredice", QStringLiteral("&Predicciones..."),
           calculos + "Predice Y para valores de X", ayuda::kPredicciones, G::OtrosCalculos,
           [this] { mnuprediceClick(); });
    mnucalculos_->addSeparator();
    accion(mnucalculos_, "mnuinforme", QStringLiteral("I&nforme"),
           calculos + "Presenta datos y resultados", ayuda::kInforme, G::OtrosCalculos,
           [this] { mnuinformeClick(); });

    const QString ventana = QStringLiteral("Ventana|");
    QMenu* WindowMenu = menu("WindowMenu", QStringLiteral("&Ventana"),
                             QStringLiteral("Arregla las ventanas presentes"), ayuda::kVentana);
    accion(WindowMenu, "WindowTileItem", QStringLiteral("&Mosaico"),
           ventana + "Arregla las ventanas en mosaico", ayuda::kVentana, G::Ventanas,
           [this] { WindowTile(); });
    accion(WindowMenu, "WindowCascadeItem", QStringLiteral("&Cascada"),
           ventana + "Arregla las ventanas en cascada", ayuda::kVentana, G::Ventanas,
           [this] { WindowCascade(); });

    const QString ayudaHint = QStringLiteral("Ayuda|");
    QMenu* HelpMenu = menu("HelpMenu", QStringLiteral("A&yuda"),
                           QStringLiteral("Ayuda del módulo KTRZ"), ayuda::kAyuda);
    // F1 is shown here; the key itself opens the topic of what is active (ayudaF1).
    accion(HelpMenu, "HelpContentsItem", QStringLiteral("&Contenido\tF1"),
           ayudaHint + "Presenta el contenido de la ayuda", ayuda::kContenido, G::Siempre,
           [this] { HelpContents(); });
    accion(HelpMenu, "HelpSearchItem", QStringLiteral("&Buscar ayuda sobre..."),
           ayudaHint + "Busca ayuda sobre", ayuda::kBuscar, G::Siempre, [this] { HelpSearch(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    accion(HelpMenu, "HelpHowToUseItem", QStringLiteral("Como &usar  la ayuda"),
           ayudaHint + "Como usar la ayuda", 0, G::Siempre, [this] { muestraAyuda(0); })
        ->setVisible(false);
    HelpMenu->addSeparator();
    accion(HelpMenu, "HelpAboutItem", QStringLiteral("&Acerca..."),
           ayudaHint + "Presenta información del programa", ayuda::kAcerca, G::Siempre,
           [this] { HelpAbout(); });
}

QAction* TMainForm::boton(const char* nombre, const QString& glifo, const QString& hint,
                          GrupoComandos grupo, QAction* comando) {
    auto* a = new QAction(iconoGlifo(glifo), hintCorto(hint), this);
    a->setObjectName(QString::fromLatin1(nombre));
    a->setToolTip(hintCorto(hint));
    a->setStatusTip(hintLargo(hint));
    connect(a, &QAction::triggered, comando, &QAction::trigger);
    SpeedBar_->addAction(a);
    SpeedBar_->widgetForAction(a)->setObjectName(QString::fromLatin1(nombre));
    grupos_[grupo] << a;
    return a;
}

void TMainForm::creaBarra() {
    using G = GrupoComandos;
    SpeedBar_ = addToolBar(QStringLiteral("SpeedBar"));
    SpeedBar_->setObjectName(QStringLiteral("SpeedBar"));
    SpeedBar_->setMovable(false);
    SpeedBar_->setFloatable(false);
    SpeedBar_->setIconSize(QSize(20, 20));
    SpeedBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    SpeedBar_->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    auto menuItem = [this](const char* nombre) {
        return findChild<QAction*>(QString::fromLatin1(nombre));
    };
    boton("spdnuevo", QStringLiteral("nuevo"), QStringLiteral("Nuevo|Crea un nuevo archivo"),
          G::Nuevo, menuItem("FileNewItem"));
    boton("spdabrir", QStringLiteral("abrir"), QStringLiteral("Abrir|Abre un archivo ya existente"),
          G::Abrir, menuItem("FileOpenItem"));
    boton("spdguardar", QStringLiteral("guardar"), QStringLiteral("Guardar|Guarda el archivo"),
          G::Guardar, menuItem("FileSaveItem"));
    SpeedBar_->addSeparator();
    boton("spdprint", QStringLiteral("imprimir"),
          QStringLiteral("Imprimir en Lasser|Imprime el archivo actual"), G::Imprimir,
          menuItem("PrintLasser"));
    boton("spdprint1", QStringLiteral("imprimir"),
          QStringLiteral("Imprimir en Deskjet|Imprime el archivo Actual"), G::Imprimir,
          menuItem("PrintDeskjet"))
        ->setVisible(false);
    SpeedBar_->addSeparator();
    boton("spdclose", QStringLiteral("cerrar"), QStringLiteral("Cerrar|Cierra la ventana activa"),
          G::Cerrar, menuItem("mnuclose"));
    boton("spdexit", QStringLiteral("salir"),
          QStringLiteral("Salir|Salir del módulo Linealidad y Precisión del Sistema de Medición"),
          G::Siempre, menuItem("FileExitItem"));
    SpeedBar_->addSeparator();
    boton("spdmosaico", QStringLiteral("mosaico"),
          QStringLiteral("Mosaico|Arregla las ventanas en mosaico"), G::Ventanas,
          menuItem("WindowTileItem"));
    boton("spdcascada", QStringLiteral("cascada"),
          QStringLiteral("Cascada|Arregla las ventanas en cascada"), G::Ventanas,
          menuItem("WindowCascadeItem"));
    SpeedBar_->addSeparator();
    boton("spdcontenido", QStringLiteral("contenido"),
          QStringLiteral("Contenido|Presenta el contenido de la ayuda"), G::Siempre,
          menuItem("HelpContentsItem"));
}

void TMainForm::creaLineaEstado() {
    auto panel = [this](const char* nombre, const QString& texto) {
        auto* l = new QLabel(texto, this);
        l->setObjectName(QString::fromLatin1(nombre));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMinimumHeight(22);
        return l;
    };
    StatusLine_ = panel("StatusLine", QString());
    StatusLine_->setMinimumWidth(380);
    Paneld_ = panel("Paneld", QStringLiteral("F1 < Ayuda >"));
    Paneld_->setAlignment(Qt::AlignCenter);
    estado_ = panel("estado", QString());
    estado_->setFixedWidth(132);
    for (QLabel* l : {StatusLine_, Paneld_, estado_}) {
        QFont negrita = l->font();
        negrita.setBold(true);
        l->setFont(negrita);
    }
    statusBar()->addWidget(StatusLine_, 1);
    statusBar()->addWidget(Paneld_);
    statusBar()->addWidget(estado_);
    statusBar()->setSizeGripEnabled(false);
}

void TMainForm::muestraHint(const QString& hint) {
    StatusLine_->setText(hint);
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        muestraHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        emit activada();
    QMainWindow::changeEvent(event);
}

// --- enabling rules --------------------------------------------------------------------------

void TMainForm::aplica(EventoEstudio evento) {
    for (auto grupo = grupos_.cbegin(); grupo != grupos_.cend(); ++grupo) {
        const Cambio cambio = cambioDe(grupo.key(), evento);
        if (cambio == Cambio::Igual)
            continue;
        for (QAction* a : grupo.value())
            a->setEnabled(cambio == Cambio::Habilita);
    }
    // The pop-up items belong to the study window and go with it.
    const Cambio emergentes = cambioDe(GrupoComandos::Emergentes, evento);
    if (Finforma && emergentes != Cambio::Igual)
        for (QAction* a : Finforma->accionesEmergentes())
            a->setEnabled(emergentes == Cambio::Habilita);
}

void TMainForm::marcaModificado() {
    estado_->setText(QStringLiteral("Modificado"));
}

bool TMainForm::modificado() const {
    return estado_->text() == QStringLiteral("Modificado");
}

void TMainForm::limpiaModificado(const QString& texto) {
    estado_->setText(texto);
}

// --- file commands ---------------------------------------------------------------------------

TFinforma* TMainForm::creaVentanaEstudio() {
    auto* ventana = new TFinforma(*this);
    Finforma = ventana;
    conectaEmergentes(ventana);
    ClientArea_->addSubWindow(ventana);
    return ventana;
}

void TMainForm::conectaEmergentes(TFinforma* ventana) {
    connect(ventana->pmnuinfiere(), &QAction::triggered, this, &TMainForm::mnuinferenciaClick);
    connect(ventana->pmnuanova(), &QAction::triggered, this, &TMainForm::mnuanovaClick);
    connect(ventana->pmnuresid(), &QAction::triggered, this, &TMainForm::mnuresidClick);
    connect(ventana->pmnugraph(), &QAction::triggered, this, &TMainForm::mnugraphClick);
    connect(ventana->pmnugraphr(), &QAction::triggered, this, &TMainForm::mnugraphRClick);
    auto* predice = new QAction(QStringLiteral("&Predicciones..."), ventana);
    predice->setObjectName(QStringLiteral("pmnupredice"));
    predice->setStatusTip(QStringLiteral("Predice Y para valores de X"));
    predice->setEnabled(false);
    connect(predice, &QAction::triggered, this, &TMainForm::mnuprediceClick);
    ventana->agregaEmergente(predice);
}

void TMainForm::FileNew() {
    if (Finforma)
        return; // one study window at a time
    creaVentanaEstudio()->show();
    aplica(EventoEstudio::Nuevo);
}

void TMainForm::FileOpen() {
    if (Finforma)
        return;
    const QString ruta = interaccion_->abrirArchivo({QStringLiteral("Abrir archivo"), QString()});
    if (!ruta.isEmpty())
        abreEstudio(ruta);
}

// The file is read whole before any window exists: a file that cannot be read or cannot be a
// study leaves no window behind and the commands as they were.
bool TMainForm::abreEstudio(const QString& ruta) {
    Study estudio;
    bool leido = false;
    {
        CursorEspera espera;
        leido = ejecutaComando(*interaccion_, [&] { estudio = leeEstudio(rutaLocal(ruta)); });
    }
    if (!leido)
        return false;
    TFinforma* ventana = creaVentanaEstudio();
    ventana->cargaEstudio(estudio);
    ventana->setWindowTitle(ruta);
    nombreArchivo_ = ruta;
    ventana->show();
    activateWindow(); // back from the file dialog, the study window takes the focus
    aplica(EventoEstudio::AbrirHecho);
    return true;
}

bool TMainForm::validaEstudio() {
    if (!Finforma)
        return false;
    std::optional<ProblemaEstudio> problema;
    if (!ejecutaComando(*interaccion_, [&] { problema = ValidaEstudio(Finforma->estudio()); }))
        return false;
    if (problema) {
        Finforma->muestraProblema(*problema);
        return false;
    }
    return true;
}

bool TMainForm::escribeEstudio(const QString& ruta) {
    CursorEspera espera;
    return ejecutaComando(*interaccion_, [&] {
        linealidad::escribeEstudio(rutaLocal(ruta), Finforma->estudio(), fuenteTitulos_());
    });
}

bool TMainForm::FileSave() {
    if (!validaEstudio())
        return false;
    if (Finforma->windowTitle() == QStringLiteral("Nuevo")) { // never saved
        nombreArchivo_ = QStringLiteral("Nuevo");
        return FileSaveAs();
    }
    if (!escribeEstudio(nombreArchivo_))
        return false;
    limpiaModificado(QString());
    return true;
}

bool TMainForm::FileSaveAs() {
    if (!validaEstudio())
        return false;
    const QString ruta =
        interaccion_->guardarArchivo({QStringLiteral("Guardar como"), nombreArchivo_});
    if (ruta.isEmpty() || !Finforma || !escribeEstudio(ruta))
        return false;
    limpiaModificado(QStringLiteral(" "));
    Finforma->setWindowTitle(ruta);
    nombreArchivo_ = ruta;
    return true;
}

// --- windows ---------------------------------------------------------------------------------

void TMainForm::mnucloseClick() {
    QMdiSubWindow* activa = ClientArea_->currentSubWindow();
    if (!activa)
        return;
    if (activa != Finforma) {
        activa->close();
        return;
    }
    if (Finforma->close())
        aplica(EventoEstudio::CerradoPorCerrar);
}

void TMainForm::FileExit() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The study window's close query runs first; a study the analyst asked to save and that
    // was not saved keeps the program open.
    if (Finforma && !Finforma->close()) {
        event->ignore();
        return;
    }
    ClientArea_->closeAllSubWindows();
    event->accept();
    QApplication::closeAllWindows();
}

void TMainForm::WindowTile() {
    ClientArea_->tileSubWindows();
}

void TMainForm::WindowCascade() {
    ClientArea_->cascadeSubWindows();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    abreSoltado(*event->mimeData());
}

void TMainForm::abreSoltado(const QMimeData& datos) {
    const QList<QUrl> urls = datos.urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    if (Finforma) {
        interaccion_->mensaje(QStringLiteral("Ya hay un estudio abierto. Ciérrelo antes de "
                                             "abrir otro."));
        return;
    }
    abreEstudio(urls.first().toLocalFile());
}

// --- help ------------------------------------------------------------------------------------

// Help opened from a modal window (a chart, the chart options, the predictions) becomes that
// window's child: a modal window blocks every window but its own.
VisorAyuda& TMainForm::visor(QWidget* desde) {
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* dueno = desde ? desde : (modal && modal != visor_ ? modal : this);
    if (!visor_)
        visor_ = new VisorAyuda(dueno);
    else if (visor_->parentWidget() != dueno)
        visor_->setParent(dueno, visor_->windowFlags());
    return *visor_;
}

void TMainForm::HelpContents() {
    visor(nullptr).muestraContenido();
}

void TMainForm::HelpSearch() {
    visor(nullptr).muestraIndice(QString());
}

void TMainForm::muestraAyuda(int contexto, QWidget* desde) {
    visor(desde).muestraTema(contexto);
}

void TMainForm::HelpAbout() {
    auto* acerca = new TAboutBox(this);
    acerca->show();
}

// F1: the topic of the active child window when it has one, otherwise the contents.
void TMainForm::ayudaF1() {
    if (QMdiSubWindow* activa = ClientArea_->activeSubWindow()) {
        const int contexto = activa->property(kContexto).toInt();
        if (contexto > 0) {
            muestraAyuda(contexto);
            return;
        }
    }
    HelpContents();
}

// F1 on a highlighted menu item opens that item's topic.
bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        QAction* item = menu->activeAction();
        const int contexto = item ? item->property(kContexto).toInt() : 0;
        const int delMenu = menu->menuAction()->property(kContexto).toInt();
        menu->close();
        muestraAyuda(contexto > 0 ? contexto : delMenu);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- calculations: each command's work lives with its window -------------------------------

void TMainForm::mnuinferenciaClick() {
    TFinfo::mnuinferenciaClick(*this);
}
void TMainForm::mnuanovaClick() {
    TfinfoA::mnuanovaClick(*this);
}
void TMainForm::mnuresidClick() {
    TfinfoR::mnuresidClick(*this);
}
void TMainForm::mnuinformeClick() {
    Tfrminforme::mnuinformeClick(*this);
}
void TMainForm::mnuprediceClick() {
    Tfrmpredice::mnuprediceClick(*this);
}

// --- charts ----------------------------------------------------------------------------------

// The regression chart: the study refitted into the shared results, then shown until closed.
void TMainForm::mnugraphClick() {
    if (!validaEstudio())
        return;
    const bool lleno = ejecutaComando(*interaccion_, [this] {
        const Study& estudio = Finforma->estudio();
        CalculaRegresion(estudio, separadorDecimal(), regresion, PendienteCero);
        PlotForm->llena(estudio, regresion);
    });
    if (lleno)
        PlotForm->muestraModal();
}

// The residuals chart: the fit and the residual analysis into the shared results, then shown
// until closed.
void TMainForm::mnugraphRClick() {
    if (!validaEstudio())
        return;
    const bool lleno = ejecutaComando(*interaccion_, [this] {
        const Study& estudio = Finforma->estudio();
        CalculaRegresion(estudio, separadorDecimal(), regresion, PendienteCero);
        CalculaAnova(estudio, separadorDecimal(), anova, PendienteCero, residuales);
        PlotForm1->llena(estudio, residuales);
    });
    if (lleno)
        PlotForm1->muestraModal();
}

void TMainForm::PrintLasserClick() {
    interaccion_->mensaje(QStringLiteral("La impresión de informes estará disponible en una "
                                         "próxima versión."));
}

} // namespace linealidad
