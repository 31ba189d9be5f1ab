// The main window's widget tree, properties, texts, style sheet and the
// connections its setupUi makes by object name.

#include "layoutnames.h"
#include "mainwindowui.h"
#include "widgetchecks.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtTest>

// Stands in for the real window with the same slot names and records which
// slot each click reaches.
class SlotRecorder : public QMainWindow
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

class TestMainWindowUi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void objectNameRule_data();
    void objectNameRule();
    void widgetTree_data();
    void widgetTree();
    void layouts_data();
    void layouts();
    void noBars();
    void sizes_data();
    void sizes();
    void label();
    void listProperties();
    void listStartsNoEditor_data();
    void listStartsNoEditor();
    void listWrapsLongPhrases();
    void texts_data();
    void texts();
    void styleSheet();
    void clicksReachTheirSlot_data();
    void clicksReachTheirSlot();

private:
    SlotRecorder *window = nullptr;
    MainWindowUi ui;
};

void TestMainWindowUi::init()
{
    window = new SlotRecorder;
    ui.setupUi(window);
}

void TestMainWindowUi::cleanup()
{
    delete window;
    window = nullptr;
}

void TestMainWindowUi::objectNameRule_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unnamed") << QString() << QStringLiteral("MainWindow");
    QTest::newRow("named") << QStringLiteral("mine") << QStringLiteral("mine");
}

void TestMainWindowUi::objectNameRule()
{
    QFETCH(QString, preset);
    QFETCH(QString, expected);
    QMainWindow other;
    other.setObjectName(preset);
    MainWindowUi otherUi;
    otherUi.setupUi(&other);
    QCOMPARE(other.objectName(), expected);
    QCOMPARE(other.size(), QSize(287, 335));
}

void TestMainWindowUi::widgetTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    const QString central = QStringLiteral("centralWidget");
    QTest::newRow("centralWidget") << central << "QWidget"
                                   << "MainWindow";
    QTest::newRow("verticalLayout") << "verticalLayout"
                                    << "QVBoxLayout" << central;
    QTest::newRow("label") << "label"
                           << "QLabel" << central;
    QTest::newRow("listWidget") << "listWidget"
                                << "QListWidget" << central;
    QTest::newRow("horizontalLayout") << "horizontalLayout"
                                      << "QHBoxLayout"
                                      << "verticalLayout";
    QTest::newRow("horizontalLayout_2") << "horizontalLayout_2"
                                        << "QHBoxLayout"
                                        << "verticalLayout";
    for (const char *button :
         {"btnAdd", "btnStart", "btnRemove", "btnExit", "btnMoreApps", "btnAbout"})
        QTest::newRow(button) << button << "QPushButton" << central;
}

void TestMainWindowUi::widgetTree()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    verifyObject(window, name, className, parentName);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(window->centralWidget(), ui.centralWidget);
    QCOMPARE(ui.centralWidget->layout(), ui.verticalLayout);
}

void TestMainWindowUi::layouts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QString>("margins");
    QTest::newRow("verticalLayout")
        << "verticalLayout"
        << QStringList{"label", "listWidget", "horizontalLayout", "horizontalLayout_2"} << 6
        << "11 11 11 11";
    // The button rows keep the default margins of a nested layout: none.
    QTest::newRow("horizontalLayout")
        << "horizontalLayout" << QStringList{"btnAdd", "btnStart", "btnRemove"} << 6 << "0 0 0 0";
    QTest::newRow("horizontalLayout_2")
        << "horizontalLayout_2" << QStringList{"btnExit", "btnMoreApps", "btnAbout"} << 6
        << "0 0 0 0";
}

void TestMainWindowUi::layouts()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    QFETCH(int, spacing);
    QFETCH(QString, margins);
    const auto *layout = window->findChild<QLayout *>(name);
    QVERIFY(layout);
    QCOMPARE(layoutItemNames(layout), items);
    QCOMPARE(layout->spacing(), spacing);
    const QMargins m = layout->contentsMargins();
    QCOMPARE(
        QStringLiteral("%1 %2 %3 %4").arg(m.left()).arg(m.top()).arg(m.right()).arg(m.bottom()),
        margins);
}

