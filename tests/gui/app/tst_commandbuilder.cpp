#include "gui/app/CommandBuilder.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

using namespace linealidad;

Q_DECLARE_METATYPE(CommandGroup)

namespace {

using G = CommandGroup;
using R = CommandRow;

// A window with a tool bar, built from a small table of every kind of entry.
struct Built {
    QMainWindow window;
    QToolBar* bar = window.addToolBar(QStringLiteral("Barra"));
    QStringList ran;      // the items' commands, in the order they ran
    QStringList hints;    // what went to the status line
    QList<int> helpAsked; // the topics F1 asked for
    CommandGroups groups;

    Built() {
        bar->setObjectName(QStringLiteral("Barra"));
        auto* builder = new CommandBuilder(
            window, [this](const QString& hint) { hints << hint; },
            [this](int context) { helpAsked << context; });
        groups = builder->build({
            R::menu("", "Archivo", "&Archivo", "Maneja archivos", 1),
            R::item(
                "Archivo", "Nuevo", "&Nuevo", "Archivo|Crea un estudio", 2, G::New,
                [this] { ran << "Nuevo"; }, Qt::CTRL | Qt::Key_N),
            R::separator("Archivo"),
            R::menu("Archivo", "Imprimir", "&Imprimir...", "", 7, G::Print),
            R::item("Imprimir", "Oculto", "Oculto", "Imprime|Imprime oculto", 0, G::Print,
                    [this] { ran << "Oculto"; })
                .hidden(),
            R::menu("", "Calculos", "&Cálculos", "Cálculos del estudio", 10, G::CalculationsMenu),
            R::item("Calculos", "Inferencia", "&Inferencia", "Cálculos|Infiere", 11, G::Inference,
                    [this] { ran << "Inferencia"; }),
            R::button("Barra", "btnnuevo", "nuevo", "Nuevo|Crea un nuevo estudio", G::New, "Nuevo"),
            R::separator("Barra"),
            R::button("Barra", "btnoculto", "imprimir", "Oculto|Imprime oculto", G::Print, "Oculto")
                .hidden(),
        });
    }

    QAction* action(const QString& name) const { return window.findChild<QAction*>(name); }
    QMenu* menu(const QString& name) const { return window.findChild<QMenu*>(name); }
    // The object names of the entries of a menu or a tool bar, "-" for a separator.
    static QStringList names(const QList<QAction*>& actions) {
        QStringList list;
        for (QAction* a : actions)
            list << (a->isSeparator() ? QStringLiteral("-")
                     : a->menu()      ? a->menu()->objectName()
                                      : a->objectName());
        return list;
    }
};

} // namespace

