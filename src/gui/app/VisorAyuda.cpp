#include "app/VisorAyuda.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

// The help pages live in the program's resources; a static library registers them by hand.
static void registraPaginasAyuda() {
    Q_INIT_RESOURCE(ayuda);
}

namespace linealidad {
namespace {
const QString kRaiz = QStringLiteral("qrc:/AYUDA2/");
}

VisorAyuda::VisorAyuda(QWidget* parent) : QWidget(parent, Qt::Window) {
    registraPaginasAyuda();
    setObjectName(QStringLiteral("VisorAyuda"));
    setWindowTitle(QStringLiteral("Ayuda de Linealidad y Precisión del Sistema de Medición"));
    resize(860, 600);

    pestanas_ = new QTabWidget(this);
    contenido_ = new QListWidget(pestanas_);
    contenido_->setObjectName(QStringLiteral("contenido"));
    pestanas_->addTab(contenido_, QStringLiteral("Contenido"));

    auto* indice = new QWidget(pestanas_);
    auto* columna = new QVBoxLayout(indice);
    auto* etiqueta = new QLabel(QStringLiteral("Escriba la &palabra que busca:"), indice);
    busqueda_ = new QLineEdit(indice);
    busqueda_->setObjectName(QStringLiteral("busqueda"));
    busqueda_->setClearButtonEnabled(true);
    etiqueta->setBuddy(busqueda_);
    palabras_ = new QListWidget(indice);
    palabras_->setObjectName(QStringLiteral("palabras"));
    resultados_ = new QListWidget(indice);
    resultados_->setObjectName(QStringLiteral("resultados"));
    resultados_->setMaximumHeight(120);
    columna->addWidget(etiqueta);
    columna->addWidget(busqueda_);
    columna->addWidget(palabras_, 1);
    columna->addWidget(new QLabel(QStringLiteral("Temas:"), indice));
    columna->addWidget(resultados_);
    pestanas_->addTab(indice, QStringLiteral("Índice"));

    pagina_ = new QTextBrowser(this);
    pagina_->setObjectName(QStringLiteral("pagina"));
    pagina_->setOpenLinks(true);
    pagina_->setSearchPaths({QStringLiteral(":/AYUDA2")});

    auto* division = new QSplitter(this);
    division->addWidget(pestanas_);
    division->addWidget(pagina_);
    division->setStretchFactor(1, 1);
    division->setSizes({260, 600});
    auto* marco = new QVBoxLayout(this);
    marco->setContentsMargins(4, 4, 4, 4);
    marco->addWidget(division);

    cargaTemas();
    connect(contenido_, &QListWidget::currentRowChanged, this, [this](int fila) {
        if (fila >= 0 && fila < temas_.size())
            muestraPagina(temas_[fila].archivo);
    });
    connect(busqueda_, &QLineEdit::textChanged, this, &VisorAyuda::filtraIndice);
    connect(busqueda_, &QLineEdit::returnPressed, this, [this] {
        if (palabras_->count() > 0)
            eligePalabra(palabras_->item(0)->text());
    });
    connect(palabras_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { eligePalabra(item->text()); });
    connect(palabras_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { eligePalabra(item->text()); });
    connect(resultados_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { muestraPagina(item->data(Qt::UserRole).toString()); });
}

void VisorAyuda::cargaTemas() {
    QFile archivo(QStringLiteral(":/AYUDA2/temas.json"));
    if (!archivo.open(QIODevice::ReadOnly))
        return;
    const QJsonArray lista = QJsonDocument::fromJson(archivo.readAll()).array();
    for (const QJsonValue& valor : lista) {
        const QJsonObject o = valor.toObject();
        Tema tema{o.value(QStringLiteral("archivo")).toString(),
                  o.value(QStringLiteral("titulo")).toString(),
                  o.value(QStringLiteral("contexto")).toInt(),
                  {}};
        for (const QJsonValue& p : o.value(QStringLiteral("palabras")).toArray())
            tema.palabras << p.toString();
        const int numero = static_cast<int>(temas_.size());
        for (const QString& p : tema.palabras)
            indice_[p] << numero;
        indice_[tema.titulo.toLower()] << numero;
        contenido_->addItem(tema.titulo);
        temas_ << tema;
    }
    filtraIndice(QString());
}

void VisorAyuda::presenta() {
    show();
    raise();
    activateWindow();
}

void VisorAyuda::muestraContenido() {
    pestanas_->setCurrentIndex(0);
    if (!temas_.isEmpty()) {
        contenido_->setCurrentRow(0);
        muestraPagina(temas_.front().archivo);
    }
    presenta();
}

void VisorAyuda::muestraIndice(const QString& palabra) {
    pestanas_->setCurrentIndex(1);
    busqueda_->setText(palabra);
    filtraIndice(palabra);
    presenta();
    busqueda_->setFocus();
}

void VisorAyuda::muestraTema(int contexto) {
    for (const Tema& tema : temas_) {
        if (contexto > 0 && tema.contexto == contexto) {
            pestanas_->setCurrentIndex(0);
            contenido_->setCurrentRow(static_cast<int>(&tema - temas_.data()));
            muestraPagina(tema.archivo);
            presenta();
            return;
        }
    }
    muestraContenido();
}

QString VisorAyuda::paginaActual() const {
    return pagina_->source().fileName();
}

void VisorAyuda::muestraPagina(const QString& archivo) {
    pagina_->setSource(QUrl(kRaiz + archivo));
}

// The index lists the keywords that begin with what is typed (accents count as typed).
void VisorAyuda::filtraIndice(const QString& texto) {
    palabras_->clear();
    const QString buscado = texto.trimmed().toLower();
    for (auto i = indice_.cbegin(); i != indice_.cend(); ++i)
        if (i.key().startsWith(buscado))
            palabras_->addItem(i.key());
}

void VisorAyuda::eligePalabra(const QString& palabra) {
    resultados_->clear();
    const QList<int> numeros = indice_.value(palabra);
    for (int n : numeros) {
        auto* item = new QListWidgetItem(temas_[n].titulo, resultados_);
        item->setData(Qt::UserRole, temas_[n].archivo);
    }
    if (!numeros.isEmpty())
        muestraPagina(temas_[numeros.front()].archivo);
}

} // namespace linealidad
