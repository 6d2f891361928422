#include "charts/TOptionsDlg.h"

#include "app/helpcons.h"
#include "charts/FuenteCanvas.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace linealidad {
namespace {

// Fonts of the dialog by their cell height in pixels.
QFont fuente(const char* nombre, int altura, bool negrita = false) {
    Font f;
    f.name = nombre;
    f.height = altura;
    f.bold = negrita;
    return fuenteQt(f, nullptr);
}

QFont dialogo() {
    return fuente("MS Sans Serif", 17);
}

QFont arial() {
    return fuente("Arial", 17);
}

QLabel* etiqueta(QWidget* pagina, const QString& texto, QPoint donde, const QFont& f) {
    auto* l = new QLabel(texto, pagina);
    l->setFont(f);
    l->move(donde);
    l->adjustSize();
    return l;
}

QFrame* bisel(QWidget* pagina, const char* nombre, const QRect& geometria) {
    auto* b = new QFrame(pagina);
    b->setObjectName(QString::fromLatin1(nombre));
    b->setFrameStyle(QFrame::Box | QFrame::Sunken);
    b->setGeometry(geometria);
    return b;
}

bool esEnter(int tecla) {
    return tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}

} // namespace

TOptionsDlg::TOptionsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OptionsDlg"));
    setWindowTitle(QStringLiteral("Opciones"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setProperty("contextoAyuda", ayuda::kOpcionesGrafica);
    setFont(dialogo());
    setFixedSize(534, 193);

    TabbedNotebook1_ = new QTabWidget(this);
    TabbedNotebook1_->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1_->tabBar()->setFont(fuente("MS Sans Serif", 12));
    TabbedNotebook1_->addTab(creaPaginaTitulos(), QStringLiteral("Títulos"));
    TabbedNotebook1_->addTab(creaPaginaEscala(), QStringLiteral("Escala"));
    TabbedNotebook1_->addTab(creaPaginaGrid(), QStringLiteral("Grid"));
    TabbedNotebook1_->setGeometry(rect());

    const QFont botones = fuente("MS Sans Serif", 15, true);
    OKBtn_ = new QPushButton(QStringLiteral("OK"), this);
    OKBtn_->setObjectName(QStringLiteral("OKBtn"));
    OKBtn_->setFont(botones);
    OKBtn_->setGeometry(410, 63, 96, 33);
    OKBtn_->setDefault(true);
    connect(OKBtn_, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn_ = new QPushButton(QStringLiteral("Cancelar"), this);
    CancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn_->setFont(botones);
    CancelBtn_->setGeometry(410, 127, 96, 33);
    CancelBtn_->setAutoDefault(false);
    connect(CancelBtn_, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(TitleEdit_, XLblEdit_);
    setTabOrder(XLblEdit_, YLblEdit_);
    setTabOrder(YLblEdit_, OKBtn_);
    setTabOrder(OKBtn_, CancelBtn_);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] {
        if (alPedirAyuda)
            alPedirAyuda(ayuda::kOpcionesGrafica);
    });
}

QLineEdit* TOptionsDlg::edit(QWidget* pagina, const char* nombre, const QRect& geometria,
                             int maximo) {
    auto* e = new QLineEdit(pagina);
    e->setObjectName(QString::fromLatin1(nombre));
    e->setGeometry(geometria);
    if (maximo > 0)
        e->setMaxLength(maximo);
    return e;
}

QWidget* TOptionsDlg::creaPaginaTitulos() {
    auto* pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("Titulos"));
    etiqueta(pagina, QStringLiteral("Título"), {16, 24}, dialogo())
        ->setObjectName(QStringLiteral("Label1"));
    TitleEdit_ = edit(pagina, "TitleEdit", {80, 24, 297, 28}, 60);
    etiqueta(pagina, QStringLiteral("Eje  X"), {16, 68}, arial())
        ->setObjectName(QStringLiteral("Label2"));
    XLblEdit_ = edit(pagina, "XLblEdit", {80, 64, 298, 27}, 60);
    XLblEdit_->setFont(arial());
    etiqueta(pagina, QStringLiteral("Eje  Y"), {16, 108}, arial())
        ->setObjectName(QStringLiteral("Label3"));
    YLblEdit_ = edit(pagina, "YLblEdit", {80, 104, 298, 27}, 40);
    YLblEdit_->setFont(arial());
    for (QLineEdit* e : {TitleEdit_, XLblEdit_, YLblEdit_})
        e->installEventFilter(this);
    return pagina;
}

