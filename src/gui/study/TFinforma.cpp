#include "gui/study/TFinforma.h"

#include "core/study/DesignRows.h"
#include "core/study/FieldChecks.h"
#include "core/study/GridBlock.h"
#include "core/text/NumberParse.h"
#include "core/text/TabSeparated.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/common/Dialogs.h"
#include "gui/common/RunCommand.h"
#include "gui/common/StudyHost.h"
#include "gui/common/WindowKeys.h"
#include "gui/widgets/FocusGuard.h"
#include "gui/widgets/StringGridModel.h"
#include "gui/widgets/StringGridView.h"

#include <QApplication>
#include <QClipboard>
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
struct TextBox {
    const char* name;
    const char* label;
    int length;
    std::string Study::*field;
};

const TextBox kBoxes[] = {
    {"emetodo", "Nombre del &método:", kTextLength, &Study::emetodo},
    {"eanalista", "Nombre del A&nalista:", kTextLength, &Study::eanalista},
    {"efecha", "&Fecha:", kDateLength, &Study::efecha},
    {"eadicionada", "Unidades de la cantidad a&dicionada:", kTextLength, &Study::eadicionada},
    {"emedida", "Nombre de la propiedad m&edida:", kTextLength, &Study::emedida},
};

bool isEnter(QChar key) {
    return key == QLatin1Char('\r');
}

// Escape changes no text: it leaves no modified mark.
bool isEscape(QChar key) {
    return key == QChar(0x1b);
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QFrame* sunkenPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return panel;
}

} // namespace

