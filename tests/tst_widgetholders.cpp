// Both windows' widget holders: trees, layouts, texts, style sheets
// and the connections setupUi makes by object name. Each row names the
// window ("main" or "counter") and an object in it.

#include "counterui.h"
#include "layoutnames.h"
#include "mainwindowui.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QtTest>

// Stand-ins for the real windows with the same slot names; they record
// which slot each click reaches.
class MainRecorder : public QMainWindow
{
    Q_OBJECT
public:
    QStringList calls;
private slots:
    void on_btnExit_clicked() { calls << QStringLiteral("exit"); }
    void on_listWidget_itemClicked(QListWidgetItem *) { calls << QStringLiteral("item"); }
    void on_btnAdd_clicked() { calls << QStringLiteral("add"); }
    void on_btnRemove_clicked() { calls << QStringLiteral("remove"); }
    void on_btnStart_clicked() { calls << QStringLiteral("start"); }
    void saveToFile() { calls << QStringLiteral("save"); }
    void on_btnAbout_clicked() { calls << QStringLiteral("about"); }
    void on_btnMoreApps_clicked() { calls << QStringLiteral("moreApps"); }
};

class CounterRecorder : public QDialog
{
    Q_OBJECT
public:
    QStringList calls;
signals:
    void valueChanged();
private slots:
    void on_btnBack_clicked() { calls << QStringLiteral("back"); }
    void on_btnPlus_clicked() { calls << QStringLiteral("plus"); }
    void on_btnMinus_clicked() { calls << QStringLiteral("minus"); }
    void on_btnReset_clicked() { calls << QStringLiteral("reset"); }
    void on_valueChanged() { calls << QStringLiteral("valueChanged"); }
};

class TestWidgetHolders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void objectNameRule();
    void widgetTree_data();
    void widgetTree();
    void layouts_data();
    void layouts();
    void texts_data();
    void texts();
    void styleSheets_data();
    void styleSheets();
    void clicksReachTheirSlot_data();
    void clicksReachTheirSlot();
    void listStartsNoEditor();
    void listWrapsAndSelectsRows();

private:
    QWidget *window(const QString &which) const
    {
        return which == QLatin1String("main") ? static_cast<QWidget *>(main) : counter;
    }
    // The window itself for an empty name, else its child of that name.
    QObject *object(const QString &which, const QString &name) const
    {
        QWidget *w = window(which);
        return name.isEmpty() ? w : w->findChild<QObject *>(name);
    }
    void showAndWait(QWidget *w)
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    MainRecorder *main = nullptr;
    CounterRecorder *counter = nullptr;
    MainWindowUi mainUi;
    CounterUi counterUi;
};

void TestWidgetHolders::init()
{
    main = new MainRecorder;
    mainUi.setupUi(main);
    counter = new CounterRecorder;
    counterUi.setupUi(counter);
}

void TestWidgetHolders::cleanup()
{
    delete main;
    delete counter;
}

void TestWidgetHolders::objectNameRule()
{
    QCOMPARE(main->objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(main->size(), QSize(287, 335));
    QCOMPARE(counter->objectName(), QStringLiteral("Counter"));
    QCOMPARE(counter->size(), QSize(378, 388));
    // A name given before setupUi stays.
    QMainWindow namedMain;
    namedMain.setObjectName(QStringLiteral("mine"));
    MainWindowUi().setupUi(&namedMain);
    QDialog namedDialog;
    namedDialog.setObjectName(QStringLiteral("mine"));
    CounterUi().setupUi(&namedDialog);
    QCOMPARE(namedMain.objectName(), QStringLiteral("mine"));
    QCOMPARE(namedDialog.objectName(), QStringLiteral("mine"));
}

void TestWidgetHolders::widgetTree_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    const QString central = QStringLiteral("centralWidget");
    QTest::newRow("main centralWidget") << "main" << central << "QWidget"
                                        << "MainWindow";
    QTest::newRow("main verticalLayout") << "main"
                                         << "verticalLayout"
                                         << "QVBoxLayout" << central;
    QTest::newRow("main label") << "main"
                                << "label"
                                << "QLabel" << central;
    QTest::newRow("main listWidget") << "main"
                                     << "listWidget"
                                     << "QListWidget" << central;
    for (const char *row : {"horizontalLayout", "horizontalLayout_2"})
        QTest::addRow("main %s", row) << "main" << row << "QHBoxLayout"
                                      << "verticalLayout";
    for (const char *b : {"btnAdd", "btnStart", "btnRemove", "btnExit", "btnMoreApps", "btnAbout"})
        QTest::addRow("main %s", b) << "main" << b << "QPushButton" << central;
    QTest::newRow("counter verticalLayout") << "counter"
                                            << "verticalLayout"
                                            << "QVBoxLayout"
                                            << "Counter";
    QTest::newRow("counter label") << "counter"
                                   << "label"
                                   << "QLabel"
                                   << "Counter";
    QTest::newRow("counter lcdNumber") << "counter"
                                       << "lcdNumber"
                                       << "QLCDNumber"
                                       << "Counter";
    for (const char *row : {"horizontalLayout", "horizontalLayout_2", "horizontalLayout_3"})
        QTest::addRow("counter %s", row) << "counter" << row << "QHBoxLayout"
                                         << "verticalLayout";
    for (const char *b : {"btnPlus", "btnMinus", "btnReset", "btnBack"})
        QTest::addRow("counter %s", b) << "counter" << b << "QPushButton"
                                       << "Counter";
}

