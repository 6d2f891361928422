#include "gui/charts/TOptionsDlg.h"

#include "gui/common/CanvasFont.h"
#include "gui/common/helpcons.h"

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
QFont source(const char* name, int height, bool bold = false) {
    Font f;
    f.name = name;
    f.height = height;
    f.bold = bold;
    return qtFont(f, nullptr);
}

QFont dialog() {
    return source("MS Sans Serif", 17);
}

QFont arial() {
    return source("Arial", 17);
}

QLabel* label(QWidget* page, const QString& text, QPoint where, const QFont& f) {
    auto* l = new QLabel(text, page);
    l->setFont(f);
    l->move(where);
    l->adjustSize();
    return l;
}

QFrame* bevel(QWidget* page, const char* name, const QRect& geometry) {
    auto* b = new QFrame(page);
    b->setObjectName(QString::fromLatin1(name));
    b->setFrameStyle(QFrame::Box | QFrame::Sunken);
    b->setGeometry(geometry);
    return b;
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TOptionsDlg::TOptionsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OptionsDlg"));
    setWindowTitle(QStringLiteral("Opciones"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setProperty(kHelpContextProperty, help::kChartOptions);
    setFont(dialog());
    setFixedSize(534, 193);

    TabbedNotebook1_ = new QTabWidget(this);
    TabbedNotebook1_->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1_->tabBar()->setFont(source("MS Sans Serif", 12));
    TabbedNotebook1_->addTab(createTitlesPage(), QStringLiteral("Títulos"));
    TabbedNotebook1_->addTab(createScalePage(), QStringLiteral("Escala"));
    TabbedNotebook1_->addTab(createGridPage(), QStringLiteral("Grid"));
    TabbedNotebook1_->setGeometry(rect());

    const QFont buttons = source("MS Sans Serif", 15, true);
    OKBtn_ = new QPushButton(QStringLiteral("OK"), this);
    OKBtn_->setObjectName(QStringLiteral("OKBtn"));
    OKBtn_->setFont(buttons);
    OKBtn_->setGeometry(410, 63, 96, 33);
    OKBtn_->setDefault(true);
    connect(OKBtn_, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn_ = new QPushButton(QStringLiteral("Cancelar"), this);
    CancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn_->setFont(buttons);
    CancelBtn_->setGeometry(410, 127, 96, 33);
    CancelBtn_->setAutoDefault(false);
    connect(CancelBtn_, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(TitleEdit_, XLblEdit_);
    setTabOrder(XLblEdit_, YLblEdit_);
    setTabOrder(YLblEdit_, OKBtn_);
    setTabOrder(OKBtn_, CancelBtn_);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] {
        if (onHelpRequested)
            onHelpRequested(help::kChartOptions);
    });
}

QLineEdit* TOptionsDlg::edit(QWidget* page, const char* name, const QRect& geometry, int maximum) {
    auto* e = new QLineEdit(page);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(geometry);
    if (maximum > 0)
        e->setMaxLength(maximum);
    return e;
}

QWidget* TOptionsDlg::createTitlesPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Titulos"));
    label(page, QStringLiteral("Título"), {16, 24}, dialog())
        ->setObjectName(QStringLiteral("Label1"));
    TitleEdit_ = edit(page, "TitleEdit", {80, 24, 297, 28}, 60);
    label(page, QStringLiteral("Eje  X"), {16, 68}, arial())
        ->setObjectName(QStringLiteral("Label2"));
    XLblEdit_ = edit(page, "XLblEdit", {80, 64, 298, 27}, 60);
    XLblEdit_->setFont(arial());
    label(page, QStringLiteral("Eje  Y"), {16, 108}, arial())
        ->setObjectName(QStringLiteral("Label3"));
    YLblEdit_ = edit(page, "YLblEdit", {80, 104, 298, 27}, 40);
    YLblEdit_->setFont(arial());
    for (QLineEdit* e : {TitleEdit_, XLblEdit_, YLblEdit_})
        e->installEventFilter(this);
    return page;
}

QWidget* TOptionsDlg::createScalePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Escala"));
    bevel(page, "Bevel2", {8, 9, 377, 144});
    bevel(page, "Bevel1", {8, 33, 177, 105});
    QFont bold = arial();
    bold.setBold(true);
    label(page, QStringLiteral("Límites:"), {16, 16}, bold)
        ->setObjectName(QStringLiteral("Label10"));
    label(page, QStringLiteral("X min."), {16, 45}, arial());
    label(page, QStringLiteral("Y min."), {208, 48}, arial());
    label(page, QStringLiteral("X max."), {16, 106}, arial());
    label(page, QStringLiteral("Y max."), {208, 101}, arial());
    XMinEdit_ = edit(page, "XMinEdit", {72, 40, 121, 28}, 0);
    YMinEdit_ = edit(page, "YMinEdit", {256, 43, 121, 28}, 0);
    XMaxEdit_ = edit(page, "XMaxEdit", {72, 101, 121, 28}, 0);
    YMaxEdit_ = edit(page, "YMaxEdit", {256, 96, 121, 28}, 0);
    for (QLineEdit* e : {XMinEdit_, YMinEdit_, XMaxEdit_, YMaxEdit_})
        e->setFont(arial());
    return page;
}

