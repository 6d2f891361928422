#include "study/TFinforma.h"

#include "app/EjecutaComando.h"
#include "app/Interaccion.h"
#include "app/Regional.h"
#include "study/AnfitrionEstudio.h"
#include "text/Errors.h"
#include "text/NumberParse.h"
#include "widgets/StringGridModel.h"
#include "widgets/StringGridView.h"
#include "widgets/VigilanteFoco.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace linealidad {
namespace {

// The five general-information boxes, in tab order: label, maximum length, document field.
struct CajaTexto {
    const char* nombre;
    const char* etiqueta;
    int longitud;
    std::string Study::*campo;
};

const CajaTexto kCajas[] = {
    {"emetodo", "Nombre del &método:", kLongitudTexto, &Study::emetodo},
    {"eanalista", "Nombre del A&nalista:", kLongitudTexto, &Study::eanalista},
    {"efecha", "&Fecha:", kLongitudFecha, &Study::efecha},
    {"eadicionada", "Unidades de la cantidad a&dicionada:", kLongitudTexto, &Study::eadicionada},
    {"emedida", "Nombre de la propiedad m&edida:", kLongitudTexto, &Study::emedida},
};

const QString kCeldasReplicas = QStringLiteral("El número de celdas de captura para las "
                                               "replicaciones, no coincide con el número de "
                                               "niveles.");
const QString kCeldasDatos = QStringLiteral("El número de celdas de captura para los datos, no "
                                            "coincide con el número de replicas por nivel.");

bool esEnter(QChar tecla) {
    return tecla == QLatin1Char('\r');
}

QString texto(const std::string& s) {
    return QString::fromStdString(s);
}

QFrame* panelHundido(QWidget* parent, const char* nombre) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(nombre));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return panel;
}

} // namespace

