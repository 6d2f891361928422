#include "gui/app/HelpViewer.h"

#include "gui/common/WindowKeys.h"

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
static void registerHelpPages() {
    Q_INIT_RESOURCE(help);
}

namespace linealidad {
namespace {
const QString kRoot = QStringLiteral("qrc:/AYUDA2/");
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    registerHelpPages();
    setObjectName(QStringLiteral("VisorAyuda"));
    setWindowTitle(QStringLiteral("Ayuda de Linealidad y Precisión del Sistema de Medición"));
    resize(860, 600);
    closeWithKeys(*this);

    tabs_ = new QTabWidget(this);
    contents_ = new QListWidget(tabs_);
    contents_->setObjectName(QStringLiteral("contenido"));
    tabs_->addTab(contents_, QStringLiteral("Contenido"));

    auto* index = new QWidget(tabs_);
    auto* column = new QVBoxLayout(index);
    auto* label = new QLabel(QStringLiteral("Escriba la &palabra que busca:"), index);
    search_ = new QLineEdit(index);
    search_->setObjectName(QStringLiteral("busqueda"));
    search_->setClearButtonEnabled(true);
    label->setBuddy(search_);
    words_ = new QListWidget(index);
    words_->setObjectName(QStringLiteral("palabras"));
    results_ = new QListWidget(index);
    results_->setObjectName(QStringLiteral("resultados"));
    results_->setMaximumHeight(120);
    column->addWidget(label);
    column->addWidget(search_);
    column->addWidget(words_, 1);
    column->addWidget(new QLabel(QStringLiteral("Temas:"), index));
    column->addWidget(results_);
    tabs_->addTab(index, QStringLiteral("Índice"));

    page_ = new QTextBrowser(this);
    page_->setObjectName(QStringLiteral("pagina"));
    page_->setOpenLinks(true);
    page_->setSearchPaths({QStringLiteral(":/AYUDA2")});

    auto* division = new QSplitter(this);
    division->addWidget(tabs_);
    division->addWidget(page_);
    division->setStretchFactor(1, 1);
    division->setSizes({260, 600});
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(4, 4, 4, 4);
    frame->addWidget(division);

    loadTopics();
    connect(contents_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < topics_.size())
            showPage(topics_[row].file);
    });
    connect(search_, &QLineEdit::textChanged, this, &HelpViewer::filterIndex);
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (words_->count() > 0)
            chooseWord(words_->item(0)->text());
    });
    connect(words_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { chooseWord(item->text()); });
    connect(words_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseWord(item->text()); });
    connect(results_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
}

void HelpViewer::loadTopics() {
    QFile file(QStringLiteral(":/AYUDA2/temas.json"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QJsonArray list = QJsonDocument::fromJson(file.readAll()).array();
    for (const QJsonValue& value : list) {
        const QJsonObject o = value.toObject();
        Topic topic{o.value(QStringLiteral("archivo")).toString(),
                    o.value(QStringLiteral("titulo")).toString(),
                    o.value(QStringLiteral("contexto")).toInt(),
                    {}};
        for (const QJsonValue& p : o.value(QStringLiteral("palabras")).toArray())
            topic.words << p.toString();
        const int number = static_cast<int>(topics_.size());
        for (const QString& p : topic.words)
            index_[p] << number;
        index_[topic.title.toLower()] << number;
        contents_->addItem(topic.title);
        topics_ << topic;
    }
    filterIndex(QString());
}

void HelpViewer::setOwner(QWidget* owner, bool inFront) {
    const Qt::WindowFlags flags =
        inFront ? Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint
                : Qt::WindowFlags(Qt::Window);
    if (parentWidget() != owner || windowFlags() != flags)
        setParent(owner, flags);
}

void HelpViewer::present() {
    show();
    raise();
    activateWindow();
}

void HelpViewer::showContents() {
    tabs_->setCurrentIndex(0);
    if (!topics_.isEmpty()) {
        contents_->setCurrentRow(0);
        showPage(topics_.front().file);
    }
    present();
}

void HelpViewer::showIndex(const QString& word) {
    tabs_->setCurrentIndex(1);
    search_->setText(word);
    filterIndex(word);
    present();
    search_->setFocus();
}

void HelpViewer::showTopic(int context) {
    for (const Topic& topic : topics_) {
        if (context > 0 && topic.context == context) {
            tabs_->setCurrentIndex(0);
            contents_->setCurrentRow(static_cast<int>(&topic - topics_.data()));
            showPage(topic.file);
            present();
            return;
        }
    }
    showContents();
}

QString HelpViewer::currentPage() const {
    return page_->source().fileName();
}

void HelpViewer::showPage(const QString& file) {
    page_->setSource(QUrl(kRoot + file));
}

// The index lists the keywords that begin with what is typed (accents count as typed).
void HelpViewer::filterIndex(const QString& text) {
    words_->clear();
    const QString wanted = text.trimmed().toLower();
    for (auto i = index_.cbegin(); i != index_.cend(); ++i)
        if (i.key().startsWith(wanted))
            words_->addItem(i.key());
}

void HelpViewer::chooseWord(const QString& word) {
    results_->clear();
    const QList<int> numbers = index_.value(word);
    for (int n : numbers) {
        auto* item = new QListWidgetItem(topics_[n].title, results_);
        item->setData(Qt::UserRole, topics_[n].file);
    }
    if (!numbers.isEmpty())
        showPage(topics_[numbers.front()].file);
}

} // namespace linealidad