void TestWidgetHolders::widgetTree()
{
    QFETCH(QString, which);
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    const QList<QObject *> found = window(which)->findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    QVERIFY(found.first()->parent());
    QCOMPARE(found.first()->parent()->objectName(), parentName);
    QCOMPARE(main->centralWidget(), mainUi.centralWidget);
    QCOMPARE(mainUi.centralWidget->layout(), mainUi.verticalLayout);
    QCOMPARE(counter->layout(), counterUi.verticalLayout);
    QCOMPARE(main->menuWidget(), nullptr);
}

void TestWidgetHolders::layouts_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("main verticalLayout")
        << "main"
        << "verticalLayout"
        << QStringList{"label", "listWidget", "horizontalLayout", "horizontalLayout_2"};
    QTest::newRow("main horizontalLayout")
        << "main"
        << "horizontalLayout" << QStringList{"btnAdd", "btnStart", "btnRemove"};
    QTest::newRow("main horizontalLayout_2")
        << "main"
        << "horizontalLayout_2" << QStringList{"btnExit", "btnMoreApps", "btnAbout"};
    QTest::newRow("counter verticalLayout")
        << "counter"
        << "verticalLayout"
        << QStringList{"label", "horizontalLayout_2", "lcdNumber", "horizontalLayout_3",
                       "horizontalLayout"};
    QTest::newRow("counter horizontalLayout_2") << "counter"
                                                << "horizontalLayout_2" << QStringList{"btnPlus"};
    QTest::newRow("counter horizontalLayout_3") << "counter"
                                                << "horizontalLayout_3" << QStringList{"btnMinus"};
    QTest::newRow("counter horizontalLayout")
        << "counter"
        << "horizontalLayout" << QStringList{"btnReset", "btnBack"};
}

void TestWidgetHolders::layouts()
{
    QFETCH(QString, which);
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    const auto *layout = window(which)->findChild<QLayout *>(name);
    QVERIFY(layout);
    QCOMPARE(layoutItemNames(layout), items);
}

void TestWidgetHolders::texts_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text"); // a null text where the button shows none
    QTest::newRow("main title") << "main"
                                << ""
                                << "Varizez";
    QTest::newRow("main label") << "main"
                                << "label"
                                << "Click on a dua below, and then on Start";
    for (const char *b : {"Add", "Start", "Remove", "Exit", "About"})
        QTest::addRow("main %s", b)
            << "main" << QStringLiteral("btn%1").arg(QLatin1String(b)) << QString::fromLatin1(b);
    QTest::newRow("main btnMoreApps") << "main"
                                      << "btnMoreApps"
                                      << "More Apps!";
    QTest::newRow("counter title") << "counter"
                                   << ""
                                   << "Dialog";
    QTest::newRow("counter label") << "counter"
                                   << "label"
                                   << "You can also use key A to decrease, key L to increase";
    QTest::newRow("counter btnPlus") << "counter"
                                     << "btnPlus" << QString();
    QTest::newRow("counter btnMinus") << "counter"
                                      << "btnMinus" << QString();
    QTest::newRow("counter btnReset") << "counter"
                                      << "btnReset"
                                      << "Reset";
    QTest::newRow("counter btnBack") << "counter"
                                     << "btnBack"
                                     << "Back";
}

void TestWidgetHolders::texts()
{
    QFETCH(QString, which);
    QFETCH(QString, name);
    QFETCH(QString, text);
    const QObject *o = object(which, name);
    QVERIFY(o);
    QCOMPARE(o->property(name.isEmpty() ? "windowTitle" : "text").toString(), text);
}