TFinforma::TFinforma(StudyHost& host, QWidget* parent) : QMdiSubWindow(parent), host_(host) {
    setObjectName(QStringLiteral("Finforma"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Nuevo"));
    FormCreate();
    createControls();
    watchControls();
    resize(662, 440);
    closeWithKeys(*this, CloseKeys::CtrlF4);
}

void TFinforma::watchControls() {
    guard_ = new FocusGuard(this, [this]() -> Dialogs& { return host_.dialogs(); });
    for (QWidget* box : {emetodo_, eanalista_, efecha_, eadicionada_, emedida_})
        guard_->watch(box);
    guard_->watch(eniveles_, [this] { return enivelesExit(); });
    guard_->watch(btnsinumero_);
    guard_->watch(
        stgniveles_, [this] { return stgnivelesExit(); }, [this] { stgnivelesEnter(); });
    guard_->watch(botonok_);
    guard_->watch(
        stgdatos_, [this] { return stgdatosExit(); }, [this] { stgdatosEnter(); });
    // The window receives the focus: it starts on its first page.
    guard_->setOnEnterWindow([this] { thojaEnter(); });
    guard_->setRevealControl([this](QWidget* control) { thoja_->setCurrentIndex(tabOf(control)); });
}

void TFinforma::FormCreate() {
    study_ = Study::fresh();
}

void TFinforma::createControls() {
    thoja_ = new QTabWidget(this);
    thoja_->setObjectName(QStringLiteral("thoja"));
    thoja_->addTab(createInformationTab(), QStringLiteral("Información General"));
    thoja_->addTab(createLevelsTab(), QStringLiteral("Niveles y Réplicas"));
    thoja_->addTab(createDataTab(), QStringLiteral("Datos"));
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

QWidget* TFinforma::createInformationTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(24, 24, 24, 24);
    grid->setVerticalSpacing(14);
    QLineEdit** boxes[] = {&emetodo_, &eanalista_, &efecha_, &eadicionada_, &emedida_};
    int row = 0;
    for (const TextBox& c : kBoxes) {
        auto* box = new QLineEdit(page);
        box->setObjectName(QString::fromLatin1(c.name));
        box->setMaxLength(c.length);
        auto* label = new QLabel(QString::fromUtf8(c.label), page);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row++, 1);
        box->installEventFilter(this);
        const auto field = c.field;
        connect(box, &QLineEdit::textEdited, this, [this, field](const QString& t) {
            study_.*field = t.toStdString();
            host_.markModified();
        });
        *boxes[&c - kBoxes] = box;
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget* TFinforma::createLevelsTab() {
    auto* page = new QWidget;
    auto* frame = new QVBoxLayout(page);
    QFrame* pan = sunkenPanel(page, "pan");
    frame->addWidget(pan);
    auto* column = new QGridLayout(pan);
    column->setContentsMargins(24, 18, 24, 18);
    column->setVerticalSpacing(10);

    eniveles_ = new QLineEdit(text(study_.eniveles), pan);
    eniveles_->setObjectName(QStringLiteral("eniveles"));
    eniveles_->setMaxLength(kLevelsLength);
    eniveles_->setFixedWidth(48);
    eniveles_->installEventFilter(this);
    connect(eniveles_, &QLineEdit::textEdited, this, [this](const QString& t) {
        study_.eniveles = t.toStdString();
        host_.markModified();
    });
    auto* levelsLabel = new QLabel(QStringLiteral("Númer&o de Niveles:"), pan);
    levelsLabel->setBuddy(eniveles_);

    btnsinumero_ = new QPushButton(QStringLiteral("Ace&ptar número de niveles"), pan);
    btnsinumero_->setObjectName(QStringLiteral("btnsinumero"));
    connect(btnsinumero_, &QPushButton::clicked, this, &TFinforma::btnsinumeroClick);

    levelsModel_ = new StringGridModel(study_.stgniveles, 1, 1, this);
    stgniveles_ = new StringGridView(pan);
    stgniveles_->setObjectName(QStringLiteral("stgniveles"));
    stgniveles_->setGridModel(levelsModel_);
    stgniveles_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stgniveles_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    stgniveles_->setFixedHeight(2 * 24 + 24);
    connect(stgniveles_, &StringGridView::keyPressed, this, &TFinforma::stgnivelesKeyPress);
    connect(levelsModel_, &StringGridModel::cellEdited, this, [this] { host_.markModified(); });
    connect(stgniveles_, &StringGridView::pasteRequested, this, [this] { pasteInto(stgniveles_); });
    auto* levelsPopup = new QMenu(this);
    levelsPopup->setObjectName(QStringLiteral("levelsPopup"));
    addEditMenu(stgniveles_, levelsPopup);
    auto* replicatesLabel =
        new QLabel(QStringLiteral("Capt&urar número de replicaciones por nivel:"), pan);
    replicatesLabel->setBuddy(stgniveles_);

    botonok_ = new QPushButton(QStringLiteral("Aceptar r&eplicaciones"), pan);
    botonok_->setObjectName(QStringLiteral("botonok"));
    connect(botonok_, &QPushButton::clicked, this, &TFinforma::botonokClick);

    // Buttons take the focus only through Tab: a click first moves the focus itself
    // (FocusGuard::takeFocus), so the check of the control being left runs before the button acts.
    for (QPushButton* button : {btnsinumero_, botonok_}) {
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
    }

    column->addWidget(levelsLabel, 0, 0);
    column->addWidget(eniveles_, 0, 1, Qt::AlignLeft);
    column->addWidget(btnsinumero_, 1, 0, 1, 2, Qt::AlignLeft);
    column->addItem(new QSpacerItem(0, 12), 2, 0);
    column->addWidget(replicatesLabel, 3, 0, 1, 2);
    column->addWidget(stgniveles_, 4, 0, 1, 2);
    column->addWidget(botonok_, 5, 0, 1, 2, Qt::AlignLeft);
    column->setRowStretch(6, 1);
    column->setColumnStretch(1, 1);
    return page;
}

QWidget* TFinforma::createDataTab() {
    auto* page = new QWidget;
    auto* frame = new QVBoxLayout(page);
    auto* title = new QLabel(QStringLiteral("Captura de Datos"), page);
    QFont large = title->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.4);
    title->setFont(large);
    title->setAlignment(Qt::AlignCenter);
    frame->addWidget(title);

    QFrame* pan2 = sunkenPanel(page, "pan2");
    frame->addWidget(pan2, 1);
    auto* inside = new QVBoxLayout(pan2);
    dataModel_ = new StringGridModel(study_.stgdatos, 1, 1, this);
    stgdatos_ = new StringGridView(pan2);
    stgdatos_->setObjectName(QStringLiteral("stgdatos"));
    stgdatos_->setGridModel(dataModel_);
    stgdatos_->keepTitlesInView();
    stgdatos_->setFixedWidth(3 * 90 + 24);
    stgdatos_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    inside->addWidget(stgdatos_, 0, Qt::AlignHCenter);
    connect(stgdatos_, &StringGridView::keyPressed, this, &TFinforma::stgdatosKeyPress);
    connect(dataModel_, &StringGridModel::cellEdited, this, [this] { host_.markModified(); });
    connect(stgdatos_, &StringGridView::pasteRequested, this, [this] { pasteInto(stgdatos_); });
    // Alone on its page, the grid is left for the pages around it, as Ctrl+Tab moves: after
    // its exit check, on to the first page, or back to the replicates' button.
    connect(stgdatos_, &StringGridView::leftWithNowhereToGo, this,
            [this](bool forward) { advance(forward ? firstControl(0) : botonok_); });

    PopMenu_ = new QMenu(this);
    PopMenu_->setObjectName(QStringLiteral("PopMenu"));
    auto item = [this](const char* name, const QString& title, const QString& hint) {
        QAction* a = PopMenu_->addAction(title);
        a->setObjectName(QString::fromLatin1(name));
        a->setStatusTip(hint.section(QLatin1Char('|'), -1));
        a->setEnabled(false);
        return a;
    };
    const QString calculations = QStringLiteral("Cálculos|");
    pmnuinfiere_ =
        item("pmnuinfiere", QStringLiteral("&Inferencia"),
             calculations + QStringLiteral("Inferencia de pendiente y ordenada al origen"));
    PopMenu_->addSeparator();
    pmnuanova_ = item("pmnuanova", QStringLiteral("&Análisis de la varianza"),
                      calculations + QStringLiteral("Presenta el análisis de la varianza"));
    pmnuresid_ = item("pmnuresid", QStringLiteral("Análisis de Residuales"),
                      calculations + QStringLiteral("Presenta el Análisis de Residuales"));
    pmnugraph_ = item("pmnugraph", QStringLiteral("&Gráfica"),
                      calculations + QStringLiteral("Presenta la Gráfica"));
    pmnugraphr_ = item("pmnugraphr", QStringLiteral("Gráfica (Residuales)"), QString());
    // Editing is not a calculation: its items are on whenever the grid is.
    pasteSeparator_ = PopMenu_->addSeparator();
    addEditMenu(stgdatos_, PopMenu_);
    pmnudeshacer_ = PopMenu_->findChild<QAction*>(QStringLiteral("stgdatosUndo"));
    pmnupegar_ = PopMenu_->findChild<QAction*>(QStringLiteral("stgdatosPaste"));
    pmnudeshacer_->setObjectName(QStringLiteral("pmnudeshacer"));
    pmnupegar_->setObjectName(QStringLiteral("pmnupegar"));
    return page;
}

// A grid's pop-up menu ends with "&Deshacer" (on while a paste can be taken back) and
// "&Pegar"; it opens with a right click, the Menu key or Shift+F10.
void TFinforma::addEditMenu(StringGridView* grid, QMenu* menu) {
    const QString name = grid->objectName();
    QAction* undo = menu->addAction(QStringLiteral("&Deshacer"));
    undo->setObjectName(name + QStringLiteral("Undo"));
    undo->setStatusTip(QStringLiteral("Deshace el último pegado"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setShortcutContext(Qt::WidgetShortcut); // Ctrl+Z itself reaches the grid
    undo->setEnabled(false);
    connect(undo, &QAction::triggered, this, [this, grid] { undoPasteIn(grid); });
    connect(grid, &StringGridView::undoAvailable, undo, &QAction::setEnabled);
    connect(grid, &StringGridView::undoRequested, this, [this, grid] { undoPasteIn(grid); });
    QAction* paste = menu->addAction(QStringLiteral("&Pegar"));
    paste->setObjectName(name + QStringLiteral("Paste"));
    paste->setStatusTip(QStringLiteral("Pega las celdas copiadas desde la celda actual"));
    connect(paste, &QAction::triggered, this, [this, grid] { pasteInto(grid); });
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, menu,
            [menu, grid](const QPoint& p) { menu->popup(grid->viewport()->mapToGlobal(p)); });
    popupWithKeys(*grid, *menu, [grid] {
        return grid->viewport()->mapTo(grid, grid->visualRect(grid->currentIndex()).center());
    });
}

QList<QAction*> TFinforma::popupActions() const {
    QList<QAction*> actions;
    for (QAction* a : PopMenu_->actions())
        if (!a->isSeparator() && a != pmnupegar_ && a != pmnudeshacer_)
            actions << a;
    return actions;
}

void TFinforma::addPopupAction(QAction* action) {
    PopMenu_->insertAction(pasteSeparator_, action);
}

void TFinforma::loadStudy(const Study& study) {
    FocusGuard::Pause pause(*guard_);
    study_ = study;
    asRead_ = study;
    QLineEdit* boxes[] = {emetodo_, eanalista_, efecha_, eadicionada_, emedida_};
    for (const TextBox& c : kBoxes) {
        QLineEdit* box = boxes[&c - kBoxes];
        const QString value = text(study_.*c.field);
        // The length limits apply to typing; a longer text read from a file stays whole.
        box->setMaxLength(std::max(c.length, static_cast<int>(value.size())));
        box->setText(value);
    }
    eniveles_->setMaxLength(std::max(kLevelsLength, static_cast<int>(study_.eniveles.size())));
    eniveles_->setText(text(study_.eniveles));
    levelsModel_->reload();
    dataModel_->reload();
    stgniveles_->setCurrentCell(1, 1);
    stgdatos_->setCurrentCell(1, 1);
}

void TFinforma::showProblem(const StudyProblem& problem) {
    host_.dialogs().message(text(problem.message));
    selectCell(problem);
    focus(control(problem.control));
}

// The cell a problem is in becomes the grid's current cell, selected and scrolled into view.
void TFinforma::selectCell(const StudyProblem& problem) {
    if (!problem.cell)
        return;
    auto* grid = static_cast<StringGridView*>(control(problem.control));
    grid->setCurrentCell(problem.cell->col, problem.cell->row);
    grid->scrollTo(grid->currentIndex());
}

bool TFinforma::followReplicates() {
    if (!dataRowsOutOfDesign(study_))
        return true;
    if (const auto problem = checkReplicatesOnExit(study_, decimalSeparator(), asRead())) {
        showProblem(*problem);
        return false;
    }
    fitDataRows();
    return true;
}

QWidget* TFinforma::control(StudyControl c) const {
    switch (c) {
    case StudyControl::eniveles:
        return eniveles_;
    case StudyControl::stgniveles:
        return stgniveles_;
    case StudyControl::stgdatos:
        return stgdatos_;
    }
    return eniveles_;
}

int TFinforma::levels() const {
    return parseInteger(study_.eniveles);
}

// --- closing -------------------------------------------------------------------------------

void TFinforma::closeEvent(QCloseEvent* event) {
    // Close query: a study with unsaved typing is offered to be saved. Cancelar keeps the
    // window (and so the program, when it was closing). If the analyst wants it saved and it
    // was not (validation refused it, the dialog was cancelled, the write failed), the window
    // stays open so the typed study is not lost.
    if (host_.modified()) {
        const Dialogs::Answer answer = host_.dialogs().questionOrCancel(
            QStringLiteral("Guardar archivo?"),
            QStringLiteral("Se realizaron cambios!\nQuiere guardar su información?"));
        if (answer == Dialogs::Answer::Cancel ||
            (answer == Dialogs::Answer::Yes && !host_.save())) {
            event->ignore();
            return;
        }
    }
    host_.clearModified(QStringLiteral(" "));

    const bool last = mdiArea() && mdiArea()->subWindowList().size() == 1;
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    host_.apply(StudyEvent::StudyWindowCloses);
    if (last)
        host_.apply(StudyEvent::LastChildWindowCloses);
}

// --- keys ----------------------------------------------------------------------------------

bool TFinforma::eventFilter(QObject* watched, QEvent* event) {
    if (watched == thoja_->tabBar()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int tab = thoja_->tabBar()->tabAt(mouse->position().toPoint());
            if (tab >= 0 && mouse->button() == Qt::LeftButton)
                thojaClick(tab);
            return true;
        }
        return event->type() == QEvent::Wheel;
    }
    if (event->type() != QEvent::KeyPress)
        return QMdiSubWindow::eventFilter(watched, event);

    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && (watched == btnsinumero_ || watched == botonok_)) { // Enter presses a button
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
    if (watched == thoja_) { // Ctrl+Tab and Ctrl+PgUp/PgDn change pages as Tab moves on
        const bool forward = key->key() == Qt::Key_Tab || key->key() == Qt::Key_PageDown;
        const bool back = key->key() == Qt::Key_Backtab || key->key() == Qt::Key_PageUp;
        if ((key->modifiers() & Qt::ControlModifier) && (forward || back)) {
            advance(firstControl((thoja_->currentIndex() + (forward ? 1 : 2)) % 3));
            return true;
        }
        return false;
    }
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (tab || key->text().isEmpty())
        return false;
    const QChar character = key->text().at(0);
    if (watched == eniveles_)
        enivelesKeyPress(character);
    else if (auto* box = qobject_cast<QLineEdit*>(watched))
        textKeyPress(box, character);
    return false;
}

void TFinforma::textKeyPress(QLineEdit* box, QChar key) {
    if (isEscape(key))
        return;
    host_.markModified();
    if (!isEnter(key) || box->text().isEmpty())
        return;
    if (box == emetodo_)
        advance(eanalista_);
    else if (box == eanalista_)
        advance(efecha_);
    else if (box == efecha_)
        advance(eadicionada_);
    else if (box == eadicionada_)
        advance(emedida_);
    else if (box == emedida_)
        advance(eniveles_);
}

void TFinforma::enivelesKeyPress(QChar key) {
    if (isEscape(key))
        return;
    host_.markModified();
    if (isEnter(key) && !eniveles_->text().isEmpty())
        advance(btnsinumero_);
}

void TFinforma::stgnivelesKeyPress(QChar key) {
    if (isEscape(key))
        return;
    host_.markModified();
    if (stgniveles_->col() != study_.stgniveles.colCount() - 1)
        return;
    stgniveles_->setTabMovesBetweenCells(false);
    if (isEnter(key))
        advance(botonok_);
}

void TFinforma::stgdatosKeyPress(QChar key) {
    if (isEscape(key))
        return;
    host_.markModified();
    host_.apply(StudyEvent::KeyInDataGrid);
    if (stgdatos_->col() != study_.stgdatos.colCount() - 1)
        return;
    if (stgdatos_->row() == study_.stgdatos.rowCount() - 1) {
        stgdatos_->setTabMovesBetweenCells(false);
        host_.apply(StudyEvent::KeyInLastDataCell);
    } else {
        stgdatos_->setTabMovesBetweenCells(true);
    }
}

// --- buttons and pages ---------------------------------------------------------------------

void TFinforma::btnsinumeroClick() {
    if (!guard_->takeFocus(btnsinumero_))
        return;
    runCommand(host_.dialogs(), [this] {
        const int n = levels();
        // Counts of levels beyond a smaller N keep their text and show again if N grows back.
        study_.stgniveles.setColCount(n + 1);
        for (int i = 1; i <= n; ++i)
            study_.stgniveles.setCell(i, 0, std::to_string(i));
        levelsModel_->reload();
        if (stgniveles_->isEnabled())
            focus(stgniveles_);
    });
}

void TFinforma::botonokClick() {
    if (!guard_->takeFocus(botonok_))
        return;
    runCommand(host_.dialogs(), [this] {
        if (const auto problem = checkReplicateCells(study_)) {
            showProblem(*problem);
            return;
        }
        thojaClick(2);
    });
}

void TFinforma::thojaClick(int tab) {
    focus(firstControl(tab));
}

void TFinforma::thojaEnter() {
    focus(emetodo_);
}

QWidget* TFinforma::firstControl(int tab) const {
    QWidget* first[] = {emetodo_, eniveles_, stgdatos_};
    return first[std::clamp(tab, 0, 2)];
}

int TFinforma::tabOf(QWidget* control) const {
    for (int i = 0; i < thoja_->count(); ++i)
        if (thoja_->widget(i)->isAncestorOf(control))
            return i;
    return thoja_->currentIndex();
}

// --- the clipboard -------------------------------------------------------------------------

// Cells copied from a spreadsheet go in from the current cell, all or none: a block that does
// not fit is refused with a message saying how much fits. A heading over the data pasted into
// the data grid is left out, and the status line says so. Pasting is typing.
void TFinforma::pasteInto(StringGridView* grid) {
    CellRows block = splitTabSeparated(QGuiApplication::clipboard()->text().toStdString());
    std::optional<std::vector<std::string>> heading;
    if (grid == stgdatos_ && startsWithHeading(block)) {
        heading = std::move(block.front());
        block.erase(block.begin());
    }
    if (block.empty() || !grid->currentIndex().isValid())
        return;
    const int col = grid->col(), row = grid->row();
    if (const auto refusal = grid->pasteCells(block)) {
        host_.dialogs().message(text(*refusal));
        return;
    }
    if (heading)
        host_.showNote(text(headingSkippedNote(*heading)));
    const int lastCol = col + blockWidth(block) - 1,
              lastRow = row + static_cast<int>(block.size()) - 1;
    host_.markModified();
    if (grid != stgdatos_)
        return;
    host_.apply(StudyEvent::KeyInDataGrid);
    if (lastCol == study_.stgdatos.colCount() - 1 && lastRow == study_.stgdatos.rowCount() - 1)
        host_.apply(StudyEvent::KeyInLastDataCell);
}

// Ctrl+Z (or "&Deshacer") takes the last paste back whole; taking it back is typing too.
void TFinforma::undoPasteIn(StringGridView* grid) {
    if (grid->undoPaste())
        host_.markModified();
}

// --- checks when the focus enters or leaves ------------------------------------------------

bool TFinforma::enivelesExit() {
    return passes(checkLevelsOnExit(study_, asRead()));
}

void TFinforma::stgnivelesEnter() {
    passes(checkReplicateCells(study_));
}

bool TFinforma::stgnivelesExit() {
    stgniveles_->setTabMovesBetweenCells(true);
    stgniveles_->setCurrentCell(1, 1);
    if (!passes(checkReplicatesOnExit(study_, decimalSeparator(), asRead())))
        return false;
    fitDataRows();
    return true;
}

// Counts that passed their checks shape the data grid: one row per observation, each labelled
// with its level. Rows a smaller design hides keep their X and Y.
void TFinforma::fitDataRows() {
    if (fitDataRowsToDesign(study_))
        dataModel_->reload();
}

void TFinforma::stgdatosEnter() {
    // The commands are switched on first, whatever the checks find.
    host_.apply(StudyEvent::DataGridEntered);
    passes(checkDataOnEnter(study_));
}

bool TFinforma::stgdatosExit() {
    stgdatos_->setTabMovesBetweenCells(true);
    stgdatos_->setCurrentCell(1, 1);
    return passes(checkDataOnExit(study_, decimalSeparator()));
}

// --- the focus -----------------------------------------------------------------------------

void TFinforma::focus(QWidget* control) {
    guard_->focus(control);
}

void TFinforma::advance(QWidget* control) {
    guard_->advance(control);
}

bool TFinforma::passes(const std::optional<StudyProblem>& problem) {
    if (problem) {
        selectCell(*problem);
        guard_->refuse(text(problem->message), control(problem->control));
    }
    return !problem;
}

} // namespace linealidad