void TestMainWindowUi::noBars()
{
    QCOMPARE(window->menuWidget(), nullptr);
    QVERIFY(window->findChildren<QMenuBar *>().isEmpty());
    QVERIFY(window->findChildren<QStatusBar *>().isEmpty());
    QVERIFY(window->findChildren<QToolBar *>().isEmpty());
}

void TestMainWindowUi::sizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<QSize>("maximum");
    const int preferred = QSizePolicy::Preferred;
    const int minimum = QSizePolicy::Minimum;
    const QSize bounded(QWIDGETSIZE_MAX, 75);
    const QSize unbounded(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QTest::newRow("label") << "label" << preferred << int(QSizePolicy::Fixed) << unbounded;
    QTest::newRow("listWidget") << "listWidget" << preferred << preferred << unbounded;
    for (const char *button : {"btnAdd", "btnStart", "btnRemove", "btnExit", "btnAbout"})
        QTest::newRow(button) << button << minimum << preferred << bounded;
    QTest::newRow("btnMoreApps") << "btnMoreApps" << minimum << preferred << unbounded;
}

void TestMainWindowUi::sizes()
{
    QFETCH(QString, name);
    QFETCH(int, horizontal);
    QFETCH(int, vertical);
    QFETCH(QSize, maximum);
    const auto *widget = window->findChild<QWidget *>(name);
    verifySizeLimits(widget, horizontal, vertical, QSize(0, 0), maximum);
    if (QTest::currentTestFailed())
        return;

    // Laid out in a tall window, no bounded button grows past its maximum.
    window->resize(600, 900);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(widget->height() <= maximum.height());
}

void TestMainWindowUi::label()
{
    QVERIFY(ui.label->wordWrap());
    QCOMPARE(ui.label->styleSheet(), QStringLiteral("color: rgb(0, 170, 0);"));
    // Narrower than its text, the label takes more lines.
    QVERIFY(ui.label->heightForWidth(60) > ui.label->heightForWidth(1000));
}

void TestMainWindowUi::listProperties()
{
    QCOMPARE(ui.listWidget->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(ui.listWidget->showDropIndicator(), false);
    QVERIFY(ui.listWidget->alternatingRowColors());
    QCOMPARE(ui.listWidget->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(ui.listWidget->wordWrap());
    QCOMPARE(ui.listWidget->count(), 0);
}

void TestMainWindowUi::listStartsNoEditor_data()
{
    QTest::addColumn<int>("gesture");
    QTest::newRow("double click") << 0;
    QTest::newRow("click on selected") << 1;
    QTest::newRow("F2") << 2;
    QTest::newRow("typing") << 3;
}

void TestMainWindowUi::listStartsNoEditor()
{
    QFETCH(int, gesture);
    // Items that would be editable if the view allowed it.
    auto *item = new QListWidgetItem(QStringLiteral("AllahuAkbar"), ui.listWidget);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QWidget *viewport = ui.listWidget->viewport();
    const QPoint at = ui.listWidget->visualItemRect(item).center();
    ui.listWidget->setFocus();
    switch (gesture) {
    case 0:
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        break;
    case 1:
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        break;
    case 2:
        ui.listWidget->setCurrentItem(item);
        QTest::keyClick(ui.listWidget, Qt::Key_F2);
        break;
    default:
        ui.listWidget->setCurrentItem(item);
        QTest::keyClicks(ui.listWidget, QStringLiteral("x"));
        break;
    }
    QTest::qWait(50);
    QVERIFY(ui.listWidget->findChildren<QLineEdit *>().isEmpty());
    QCOMPARE(item->text(), QStringLiteral("AllahuAkbar"));
}

void TestMainWindowUi::listWrapsLongPhrases()
{
    auto *shortItem = new QListWidgetItem(QStringLiteral("Short"), ui.listWidget);
    QString longText;
    for (int i = 0; i < 30; ++i)
        longText += QStringLiteral("SubhannAllah ");
    auto *longItem = new QListWidgetItem(longText, ui.listWidget);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY(ui.listWidget->visualItemRect(longItem).height() >
                2 * ui.listWidget->visualItemRect(shortItem).height());

    // A click selects the whole row.
    QTest::mouseClick(ui.listWidget->viewport(), Qt::LeftButton, Qt::NoModifier,
                      ui.listWidget->visualItemRect(shortItem).center());
    QCOMPARE(ui.listWidget->selectedItems(), QList<QListWidgetItem *>{shortItem});
}

void TestMainWindowUi::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("label") << "label"
                           << "Click on a dua below, and then on Start";
    QTest::newRow("btnAdd") << "btnAdd"
                            << "Add";
    QTest::newRow("btnStart") << "btnStart"
                              << "Start";
    QTest::newRow("btnRemove") << "btnRemove"
                               << "Remove";
    QTest::newRow("btnExit") << "btnExit"
                             << "Exit";
    QTest::newRow("btnMoreApps") << "btnMoreApps"
                                 << "More Apps!";
    QTest::newRow("btnAbout") << "btnAbout"
                              << "About";
}

void TestMainWindowUi::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(window->windowTitle(), QStringLiteral("Varizez"));
    const QObject *widget = window->findChild<QObject *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->property("text").toString(), text);
}

