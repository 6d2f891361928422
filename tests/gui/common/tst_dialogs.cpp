#include "gui/common/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace linealidad;

Q_DECLARE_METATYPE(Dialogs::Answer)

namespace {
// What a title bar takes beside its text, at the least: an icon and three buttons.
constexpr int kTitleBarButtons = 100;
} // namespace

// The save question of the platform's dialogs, answered by keys as the analyst answers it.
class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void saveQuestion_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << Dialogs::Answer::Cancel;
        QTest::newRow("Enter takes No, the default") << int(Qt::Key_Return) << Dialogs::Answer::No;
        QTest::newRow("Sí clicked") << 0 << Dialogs::Answer::Yes;
    }
    void saveQuestion() {
        QFETCH(int, key);
        QFETCH(Dialogs::Answer, answer);
        QWidget window;
        window.show();
        QtDialogs dialogs(&window);
        QStringList buttons;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            QCOMPARE(box->windowTitle(), QStringLiteral("Guardar archivo?"));
            QCOMPARE(box->icon(), QMessageBox::Question);
            if (key == 0) {
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == QStringLiteral("&Sí"))
                        b->click();
            } else {
                QTest::keyClick(box, static_cast<Qt::Key>(key));
            }
        });
        QCOMPARE(dialogs.questionOrCancel(QStringLiteral("Guardar archivo?"),
                                          QStringLiteral("Se realizaron cambios!")),
                 answer);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"&No", "&Sí", "Cancelar"}));
    }

    // The confirmation takes Sí with Enter; a short message is as wide as its long title and
    // the title bar's icon and buttons beside it.
    void confirmationAndTitle() {
        QWidget window;
        window.show();
        QtDialogs dialogs(&window);
        int width = 0;
        int titleWidth = 0;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QFont bold = box->font();
            bold.setBold(true);
            titleWidth = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
            width = box->width();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(dialogs.confirm(kApplicationTitle, QStringLiteral("¿Convertirlos?")));
        QVERIFY2(width >= titleWidth + kTitleBarButtons,
                 qPrintable(QString("%1 <= %2").arg(width).arg(titleWidth)));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
