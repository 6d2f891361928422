#pragma once

#include "core/study/Study.h"
#include "core/study/StudyProblem.h"

#include <QMdiSubWindow>

#include <optional>

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;

namespace linealidad {

class StudyHost;
class StringGridModel;
class StringGridView;
class FocusGuard;

// The study window: the child window in which a study is typed, or shown after it was read
// from a file. Its controls edit the study document directly; each part is checked when the
// focus leaves it, and the main window's commands are switched on as the data becomes complete.
class TFinforma : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit TFinforma(StudyHost& host, QWidget* parent = nullptr);

    const Study& study() const { return study_; }
    // Shows a study read from a file (nothing is marked as modified). Its number of levels and
    // replicate counts, while they keep the texts read, are held only to the validation's
    // limits when they are left.
    void loadStudy(const Study& study);

    // Shows a problem found by the study validation: its message, then its tab and control
    // (and its cell, selected).
    void showProblem(const StudyProblem& problem);

    // Before a command reads the study: replicate counts changed since the replicates grid was
    // left shape the data grid, after the checks leaving the grid runs. False, with the problem
    // shown, when a count fails them.
    bool followReplicates();

    // The pop-up items of the data grid, in menu order (the main window runs them).
    QAction* pmnuinfiere() const { return pmnuinfiere_; }
    QAction* pmnuanova() const { return pmnuanova_; }
    QAction* pmnuresid() const { return pmnuresid_; }
    QAction* pmnugraph() const { return pmnugraph_; }
    QAction* pmnugraphr() const { return pmnugraphr_; }
    QList<QAction*> popupActions() const;
    // Adds an item after the calculation items of the data grid's pop-up menu.
    void addPopupAction(QAction* action);
    // "&Pegar" of the pop-up menu: the clipboard's cells into the data grid.
    QAction* pmnupegar() const { return pmnupegar_; }
    // "&Deshacer" of the pop-up menu: the last paste into the data grid taken back.
    QAction* pmnudeshacer() const { return pmnudeshacer_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    QWidget* createInformationTab();
    QWidget* createLevelsTab();
    QWidget* createDataTab();
    void FormCreate();

    // Handlers, named after their control and event.
    void textKeyPress(QLineEdit* box, QChar key);
    void enivelesKeyPress(QChar key);
    bool enivelesExit();
    void btnsinumeroClick();
    void stgnivelesEnter();
    void stgnivelesKeyPress(QChar key);
    bool stgnivelesExit();
    void botonokClick();
    void stgdatosEnter();
    void stgdatosKeyPress(QChar key);
    bool stgdatosExit();
    void thojaClick(int tab);
    void thojaEnter();
    void pasteInto(StringGridView* grid);
    void undoPasteIn(StringGridView* grid);
    void addEditMenu(StringGridView* grid, QMenu* menu);
    void fitDataRows();
    const Study* asRead() const { return asRead_ ? &*asRead_ : nullptr; }
    void selectCell(const StudyProblem& problem);

    void watchControls();
    void focus(QWidget* control);
    // Enter moves the focus on as Tab does.
    void advance(QWidget* control);
    // A check's problem refuses the move: the focus goes back to its control and its message
    // shows. True when there was none.
    bool passes(const std::optional<StudyProblem>& problem);
    int tabOf(QWidget* control) const;
    QWidget* firstControl(int tab) const;
    QWidget* control(StudyControl control) const;
    int levels() const;

    StudyHost& host_;
    Study study_;
    // The study as it was read, for a study read from a file or a table.
    std::optional<Study> asRead_;

    QTabWidget* thoja_ = nullptr;
    QLineEdit* emetodo_ = nullptr;
    QLineEdit* eanalista_ = nullptr;
    QLineEdit* efecha_ = nullptr;
    QLineEdit* eadicionada_ = nullptr;
    QLineEdit* emedida_ = nullptr;
    QLineEdit* eniveles_ = nullptr;
    QPushButton* btnsinumero_ = nullptr;
    QPushButton* botonok_ = nullptr;
    StringGridView* stgniveles_ = nullptr;
    StringGridView* stgdatos_ = nullptr;
    StringGridModel* levelsModel_ = nullptr;
    StringGridModel* dataModel_ = nullptr;
    QMenu* PopMenu_ = nullptr;
    QAction* pmnuinfiere_ = nullptr;
    QAction* pmnuanova_ = nullptr;
    QAction* pmnuresid_ = nullptr;
    QAction* pmnugraph_ = nullptr;
    QAction* pmnugraphr_ = nullptr;
    QAction* pasteSeparator_ = nullptr;
    QAction* pmnupegar_ = nullptr;
    QAction* pmnudeshacer_ = nullptr;

    FocusGuard* guard_ = nullptr; // runs the exit and enter checks as the focus moves
};

} // namespace linealidad
