#pragma once

#include "study/Study.h"
#include "study/ValidaEstudio.h"

#include <QMdiSubWindow>

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;

namespace linealidad {

class AnfitrionEstudio;
class StringGridModel;
class StringGridView;
class VigilanteFoco;

// The study window: the child window in which a study is typed, or shown after it was read
// from a file. Its controls edit the study document directly; each part is checked when the
// focus leaves it, and the main window's commands are switched on as the data becomes complete.
class TFinforma : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit TFinforma(AnfitrionEstudio& anfitrion, QWidget* parent = nullptr);

    const Study& estudio() const { return estudio_; }
    // Shows a study read from a file (nothing is marked as modified).
    void cargaEstudio(const Study& estudio);

    // Shows a problem found by the study validation: its message, then its tab and control.
    void muestraProblema(const ProblemaEstudio& problema);

    // The pop-up items of the data grid, in menu order (the main window runs them).
    QAction* pmnuinfiere() const { return pmnuinfiere_; }
    QAction* pmnuanova() const { return pmnuanova_; }
    QAction* pmnuresid() const { return pmnuresid_; }
    QAction* pmnugraph() const { return pmnugraph_; }
    QAction* pmnugraphr() const { return pmnugraphr_; }
    QList<QAction*> accionesEmergentes() const;
    // Adds an item at the end of the data grid's pop-up menu.
    void agregaEmergente(QAction* accion);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void creaControles();
    QWidget* creaPestanaInformacion();
    QWidget* creaPestanaNiveles();
    QWidget* creaPestanaDatos();
    void FormCreate();

    // Handlers, named after their control and event.
    void textoKeyPress(QLineEdit* caja, QChar tecla);
    void enivelesKeyPress(QChar tecla);
    bool enivelesExit();
    void btnsinumeroClick();
    void stgnivelesEnter();
    void stgnivelesKeyPress(QChar tecla);
    bool stgnivelesExit();
    void botonokClick();
    void stgdatosEnter();
    void stgdatosKeyPress(QChar tecla);
    bool stgdatosExit();
    void thojaClick(int pestana);
    void thojaEnter();

    void vigilaControles();
    void enfoca(QWidget* control);
    void rechaza(const QString& mensaje, QWidget* control);
    int pestanaDe(QWidget* control) const;
    QWidget* primerControl(int pestana) const;
    QWidget* control(ControlEstudio control) const;
    int niveles() const;

    AnfitrionEstudio& anfitrion_;
    Study estudio_;

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
    StringGridModel* modeloNiveles_ = nullptr;
    StringGridModel* modeloDatos_ = nullptr;
    QMenu* PopMenu_ = nullptr;
    QAction* pmnuinfiere_ = nullptr;
    QAction* pmnuanova_ = nullptr;
    QAction* pmnuresid_ = nullptr;
    QAction* pmnugraph_ = nullptr;
    QAction* pmnugraphr_ = nullptr;

    VigilanteFoco* vigilante_ = nullptr; // runs the exit and enter checks as the focus moves
};

} // namespace linealidad