QWidget* TOptionsDlg::createGridPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Grid"));
    auto* group = new QGroupBox(QStringLiteral("&Reference"), page);
    group->setObjectName(QStringLiteral("ReferenceGroup"));
    group->setFont(arial());
    group->setGeometry(168, 33, 121, 112);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(8, 2, 4, 2);
    column->setSpacing(0);
    ReferenceGroup_ = new QButtonGroup(group);
    const QStringList titles{QStringLiteral("Ninguno"), QStringLiteral("Ligero"),
                             QStringLiteral("Medio"), QStringLiteral("Fuerte")};
    for (int i = 0; i < titles.size(); ++i) {
        auto* opcion = new QRadioButton(titles[i], group);
        opcion->setObjectName(QStringLiteral("ReferenceGroup%1").arg(i));
        ReferenceGroup_->addButton(opcion, i);
        column->addWidget(opcion);
    }
    ReferenceGroup_->button(0)->setChecked(true);
    return page;
}

void TOptionsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QWidget* first[] = {TitleEdit_, XMinEdit_, ReferenceGroup_->checkedButton()};
    const int page = TabbedNotebook1_->currentIndex();
    if (QWidget* control = page >= 0 && page < 3 ? first[page] : nullptr)
        control->setFocus(Qt::OtherFocusReason);
}

void TOptionsDlg::reject() {
    display(shown_);
    QDialog::reject();
}

void TOptionsDlg::display(const PlotOptions& o) {
    shown_ = o;
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

PlotOptions TOptionsDlg::options() const {
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

QString TOptionsDlg::title() const {
    return TitleEdit_->text();
}

QString TOptionsDlg::xAxis() const {
    return XLblEdit_->text();
}

QString TOptionsDlg::yAxis() const {
    return YLblEdit_->text();
}

bool TOptionsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == TitleEdit_)
            TitleEditKeyPress(key);
        else if (watched == XLblEdit_)
            XLblEditKeyPress(key);
        else if (watched == YLblEdit_)
            YLblEditKeyPress(key);
    }
    return QDialog::eventFilter(watched, event); // the key goes on unchanged
}

void TOptionsDlg::TitleEditKeyPress(int key) {
    if (isEnter(key) && !TitleEdit_->text().isEmpty())
        XLblEdit_->setFocus();
}

void TOptionsDlg::XLblEditKeyPress(int key) {
    if (isEnter(key) && !XLblEdit_->text().isEmpty())
        YLblEdit_->setFocus();
}

void TOptionsDlg::YLblEditKeyPress(int key) {
    if (isEnter(key) && !YLblEdit_->text().isEmpty())
        OKBtn_->setFocus();
}

} // namespace linealidad
