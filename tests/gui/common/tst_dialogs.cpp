#include "gui/common/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace linealidad;

Q_DECLARE_METATYPE(Dialogs::Answer)
Q_DECLARE_METATYPE(Dialogs::RecoveryChoice)

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

    // The offer of a study left unsaved: only "Descartar" throws it away; Escape and the close
    // box keep it for later, and Enter recovers it.
    void recoveryOffer_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<Dialogs::RecoveryChoice>("choice");
        QTest::newRow("Escape keeps it") << "Escape" << Dialogs::RecoveryChoice::Later;
        QTest::newRow("the close box keeps it") << "close" << Dialogs::RecoveryChoice::Later;
        QTest::newRow("Enter recovers it") << "Enter" << Dialogs::RecoveryChoice::Recover;
        QTest::newRow("Alt+D discards it") << "Alt+D" << Dialogs::RecoveryChoice::Discard;
        QTest::newRow("Alt+T keeps it") << "Alt+T" << Dialogs::RecoveryChoice::Later;
    }
    void recoveryOffer() {
        QFETCH(QString, action);
        QFETCH(Dialogs::RecoveryChoice, choice);
        QWidget window;
        window.show();
        QtDialogs dialogs(&window);
        QStringList buttons;
        QString focused;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            focused = box->defaultButton() ? box->defaultButton()->text() : QString();
            if (action == "Escape")
                QTest::keyClick(box, Qt::Key_Escape);
            else if (action == "Enter")
                QTest::keyClick(box, Qt::Key_Return);
            else if (action == "close")
                box->close();
            else {
                QApplication::setActiveWindow(box);
                QVERIFY(QTest::qWaitForWindowActive(box, 5000));
                QTest::keyClick(box, action.back().toLatin1(), Qt::AltModifier);
            }
        });
        QCOMPARE(dialogs.recoveryOffer(QStringLiteral("Estudio sin guardar"), QStringLiteral("?")),
                 choice);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"&Descartar", "&Recuperar", "Más &tarde"}));
        QCOMPARE(focused, QStringLiteral("&Recuperar"));
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
