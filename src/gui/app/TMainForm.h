#pragma once

#include "app/ReglasHabilitacion.h"
#include "charts/AnfitrionGrafica.h"
#include "stats/Resultados.h"
#include "study/AnfitrionEstudio.h"
#include "study/StudyFile.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <functional>
#include <memory>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMimeData;
class QToolBar;

namespace linealidad {

class TFinforma;
class TFinfo;
class TfinfoA;
class TfinfoR;
class Tfrminforme;
class Tfrmpredice;
class TOptionsDlg;
class TPlotForm;
class TPlotForm1;
class VisorAyuda;

// The frame of the program: menus, tool bar, status line and the child windows (the one study
// window and any number of result windows). It runs the commands, keeps their enabled state
// in step with the study's life through one table, and holds the references the commands use.
class TMainForm : public QMainWindow, public AnfitrionEstudio, public AnfitrionGrafica {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The one study window, while it exists.
    QPointer<TFinforma> Finforma;
    // The newest result window of each kind.
    QPointer<TFinfo> Finfo;
    QPointer<TfinfoA> finfoA;
    QPointer<TfinfoR> finfoR;
    QPointer<Tfrminforme> frminforme;
    // The dialogs created at start-up.
    QPointer<Tfrmpredice> frmpredice;
    // The chart options dialog and the two chart windows, created with the main window.
    QPointer<TOptionsDlg> OptionsDlg;
    QPointer<TPlotForm> PlotForm;
    QPointer<TPlotForm1> PlotForm1;

    QMdiArea* ClientArea() const { return ClientArea_; }
    // Tests replace the message boxes and file dialogs.
    void setInteraccion(std::unique_ptr<Interaccion> interaccion);
    // Where the three chart titles saved with a study come from (the chart options dialog).
    void setFuenteTitulos(std::function<TitulosGrafica()> fuente);

    // Commands.
    void FileNew();
    void FileOpen();
    bool FileSave();
    bool FileSaveAs();
    void mnucloseClick();
    void FileExit();
    void WindowTile();
    void WindowCascade();
    void HelpContents();
    void HelpSearch();
    void HelpAbout();
    // Opens a study file as "&Abrir..." does after its dialog; false when it was not read.
    bool abreEstudio(const QString& ruta);
    // A file dropped on the window: opened as "&Abrir..." would, while that is available.
    void abreSoltado(const QMimeData& datos);
    // Runs the study validation; false (after showing the problem) when the study fails it.
    bool validaEstudio();
    // Opens help at the topic of a context number, beside the modal window `desde` (or the
    // active modal window) when there is one.
    void muestraAyuda(int contexto, QWidget* desde = nullptr) override;
    // F1 in `ventana` (a dialog, a chart) opens the topic of its "contextoAyuda" property.
    void instalaAyudaF1(QWidget* ventana);

    // The study window's requests.
    Interaccion& interaccion() override;
    void marcaModificado() override;
    bool modificado() const override;
    void limpiaModificado(const QString& texto) override;
    void aplica(EventoEstudio evento) override;
    bool guarda() override { return FileSave(); }

    // The chart windows' requests.
    const Study* estudioGrafica() const override;

    // The calculation commands; each one's work lives with its window.
    void mnuinferenciaClick();
    void mnuanovaClick();
    void mnuresidClick();
    void mnugraphRClick();
    void mnugraphClick();
    void mnuinformeClick();
    void mnuprediceClick();
    void PrintLasserClick();

    // The result set the calculation commands share: each command recomputes it.
    ResultadosRegresion regresion;
    ResultadosAnova anova;
    bool PendienteCero = false;
    Residuales residuales;

signals:
    // The main window was activated (each time).
    void activada();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void creaMenus();
    void creaBarra();
    void creaLineaEstado();
    void creaVentanasDeInicio();
    QAction* accion(QMenu* menu, const char* nombre, const QString& titulo, const QString& hint,
                    int contexto, GrupoComandos grupo, std::function<void()> comando);
    QAction* boton(const char* nombre, const QString& glifo, const QString& hint,
                   GrupoComandos grupo, QAction* comando);
    TFinforma* creaVentanaEstudio();
    void conectaEmergentes(TFinforma* ventana);
    bool escribeEstudio(const QString& ruta);
    void muestraHint(const QString& hint);
    void ayudaF1();
    VisorAyuda& visor(QWidget* desde);

    QMdiArea* ClientArea_ = nullptr;
    QToolBar* SpeedBar_ = nullptr;
    QLabel* StatusLine_ = nullptr;
    QLabel* Paneld_ = nullptr;
    QLabel* estado_ = nullptr;
    QMenu* mnucalculos_ = nullptr;
    QMap<GrupoComandos, QList<QAction*>> grupos_;

    std::unique_ptr<Interaccion> interaccion_;
    std::function<TitulosGrafica()> fuenteTitulos_;
    QString nombreArchivo_ = QStringLiteral("Nuevo"); // the save dialog's file name
    QPointer<VisorAyuda> visor_;
};

} // namespace linealidad
