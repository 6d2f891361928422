#pragma once

#include <QMap>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace linealidad {

// The help viewer: the program's help pages (embedded under the name AYUDA2) with their
// contents, a keyword index with a search box, and the topic of each help context number.
// Pages are loaded when help is first asked for.
class VisorAyuda : public QWidget {
    Q_OBJECT
public:
    explicit VisorAyuda(QWidget* parent = nullptr);

    void muestraContenido();
    // The index, with `palabra` typed in its search box (empty: the whole index).
    void muestraIndice(const QString& palabra);
    // The topic of a help context number; the contents when no page has that number.
    void muestraTema(int contexto);

    // The page shown, e.g. "nuevo.html".
    QString paginaActual() const;

private:
    struct Tema {
        QString archivo;
        QString titulo;
        int contexto = 0;
        QStringList palabras;
    };
    void cargaTemas();
    void muestraPagina(const QString& archivo);
    void filtraIndice(const QString& texto);
    void eligePalabra(const QString& palabra);
    void presenta();

    QList<Tema> temas_;
    QMap<QString, QList<int>> indice_; // keyword -> topics
    QTabWidget* pestanas_;
    QListWidget* contenido_;
    QLineEdit* busqueda_;
    QListWidget* palabras_;
    QListWidget* resultados_;
    QTextBrowser* pagina_;
};

} // namespace linealidad