QWidget* TOptionsDlg::creaPaginaEscala() {
    auto* pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("Escala"));
    bisel(pagina, "Bevel2", {8, 9, 377, 144});
    bisel(pagina, "Bevel1", {8, 33, 177, 105});
    QFont negrita = arial();
    negrita.setBold(true);
    etiqueta(pagina, QStringLiteral("Límites:"), {16, 16}, negrita)
        ->setObjectName(QStringLiteral("Label10"));
    etiqueta(pagina, QStringLiteral("X min."), {16, 45}, arial());
    etiqueta(pagina, QStringLiteral("Y min."), {208, 48}, arial());
    etiqueta(pagina, QStringLiteral("X max."), {16, 106}, arial());
    etiqueta(pagina, QStringLiteral("Y max."), {208, 101}, arial());
    XMinEdit_ = edit(pagina, "XMinEdit", {72, 40, 121, 28}, 0);
    YMinEdit_ = edit(pagina, "YMinEdit", {256, 43, 121, 28}, 0);
    XMaxEdit_ = edit(pagina, "XMaxEdit", {72, 101, 121, 28}, 0);
    YMaxEdit_ = edit(pagina, "YMaxEdit", {256, 96, 121, 28}, 0);
    for (QLineEdit* e : {XMinEdit_, YMinEdit_, XMaxEdit_, YMaxEdit_})
        e->setFont(arial());
    return pagina;
}

QWidget* TOptionsDlg::creaPaginaGrid() {
    auto* pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("Grid"));
    auto* grupo = new QGroupBox(QStringLiteral("&Reference"), pagina);
    grupo->setObjectName(QStringLiteral("ReferenceGroup"));
    grupo->setFont(arial());
    grupo->setGeometry(168, 33, 121, 112);
    auto* columna = new QVBoxLayout(grupo);
    columna->setContentsMargins(8, 2, 4, 2);
    columna->setSpacing(0);
    ReferenceGroup_ = new QButtonGroup(grupo);
    const QStringList titulos{QStringLiteral("Ninguno"), QStringLiteral("Ligero"),
                              QStringLiteral("Medio"), QStringLiteral("Fuerte")};
    for (int i = 0; i < titulos.size(); ++i) {
        auto* opcion = new QRadioButton(titulos[i], grupo);
        opcion->setObjectName(QStringLiteral("ReferenceGroup%1").arg(i));
        ReferenceGroup_->addButton(opcion, i);
        columna->addWidget(opcion);
    }
    ReferenceGroup_->button(0)->setChecked(true);
    return pagina;
}

void TOptionsDlg::muestra(const PlotOptions& o) {
    TitleEdit_->setText(QString::fromStdString(o.TitleEdit));
    XLblEdit_->setText(QString::fromStdString(o.XLblEdit));
    YLblEdit_->setText(QString::fromStdString(o.YLblEdit));
    XMinEdit_->setText(QString::fromStdString(o.XMinEdit));
    YMinEdit_->setText(QString::fromStdString(o.YMinEdit));
    XMaxEdit_->setText(QString::fromStdString(o.XMaxEdit));
    YMaxEdit_->setText(QString::fromStdString(o.YMaxEdit));
    if (QAbstractButton* opcion = ReferenceGroup_->button(o.ReferenceGroup))
        opcion->setChecked(true);
}

PlotOptions TOptionsDlg::opciones() const {
    PlotOptions o;
    o.TitleEdit = TitleEdit_->text().toStdString();
    o.XLblEdit = XLblEdit_->text().toStdString();
    o.YLblEdit = YLblEdit_->text().toStdString();
    o.XMinEdit = XMinEdit_->text().toStdString();
    o.YMinEdit = YMinEdit_->text().toStdString();
    o.XMaxEdit = XMaxEdit_->text().toStdString();
    o.YMaxEdit = YMaxEdit_->text().toStdString();
    o.ReferenceGroup = ReferenceGroup_->checkedId();
    return o;
}

QString TOptionsDlg::titulo() const {
    return TitleEdit_->text();
}

QString TOptionsDlg::ejeX() const {
    return XLblEdit_->text();
}

QString TOptionsDlg::ejeY() const {
    return YLblEdit_->text();
}

bool TOptionsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(event)->key();
        if (watched == TitleEdit_)
            TitleEditKeyPress(tecla);
        else if (watched == XLblEdit_)
            XLblEditKeyPress(tecla);
        else if (watched == YLblEdit_)
            YLblEditKeyPress(tecla);
    }
    return QDialog::eventFilter(watched, event); // the key goes on unchanged
}

void TOptionsDlg::TitleEditKeyPress(int tecla) {
    if (esEnter(tecla) && !TitleEdit_->text().isEmpty())
        XLblEdit_->setFocus();
}

void TOptionsDlg::XLblEditKeyPress(int tecla) {
    if (esEnter(tecla) && !XLblEdit_->text().isEmpty())
        YLblEdit_->setFocus();
}

void TOptionsDlg::YLblEditKeyPress(int tecla) {
    if (esEnter(tecla) && !YLblEdit_->text().isEmpty())
        OKBtn_->setFocus();
}

} // namespace linealidad