void TestMainWindowUi::styleSheet()
{
    const QString expected = QString::fromLatin1(
        "QPushButton\n{\n\tbackground-color: qlineargradient(spread:pad, x1:0.13, "
        "y1:0.295455, x2:1, y2:0, stop:0 rgba(0, 116, 0, 255), stop:1 rgba(88, 255, 102, "
        "255));\n\tborder-radius: 10px;\nborder-width: 1px;\n border-style: "
        "solid;\n\tcolor: rgb(255, 255, 0);\n\tborder-color: rgb(255, 255, 0);\n "
        "\n}\nbackground-color: rgb(255, 255, 255);\nQListWidget\n{\n\tcolor: rgb(0, 170, "
        "0);\n\tborder-color: rgb(0, 170, 0);\nborder-width: 1px;\n border-style: solid;\n}");
    QCOMPARE(window->styleSheet(), expected);
    // No widget carries a sheet of its own but the label.
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget != ui.label)
            QCOMPARE(widget->styleSheet(), QString());
    }
}

void TestMainWindowUi::clicksReachTheirSlot_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("slot");
    QTest::newRow("btnExit") << "btnExit"
                             << "exit";
    QTest::newRow("btnAdd") << "btnAdd"
                            << "add";
    QTest::newRow("btnRemove") << "btnRemove"
                               << "remove";
    QTest::newRow("btnStart") << "btnStart"
                              << "start";
    QTest::newRow("btnAbout") << "btnAbout"
                              << "about";
    QTest::newRow("btnMoreApps") << "btnMoreApps"
                                 << "moreApps";
    QTest::newRow("listWidget item") << "listWidget"
                                     << "item";
}

void TestMainWindowUi::clicksReachTheirSlot()
{
    QFETCH(QString, name);
    QFETCH(QString, slot);
    auto *item = new QListWidgetItem(QStringLiteral("AllahuAkbar"), ui.listWidget);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (name == QLatin1String("listWidget")) {
        QTest::mouseClick(ui.listWidget->viewport(), Qt::LeftButton, Qt::NoModifier,
                          ui.listWidget->visualItemRect(item).center());
    } else {
        auto *button = window->findChild<QPushButton *>(name);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(window->calls, QStringList{slot});
}

QTEST_MAIN(TestMainWindowUi)
#include "tst_mainwindowui.moc"
