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

    // Makes `owner` the viewer's parent. Asked for from a modal window (a chart, which stays on
    // top, or a dialog) the viewer is a dialog of that window, which window managers keep in
    // front of it; asked for from the main window it is an ordinary window.
    void setOwner(QWidget* owner, bool inFront);

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