TFinforma::TFinforma(AnfitrionEstudio& anfitrion, QWidget* parent)
    : QMdiSubWindow(parent), anfitrion_(anfitrion) {
    setObjectName(QStringLiteral("Finforma"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Nuevo"));
    FormCreate();
    creaControles();
    vigilaControles();
    resize(662, 440);
}

void TFinforma::vigilaControles() {
    vigilante_ =
        new VigilanteFoco(this, [this]() -> Interaccion& { return anfitrion_.interaccion(); });
    for (QWidget* caja : {emetodo_, eanalista_, efecha_, eadicionada_, emedida_})
        vigilante_->vigila(caja);
    vigilante_->vigila(eniveles_, [this] { return enivelesExit(); });
    vigilante_->vigila(btnsinumero_);
    vigilante_->vigila(
        stgniveles_, [this] { return stgnivelesExit(); }, [this] { stgnivelesEnter(); });
    vigilante_->vigila(botonok_);
    vigilante_->vigila(
        stgdatos_, [this] { return stgdatosExit(); }, [this] { stgdatosEnter(); });
    // The window receives the focus: it starts on its first page.
    vigilante_->setAlEntrarEnVentana([this] { thojaEnter(); });
    vigilante_->setMuestraControl(
        [this](QWidget* control) { thoja_->setCurrentIndex(pestanaDe(control)); });
}

void TFinforma::FormCreate() {
    estudio_ = Study::nuevo();
}

void TFinforma::creaControles() {
    thoja_ = new QTabWidget(this);
    thoja_->setObjectName(QStringLiteral("thoja"));
    thoja_->addTab(creaPestanaInformacion(), QStringLiteral("Información General"));
    thoja_->addTab(creaPestanaNiveles(), QStringLiteral("Niveles y Réplicas"));
    thoja_->addTab(creaPestanaDatos(), QStringLiteral("Datos"));
    thoja_->setCurrentIndex(1);
    // Pages change only through thojaClick, so leaving a control is checked first. A click on
    // a tab gives the focus to the tab bar (which no handler watches) until thojaClick moves it.
    thoja_->tabBar()->setFocusPolicy(Qt::ClickFocus);
    thoja_->tabBar()->installEventFilter(this);
    thoja_->installEventFilter(this);
    setWidget(thoja_);

    setTabOrder(emetodo_, eanalista_);
    setTabOrder(eanalista_, efecha_);
    setTabOrder(efecha_, eadicionada_);
    setTabOrder(eadicionada_, emedida_);
    setTabOrder(emedida_, eniveles_);
    setTabOrder(eniveles_, btnsinumero_);
    setTabOrder(btnsinumero_, stgniveles_);
    setTabOrder(stgniveles_, botonok_);
    setTabOrder(botonok_, stgdatos_);
}

QWidget* TFinforma::creaPestanaInformacion() {
    auto* pagina = new QWidget;
    auto* rejilla = new QGridLayout(pagina);
    rejilla->setContentsMargins(24, 24, 24, 24);
    rejilla->setVerticalSpacing(14);
    QLineEdit** cajas[] = {&emetodo_, &eanalista_, &efecha_, &eadicionada_, &emedida_};
    int fila = 0;
    for (const CajaTexto& c : kCajas) {
        auto* caja = new QLineEdit(pagina);
        caja->setObjectName(QString::fromLatin1(c.nombre));
        caja->setMaxLength(c.longitud);
        auto* etiqueta = new QLabel(QString::fromUtf8(c.etiqueta), pagina);
        etiqueta->setBuddy(caja);
        rejilla->addWidget(etiqueta, fila, 0);
        rejilla->addWidget(caja, fila++, 1);
        caja->installEventFilter(this);
        const auto campo = c.campo;
        connect(caja, &QLineEdit::textEdited, this, [this, campo](const QString& t) {
            estudio_.*campo = t.toStdString();
            anfitrion_.marcaModificado();
        });
        *cajas[&c - kCajas] = caja;
    }
    rejilla->setRowStretch(fila, 1);
    rejilla->setColumnStretch(1, 1);
    return pagina;
}

QWidget* TFinforma::creaPestanaNiveles() {
    auto* pagina = new QWidget;
    auto* marco = new QVBoxLayout(pagina);
    QFrame* pan = panelHundido(pagina, "pan");
    marco->addWidget(pan);
    auto* columna = new QGridLayout(pan);
    columna->setContentsMargins(24, 18, 24, 18);
    columna->setVerticalSpacing(10);

    eniveles_ = new QLineEdit(texto(estudio_.eniveles), pan);
    eniveles_->setObjectName(QStringLiteral("eniveles"));
    eniveles_->setMaxLength(kLongitudNiveles);
    eniveles_->setFixedWidth(48);
    eniveles_->installEventFilter(this);
    connect(eniveles_, &QLineEdit::textEdited, this, [this](const QString& t) {
        estudio_.eniveles = t.toStdString();
        anfitrion_.marcaModificado();
    });
    auto* etiquetaNiveles = new QLabel(QStringLiteral("Númer&o de Niveles:"), pan);
    etiquetaNiveles->setBuddy(eniveles_);

    btnsinumero_ = new QPushButton(QStringLiteral("Ace&ptar número de niveles"), pan);
    btnsinumero_->setObjectName(QStringLiteral("btnsinumero"));
    connect(btnsinumero_, &QPushButton::clicked, this, &TFinforma::btnsinumeroClick);

    modeloNiveles_ = new StringGridModel(estudio_.stgniveles, 1, 1, this);
    stgniveles_ = new StringGridView(pan);
    stgniveles_->setObjectName(QStringLiteral("stgniveles"));
    stgniveles_->setGridModel(modeloNiveles_);
    stgniveles_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stgniveles_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    stgniveles_->setFixedHeight(2 * 24 + 24);
    connect(stgniveles_, &StringGridView::keyPressed, this, &TFinforma::stgnivelesKeyPress);
    connect(modeloNiveles_, &StringGridModel::cellEdited, this,
            [this] { anfitrion_.marcaModificado(); });
    auto* etiquetaReplicas =
        new QLabel(QStringLiteral("Capt&urar número de replicaciones por nivel:"), pan);
    etiquetaReplicas->setBuddy(stgniveles_);

    botonok_ = new QPushButton(QStringLiteral("Aceptar r&eplicaciones"), pan);
    botonok_->setObjectName(QStringLiteral("botonok"));
    connect(botonok_, &QPushButton::clicked, this, &TFinforma::botonokClick);

    // Buttons take the focus only through Tab: a click first moves the focus itself (tomaFoco),
    // so the check of the control being left runs before the button acts.
    for (QPushButton* boton : {btnsinumero_, botonok_}) {
        boton->setFocusPolicy(Qt::TabFocus);
        boton->installEventFilter(this);
    }

    columna->addWidget(etiquetaNiveles, 0, 0);
    columna->addWidget(eniveles_, 0, 1, Qt::AlignLeft);
    columna->addWidget(btnsinumero_, 1, 0, 1, 2, Qt::AlignLeft);
    columna->addItem(new QSpacerItem(0, 12), 2, 0);
    columna->addWidget(etiquetaReplicas, 3, 0, 1, 2);
    columna->addWidget(stgniveles_, 4, 0, 1, 2);
    columna->addWidget(botonok_, 5, 0, 1, 2, Qt::AlignLeft);
    columna->setRowStretch(6, 1);
    columna->setColumnStretch(1, 1);
    return pagina;
}

QWidget* TFinforma::creaPestanaDatos() {
    auto* pagina = new QWidget;
    auto* marco = new QVBoxLayout(pagina);
    auto* titulo = new QLabel(QStringLiteral("Captura de Datos"), pagina);
    QFont grande = titulo->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    titulo->setFont(grande);
    titulo->setAlignment(Qt::AlignCenter);
    marco->addWidget(titulo);

    QFrame* pan2 = panelHundido(pagina, "pan2");
    marco->addWidget(pan2, 1);
    auto* dentro = new QVBoxLayout(pan2);
    modeloDatos_ = new StringGridModel(estudio_.stgdatos, 1, 1, this);
    stgdatos_ = new StringGridView(pan2);
    stgdatos_->setObjectName(QStringLiteral("stgdatos"));
    stgdatos_->setGridModel(modeloDatos_);
    stgdatos_->setFixedWidth(3 * 90 + 24);
    stgdatos_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dentro->addWidget(stgdatos_, 0, Qt::AlignHCenter);
    connect(stgdatos_, &StringGridView::keyPressed, this, &TFinforma::stgdatosKeyPress);
    connect(modeloDatos_, &StringGridModel::cellEdited, this,
            [this] { anfitrion_.marcaModificado(); });

    PopMenu_ = new QMenu(this);
    PopMenu_->setObjectName(QStringLiteral("PopMenu"));
    auto item = [this](const char* nombre, const QString& titulo, const QString& hint) {
        QAction* a = PopMenu_->addAction(titulo);
        a->setObjectName(QString::fromLatin1(nombre));
        a->setStatusTip(hint.section(QLatin1Char('|'), -1));
        a->setEnabled(false);
        return a;
    };
    const QString calculos = QStringLiteral("Cálculos|");
    pmnuinfiere_ = item("pmnuinfiere", QStringLiteral("&Inferencia"),
                        calculos + QStringLiteral("Inferencia de pendiente y ordenada al origen"));
    PopMenu_->addSeparator();
    pmnuanova_ = item("pmnuanova", QStringLiteral("&Análisis de la varianza"),
                      calculos + QStringLiteral("Presenta el análisis de la varianza"));
    pmnuresid_ = item("pmnuresid", QStringLiteral("Análisis de Residuales"),
                      calculos + QStringLiteral("Presenta el Análisis de Residuales"));
    pmnugraph_ = item("pmnugraph", QStringLiteral("&Gráfica"),
                      calculos + QStringLiteral("Presenta la Gráfica"));
    pmnugraphr_ = item("pmnugraphr", QStringLiteral("Gráfica (Residuales)"), QString());
    stgdatos_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(stgdatos_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopMenu_->popup(stgdatos_->viewport()->mapToGlobal(p)); });
    return pagina;
}

QList<QAction*> TFinforma::accionesEmergentes() const {
    QList<QAction*> acciones;
    for (QAction* a : PopMenu_->actions())
        if (!a->isSeparator())
            acciones << a;
    return acciones;
}

void TFinforma::agregaEmergente(QAction* accion) {
    PopMenu_->addAction(accion);
}

void TFinforma::cargaEstudio(const Study& estudio) {
    VigilanteFoco::Pausa pausa(*vigilante_);
    estudio_ = estudio;
    QLineEdit* cajas[] = {emetodo_, eanalista_, efecha_, eadicionada_, emedida_};
    for (const CajaTexto& c : kCajas) {
        QLineEdit* caja = cajas[&c - kCajas];
        const QString valor = texto(estudio_.*c.campo);
        // The length limits apply to typing; a longer text read from a file stays whole.
        caja->setMaxLength(std::max(c.longitud, static_cast<int>(valor.size())));
        caja->setText(valor);
    }
    eniveles_->setMaxLength(std::max(kLongitudNiveles, static_cast<int>(estudio_.eniveles.size())));
    eniveles_->setText(texto(estudio_.eniveles));
    modeloNiveles_->reload();
    modeloDatos_->reload();
    stgniveles_->setCurrentCell(1, 1);
    stgdatos_->setCurrentCell(1, 1);
}

void TFinforma::muestraProblema(const ProblemaEstudio& problema) {
    anfitrion_.interaccion().mensaje(texto(problema.mensaje));
    enfoca(control(problema.control));
}

QWidget* TFinforma::control(ControlEstudio c) const {
    switch (c) {
    case ControlEstudio::eniveles:
        return eniveles_;
    case ControlEstudio::stgniveles:
        return stgniveles_;
    case ControlEstudio::stgdatos:
        return stgdatos_;
    }
    return eniveles_;
}

int TFinforma::niveles() const {
    return parseInteger(estudio_.eniveles);
}

// --- closing -------------------------------------------------------------------------------

void TFinforma::closeEvent(QCloseEvent* event) {
    // Close query: a study with unsaved typing is offered to be saved. If the analyst wants it
    // saved and it was not (validation refused it, the dialog was cancelled, the write
    // failed), the window stays open so the typed study is not lost.
    if (anfitrion_.modificado() &&
        anfitrion_.interaccion().pregunta(
            QStringLiteral("Guardar archivo?"),
            QStringLiteral("Se realizaron cambios!\nQuiere guardar su información?")) &&
        !anfitrion_.guarda()) {
        event->ignore();
        return;
    }
    anfitrion_.limpiaModificado(QStringLiteral(" "));

    const bool ultima = mdiArea() && mdiArea()->subWindowList().size() == 1;
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    anfitrion_.aplica(EventoEstudio::VentanaEstudioCierra);
    if (ultima)
        anfitrion_.aplica(EventoEstudio::UltimaVentanaCierra);
}

// --- keys ----------------------------------------------------------------------------------

bool TFinforma::eventFilter(QObject* watched, QEvent* event) {
    if (watched == thoja_->tabBar()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* raton = static_cast<QMouseEvent*>(event);
            const int pestana = thoja_->tabBar()->tabAt(raton->position().toPoint());
            if (pestana >= 0 && raton->button() == Qt::LeftButton)
                thojaClick(pestana);
            return true;
        }
        return event->type() == QEvent::Wheel;
    }
    if (event->type() != QEvent::KeyPress)
        return QMdiSubWindow::eventFilter(watched, event);

    auto* tecla = static_cast<QKeyEvent*>(event);
    const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    if (enter && (watched == btnsinumero_ || watched == botonok_)) { // Enter presses a button
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
    if (watched == thoja_) { // Ctrl+Tab and Ctrl+PgUp/PgDn change pages as a click does
        const bool adelante = tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_PageDown;
        const bool atras = tecla->key() == Qt::Key_Backtab || tecla->key() == Qt::Key_PageUp;
        if ((tecla->modifiers() & Qt::ControlModifier) && (adelante || atras)) {
            thojaClick((thoja_->currentIndex() + (adelante ? 1 : 2)) % 3);
            return true;
        }
        return false;
    }
    const bool tab = tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab;
    if (tab || tecla->text().isEmpty())
        return false;
    const QChar caracter = tecla->text().at(0);
    if (watched == eniveles_)
        enivelesKeyPress(caracter);
    else if (auto* caja = qobject_cast<QLineEdit*>(watched))
        textoKeyPress(caja, caracter);
    return false;
}

void TFinforma::textoKeyPress(QLineEdit* caja, QChar tecla) {
    anfitrion_.marcaModificado();
    if (!esEnter(tecla) || caja->text().isEmpty())
        return;
    if (caja == emetodo_)
        enfoca(eanalista_);
    else if (caja == eanalista_)
        enfoca(efecha_);
    else if (caja == efecha_)
        enfoca(eadicionada_);
    else if (caja == eadicionada_)
        enfoca(emedida_);
    else if (caja == emedida_)
        enfoca(eniveles_);
}

void TFinforma::enivelesKeyPress(QChar tecla) {
    anfitrion_.marcaModificado();
    if (esEnter(tecla) && !eniveles_->text().isEmpty())
        enfoca(btnsinumero_);
}

void TFinforma::stgnivelesKeyPress(QChar tecla) {
    anfitrion_.marcaModificado();
    if (stgniveles_->col() != estudio_.stgniveles.colCount() - 1)
        return;
    stgniveles_->setTabMovesBetweenCells(false);
    if (esEnter(tecla))
        enfoca(botonok_);
}

void TFinforma::stgdatosKeyPress(QChar) {
    anfitrion_.marcaModificado();
    anfitrion_.aplica(EventoEstudio::TeclaEnDatos);
    if (stgdatos_->col() != estudio_.stgdatos.colCount() - 1)
        return;
    if (stgdatos_->row() == estudio_.stgdatos.rowCount() - 1) {
        stgdatos_->setTabMovesBetweenCells(false);
        anfitrion_.aplica(EventoEstudio::TeclaEnUltimaCelda);
    } else {
        stgdatos_->setTabMovesBetweenCells(true);
    }
}

// --- buttons and pages ---------------------------------------------------------------------

void TFinforma::btnsinumeroClick() {
    if (!vigilante_->tomaFoco(btnsinumero_))
        return;
    ejecutaComando(anfitrion_.interaccion(), [this] {
        const int n = niveles();
        // Counts of levels beyond a smaller N keep their text and show again if N grows back.
        estudio_.stgniveles.setColCount(n + 1);
        for (int i = 1; i <= n; ++i)
            estudio_.stgniveles.setCell(i, 0, std::to_string(i));
        modeloNiveles_->reload();
        if (stgniveles_->isEnabled())
            enfoca(stgniveles_);
    });
}

void TFinforma::botonokClick() {
    if (!vigilante_->tomaFoco(botonok_))
        return;
    ejecutaComando(anfitrion_.interaccion(), [this] {
        if (niveles() != estudio_.stgniveles.colCount() - 1) {
            anfitrion_.interaccion().mensaje(kCeldasReplicas);
            enfoca(eniveles_);
            return;
        }
        thojaClick(2);
    });
}

void TFinforma::thojaClick(int pestana) {
    enfoca(primerControl(pestana));
}

void TFinforma::thojaEnter() {
    enfoca(emetodo_);
}

QWidget* TFinforma::primerControl(int pestana) const {
    QWidget* primeros[] = {emetodo_, eniveles_, stgdatos_};
    return primeros[std::clamp(pestana, 0, 2)];
}

int TFinforma::pestanaDe(QWidget* control) const {
    for (int i = 0; i < thoja_->count(); ++i)
        if (thoja_->widget(i)->isAncestorOf(control))
            return i;
    return thoja_->currentIndex();
}

// --- checks when the focus enters or leaves ------------------------------------------------

bool TFinforma::enivelesExit() {
    const std::string& valor = estudio_.eniveles;
    if (valor.empty()) {
        rechaza(QStringLiteral("Falta capturar número de Niveles"), eniveles_);
        return false;
    }
    if (!isInteger(valor)) {
        rechaza(QStringLiteral("El valor de captura no es un valor numérico."), eniveles_);
        return false;
    }
    const int n = parseInteger(valor);
    if (n < 3 || n > 5) {
        rechaza(QStringLiteral("Datos fuera de rango, 3-5 Niveles"), eniveles_);
        return false;
    }
    return true;
}

void TFinforma::stgnivelesEnter() {
    if (niveles() != estudio_.stgniveles.colCount() - 1)
        rechaza(kCeldasReplicas, eniveles_);
}

bool TFinforma::stgnivelesExit() {
    stgniveles_->setTabMovesBetweenCells(true);
    stgniveles_->setCurrentCell(1, 1);
    const StringGrid& g = estudio_.stgniveles;
    for (int i = 1; i < g.colCount(); ++i) {
        const QString n = QString::number(i);
        if (g.cell(i, 1).empty()) {
            rechaza(QStringLiteral("Falta el dato ") + n, stgniveles_);
            return false;
        }
        if (!isFloat(g.cell(i, 1), separadorDecimal())) {
            rechaza(QStringLiteral("El dato") + n + QStringLiteral(" no es un valor numérico."),
                    stgniveles_);
            return false;
        }
    }
    // A count with a fraction passes the check above and fails here as an integer.
    for (int i = 1; i < g.colCount(); ++i) {
        if (parseInteger(g.cell(i, 1)) > 5) {
            rechaza(QStringLiteral("Datos fuera de rango, maximo 5 Réplicas"), stgniveles_);
            return false;
        }
    }
    return true;
}

void TFinforma::stgdatosEnter() {
    // The commands are switched on first, whatever the checks below find.
    anfitrion_.aplica(EventoEstudio::EntraRejillaDatos);
    const StringGrid& g = estudio_.stgniveles;
    if (niveles() != g.colCount() - 1) {
        rechaza(kCeldasReplicas, eniveles_);
        return;
    }
    for (int i = 1; i < g.colCount(); ++i) {
        if (g.cell(i, 1).empty()) {
            rechaza(QStringLiteral("Falta la replicación en el nivel ") + QString::number(i),
                    stgniveles_);
            return;
        }
    }
    long long total = 0;
    for (int i = 1; i < g.colCount(); ++i)
        total += parseInteger(g.cell(i, 1));
    if (total != estudio_.stgdatos.rowCount() - 1)
        rechaza(kCeldasDatos, stgniveles_);
}

bool TFinforma::stgdatosExit() {
    stgdatos_->setTabMovesBetweenCells(true);
    stgdatos_->setCurrentCell(1, 1);
    const StringGrid& g = estudio_.stgdatos;
    for (int columna = 1; columna <= 2; ++columna) {
        for (int fila = 1; fila < g.rowCount(); ++fila) {
            const std::string& dato = g.cell(columna, fila);
            if (dato.empty()) {
                rechaza(QStringLiteral("Falta capturar un dato "), stgdatos_);
                return false;
            }
            if (!isFloat(dato, separadorDecimal())) {
                rechaza(QStringLiteral("Algun dato capturado no es un valor numérico."), stgdatos_);
                return false;
            }
        }
    }
    return true;
}

// --- the focus -----------------------------------------------------------------------------

void TFinforma::enfoca(QWidget* control) {
    vigilante_->enfoca(control);
}

void TFinforma::rechaza(const QString& mensaje, QWidget* control) {
    vigilante_->rechaza(mensaje, control);
}

} // namespace linealidad