void TestWidgetHolders::styleSheets_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("styleSheet");
    QTest::newRow("main window")
        << "main"
        << ""
        << "QPushButton\n{\n\tbackground-color: qlineargradient(spread:pad, x1:0.13, "
           "y1:0.295455, x2:1, y2:0, stop:0 rgba(0, 116, 0, 255), stop:1 rgba(88, 255, 102, "
           "255));\n\tborder-radius: 10px;\nborder-width: 1px;\n border-style: "
           "solid;\n\tcolor: rgb(255, 255, 0);\n\tborder-color: rgb(255, 255, 0);\n "
           "\n}\nbackground-color: rgb(255, 255, 255);\nQListWidget\n{\n\tcolor: rgb(0, 170, "
           "0);\n\tborder-color: rgb(0, 170, 0);\nborder-width: 1px;\n border-style: solid;\n}";
    QTest::newRow("main label") << "main"
                                << "label"
                                << "color: rgb(0, 170, 0);";
    QTest::newRow("main listWidget") << "main"
                                     << "listWidget"
                                     << "";
    QTest::newRow("counter dialog")
        << "counter"
        << ""
        << "QPushButton\n{\n\tbackground-color: qlineargradient(spread:pad, x1:0.13, "
           "y1:0.295455, x2:1, y2:0, stop:0 rgba(0, 116, 0, 255), stop:1 rgba(88, 255, 102, "
           "255));\n\tborder-radius: 10px;\n\tcolor: rgb(255, 255, 0);\n\tborder-color: rgb(255, "
           "255, 0);\n border-width: 1px;\n border-style: solid;\n}\nbackground-color: rgb(255, "
           "255, 255);";
    QTest::newRow("counter label") << "counter"
                                   << "label"
                                   << "color: rgb(0, 170, 0);";
    QTest::newRow("counter btnPlus")
        << "counter"
        << "btnPlus"
        << "border-image: url(:/new/images/images/Button-Add-icon.png);";
    QTest::newRow("counter lcdNumber") << "counter"
                                       << "lcdNumber"
                                       << "color: rgb(0, 170, 0);\nborder-color: rgb(0, 170, 0);";
    QTest::newRow("counter btnMinus")
        << "counter"
        << "btnMinus"
        << "border-image: url(:/new/images/images/Actions-list-remove-icon.png);";
    QTest::newRow("counter btnReset") << "counter"
                                      << "btnReset"
                                      << "";
}

void TestWidgetHolders::styleSheets()
{
    QFETCH(QString, which);
    QFETCH(QString, name);
    QFETCH(QString, styleSheet);
    const auto *widget = qobject_cast<const QWidget *>(object(which, name));
    QVERIFY(widget);
    QCOMPARE(widget->styleSheet(), styleSheet);
}

void TestWidgetHolders::clicksReachTheirSlot_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("slot");
    const QList<QPair<const char *, const char *>> mainButtons = {
        {"btnExit", "exit"},   {"btnAdd", "add"},     {"btnRemove", "remove"},
        {"btnStart", "start"}, {"btnAbout", "about"}, {"btnMoreApps", "moreApps"},
        {"listWidget", "item"}};
    for (const auto &b : mainButtons)
        QTest::addRow("main %s", b.first) << "main" << b.first << b.second;
    const QList<QPair<const char *, const char *>> counterButtons = {
        {"btnBack", "back"}, {"btnPlus", "plus"}, {"btnMinus", "minus"}, {"btnReset", "reset"}};
    for (const auto &b : counterButtons)
        QTest::addRow("counter %s", b.first) << "counter" << b.first << b.second;
}

void TestWidgetHolders::clicksReachTheirSlot()
{
    QFETCH(QString, which);
    QFETCH(QString, name);
    QFETCH(QString, slot);
    auto *item = new QListWidgetItem(QStringLiteral("AllahuAkbar"), mainUi.listWidget);
    showAndWait(window(which));
    if (name == QLatin1String("listWidget"))
        QTest::mouseClick(mainUi.listWidget->viewport(), Qt::LeftButton, Qt::NoModifier,
                          mainUi.listWidget->visualItemRect(item).center());
    else
        QTest::mouseClick(qobject_cast<QWidget *>(object(which, name)), Qt::LeftButton);
    QCOMPARE(which == QLatin1String("main") ? main->calls : counter->calls, QStringList{slot});
    // valueChanged() is not connected by name: the dialog connects it itself.
    emit counter->valueChanged();
    QVERIFY(!counter->calls.contains(QStringLiteral("valueChanged")));
}

void TestWidgetHolders::listStartsNoEditor()
{
    QListWidget *list = mainUi.listWidget;
    QCOMPARE(list->showDropIndicator(), false);
    QVERIFY(list->alternatingRowColors());
    auto *item = new QListWidgetItem(QStringLiteral("AllahuAkbar"), list);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    showAndWait(main);
    const QPoint at = list->visualItemRect(item).center();
    list->setFocus();
    // Double click, click on the selected item, F2 and typing start no editor.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::keyClick(list, Qt::Key_F2);
    QTest::keyClicks(list, QStringLiteral("x"));
    QTest::qWait(50);
    QVERIFY(list->findChildren<QLineEdit *>().isEmpty());
    QCOMPARE(item->text(), QStringLiteral("AllahuAkbar"));
}

void TestWidgetHolders::listWrapsAndSelectsRows()
{
    QListWidget *list = mainUi.listWidget;
    auto *shortItem = new QListWidgetItem(QStringLiteral("Short"), list);
    auto *longItem = new QListWidgetItem(QStringLiteral("SubhannAllah ").repeated(30), list);
    showAndWait(main);
    QTRY_VERIFY(list->visualItemRect(longItem).height() >
                2 * list->visualItemRect(shortItem).height());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(shortItem).center());
    QCOMPARE(list->selectedItems(), QList<QListWidgetItem *>{shortItem});
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
}

QTEST_MAIN(TestWidgetHolders)
#include "tst_widgetholders.moc"
