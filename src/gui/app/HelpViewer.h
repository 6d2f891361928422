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
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    void showContents();
    // The index, with `word` typed in its search box (empty: the whole index).
    void showIndex(const QString& word);
    // The topic of a help context number; the contents when no page has that number.
    void showTopic(int context);

    // The page shown, e.g. "nuevo.html".
    QString currentPage() const;

private:
    struct Topic {
        QString file;
        QString title;
        int context = 0;
        QStringList words;
    };
    void loadTopics();
    void showPage(const QString& file);
    void filterIndex(const QString& text);
    void chooseWord(const QString& word);
    void present();

    QList<Topic> topics_;
    QMap<QString, QList<int>> index_; // keyword -> topics
    QTabWidget* tabs_;
    QListWidget* contents_;
    QLineEdit* search_;
    QListWidget* words_;
    QListWidget* results_;
    QTextBrowser* page_;
};

} // namespace linealidad