class TestCommandBuilder : public QObject {
    Q_OBJECT
private slots:
    // Each item and button as the table describes it: the text, the tool-tip and the status
    // line's parts of its hint, its help topic, its shortcut, whether it shows.
    void entries_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("statusTip");
        QTest::addColumn<int>("context");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("visible");
        QTest::newRow("item") << "Nuevo"
                              << "&Nuevo"
                              << "Nuevo"
                              << "Crea un estudio" << 2 << QKeySequence(Qt::CTRL | Qt::Key_N)
                              << true;
        QTest::newRow("hidden item") << "Oculto"
                                     << "Oculto"
                                     << "Oculto"
                                     << "Imprime oculto" << 0 << QKeySequence() << false;
        QTest::newRow("button") << "btnnuevo"
                                << "Nuevo"
                                << "Nuevo"
                                << "Crea un nuevo estudio" << 0 << QKeySequence() << true;
        QTest::newRow("hidden button") << "btnoculto"
                                       << "Oculto"
                                       << "Oculto"
                                       << "Imprime oculto" << 0 << QKeySequence() << false;
    }
    void entries() {
        QFETCH(QString, name);
        Built b;
        QAction* a = b.action(name);
        QVERIFY(a);
        QTEST(a->text(), "text");
        QTEST(a->toolTip(), "toolTip");
        QTEST(a->statusTip(), "statusTip");
        QTEST(a->property(kHelpContextProperty).toInt(), "context");
        QTEST(a->shortcut(), "shortcut");
        QTEST(a->isVisible(), "visible");
    }

    // Menus, submenus and separators in the table's order; a button's tool button is named
    // after it and has its picture.
    void layout() {
        Built b;
        QCOMPARE(Built::names(b.window.menuBar()->actions()), QStringList({"Archivo", "Calculos"}));
        QCOMPARE(Built::names(b.menu("Archivo")->actions()),
                 QStringList({"Nuevo", "-", "Imprimir"}));
        QCOMPARE(Built::names(b.menu("Imprimir")->actions()), QStringList{"Oculto"});
        QCOMPARE(Built::names(b.bar->actions()), QStringList({"btnnuevo", "-", "btnoculto"}));
        QCOMPARE(b.bar->widgetForAction(b.action("btnnuevo"))->objectName(),
                 QStringLiteral("btnnuevo"));
        QVERIFY(!b.action("btnnuevo")->icon().isNull());
        QAction* file = b.menu("Archivo")->menuAction();
        QCOMPARE(file->text(), QStringLiteral("&Archivo"));
        QCOMPARE(file->statusTip(), QStringLiteral("Maneja archivos"));
        QCOMPARE(file->property(kHelpContextProperty).toInt(), 1);
        QCOMPARE(b.menu("Imprimir")->menuAction()->property(kHelpContextProperty).toInt(), 7);
    }

    // Each group holds its menus, items and buttons; an entry without one is in none.
    void groups_data() {
        QTest::addColumn<CommandGroup>("group");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("New") << G::New << QStringList({"Nuevo", "btnnuevo"});
        QTest::newRow("Print") << G::Print << QStringList({"Imprimir", "Oculto", "btnoculto"});
        QTest::newRow("CalculationsMenu") << G::CalculationsMenu << QStringList{"Calculos"};
        QTest::newRow("Inference") << G::Inference << QStringList{"Inferencia"};
        QTest::newRow("Always") << G::Always << QStringList();
    }
    void groups() {
        QFETCH(CommandGroup, group);
        Built b;
        QTEST(Built::names(b.groups.value(group)), "names");
    }

    // An item runs its command; a button runs its item.
    void commands() {
        Built b;
        b.action("Inferencia")->trigger();
        b.action("btnnuevo")->trigger();
        b.action("Nuevo")->trigger();
        QCOMPARE(b.ran, QStringList({"Inferencia", "Nuevo", "Nuevo"}));
    }

    // The status line shows the long hint of the menu or item the pointer is on.
    void hints() {
        Built b;
        emit b.window.menuBar()->hovered(b.menu("Calculos")->menuAction());
        emit b.menu("Archivo")->hovered(b.action("Nuevo"));
        QCOMPARE(b.hints, QStringList({"Cálculos del estudio", "Crea un estudio"}));
    }

    // F1 on a highlighted item opens its topic, or its menu's when it has none.
    void f1_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("context");
        QTest::newRow("item's topic") << "Archivo"
                                      << "Nuevo" << 2;
        QTest::newRow("menu's topic") << "Imprimir"
                                      << "Oculto" << 7;
        QTest::newRow("nothing highlighted") << "Calculos"
                                             << "" << 10;
    }
    void f1() {
        QFETCH(QString, menu);
        QFETCH(QString, item);
        Built b;
        QMenu* m = b.menu(menu);
        m->setActiveAction(item.isEmpty() ? nullptr : b.action(item));
        QTest::keyClick(m, Qt::Key_F1);
        QFETCH(int, context);
        QCOMPARE(b.helpAsked, QList<int>{context});
    }
};

QTEST_MAIN(TestCommandBuilder)
#include "tst_commandbuilder.moc"
