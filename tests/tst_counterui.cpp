// The counting dialog's widget tree, properties, texts, style sheets and the
// connections its setupUi makes by object name.

#include "counterui.h"
#include "layoutnames.h"
#include "widgetchecks.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

// Stands in for the real dialog with the same slot names and records which
// slot each click reaches.
class SlotRecorder : public QDialog
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

class TestCounterUi : public QObject
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
    void sizes_data();
    void sizes();
    void label();
    void numberDisplay();
    void texts_data();
    void texts();
    void styleSheets_data();
    void styleSheets();
    void clicksReachTheirSlot_data();
    void clicksReachTheirSlot();
    void valueChangedSlotIsNotConnectedByName();

private:
    SlotRecorder *dialog = nullptr;
    CounterUi ui;
};

void TestCounterUi::init()
{
    dialog = new SlotRecorder;
    ui.setupUi(dialog);
}

void TestCounterUi::cleanup()
{
    delete dialog;
    dialog = nullptr;
}

void TestCounterUi::objectNameRule_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unnamed") << QString() << QStringLiteral("Counter");
    QTest::newRow("named") << QStringLiteral("mine") << QStringLiteral("mine");
}

void TestCounterUi::objectNameRule()
{
    QFETCH(QString, preset);
    QFETCH(QString, expected);
    QDialog other;
    other.setObjectName(preset);
    CounterUi otherUi;
    otherUi.setupUi(&other);
    QCOMPARE(other.objectName(), expected);
    QCOMPARE(other.size(), QSize(378, 388));
}

void TestCounterUi::widgetTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::newRow("verticalLayout") << "verticalLayout"
                                    << "QVBoxLayout"
                                    << "Counter";
    QTest::newRow("label") << "label"
                           << "QLabel"
                           << "Counter";
    QTest::newRow("lcdNumber") << "lcdNumber"
                               << "QLCDNumber"
                               << "Counter";
    for (const char *layout : {"horizontalLayout", "horizontalLayout_2", "horizontalLayout_3"})
        QTest::newRow(layout) << layout << "QHBoxLayout"
                              << "verticalLayout";
    for (const char *button : {"btnPlus", "btnMinus", "btnReset", "btnBack"})
        QTest::newRow(button) << button << "QPushButton"
                              << "Counter";
}

void TestCounterUi::widgetTree()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    verifyObject(dialog, name, className, parentName);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(dialog->layout(), ui.verticalLayout);
}

void TestCounterUi::layouts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("verticalLayout") << "verticalLayout"
                                    << QStringList{"label", "horizontalLayout_2", "lcdNumber",
                                                   "horizontalLayout_3", "horizontalLayout"};
    QTest::newRow("horizontalLayout_2") << "horizontalLayout_2" << QStringList{"btnPlus"};
    QTest::newRow("horizontalLayout_3") << "horizontalLayout_3" << QStringList{"btnMinus"};
    QTest::newRow("horizontalLayout") << "horizontalLayout" << QStringList{"btnReset", "btnBack"};
}

void TestCounterUi::layouts()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    const auto *layout = dialog->findChild<QLayout *>(name);
    QVERIFY(layout);
    QCOMPARE(layoutItemNames(layout), items);
    // Nothing is set: the style's defaults, as a fresh layout of the same
    // nesting has them.
    QDialog holder;
    auto *freshTop = new QVBoxLayout(&holder);
    auto *freshRow = new QHBoxLayout();
    freshTop->addLayout(freshRow);
    const QLayout *fresh =
        layout == ui.verticalLayout ? static_cast<QLayout *>(freshTop) : freshRow;
    QCOMPARE(layout->contentsMargins(), fresh->contentsMargins());
    QCOMPARE(layout->spacing(), fresh->spacing());
}

void TestCounterUi::sizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");
    const int preferred = QSizePolicy::Preferred;
    const int minimum = QSizePolicy::Minimum;
    const QSize none(0, 0);
    const QSize unbounded(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QTest::newRow("label") << "label" << preferred << int(QSizePolicy::Fixed) << none << unbounded;
    QTest::newRow("lcdNumber") << "lcdNumber" << minimum << preferred << none << unbounded;
    for (const char *button : {"btnPlus", "btnMinus"})
        QTest::newRow(button) << button << preferred << preferred << QSize(75, 75)
                              << QSize(256, 256);
    for (const char *button : {"btnReset", "btnBack"})
        QTest::newRow(button) << button << minimum << preferred << none
                              << QSize(QWIDGETSIZE_MAX, 75);
}

void TestCounterUi::sizes()
{
    QFETCH(QString, name);
    QFETCH(int, horizontal);
    QFETCH(int, vertical);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);
    auto *widget = dialog->findChild<QWidget *>(name);
    verifySizeLimits(widget, horizontal, vertical, minimum, maximum);
    if (QTest::currentTestFailed())
        return;

    // However large or small the dialog, the limits hold once laid out.
    for (const QSize dialogSize : {QSize(1600, 1600), QSize(120, 120)}) {
        dialog->resize(dialogSize);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCoreApplication::processEvents();
        QVERIFY(widget->width() <= maximum.width() && widget->height() <= maximum.height());
        QVERIFY(widget->width() >= minimum.width() && widget->height() >= minimum.height());
    }
}

void TestCounterUi::label()
{
    QVERIFY(!ui.label->wordWrap());
    QCOMPARE(ui.label->styleSheet(), QStringLiteral("color: rgb(0, 170, 0);"));
    // One line whatever the width: the height does not depend on it.
    dialog->resize(120, 400);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(ui.label->height(), ui.label->sizeHint().height());
}

void TestCounterUi::numberDisplay()
{
    QCOMPARE(ui.lcdNumber->intValue(), 0);
    QCOMPARE(ui.lcdNumber->value(), 0.0);
    // Qt's defaults: five digits, decimal, outlined segments.
    const QLCDNumber fresh;
    QCOMPARE(ui.lcdNumber->digitCount(), fresh.digitCount());
    QCOMPARE(ui.lcdNumber->digitCount(), 5);
    QCOMPARE(ui.lcdNumber->mode(), fresh.mode());
    QCOMPARE(ui.lcdNumber->segmentStyle(), fresh.segmentStyle());
    // A six-digit count overflows the display; nothing widens it.
    QSignalSpy overflow(ui.lcdNumber, &QLCDNumber::overflow);
    ui.lcdNumber->display(100000);
    QCOMPARE(overflow.count(), 1);
    QCOMPARE(ui.lcdNumber->digitCount(), 5);
}

void TestCounterUi::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNull");
    QTest::newRow("label") << "label"
                           << "You can also use key A to decrease, key L to increase" << false;
    QTest::newRow("btnPlus") << "btnPlus"
                             << "" << true;
    QTest::newRow("btnMinus") << "btnMinus"
                              << "" << true;
    QTest::newRow("btnReset") << "btnReset"
                              << "Reset" << false;
    QTest::newRow("btnBack") << "btnBack"
                             << "Back" << false;
}

void TestCounterUi::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, isNull);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Dialog"));
    const QObject *widget = dialog->findChild<QObject *>(name);
    QVERIFY(widget);
    const QString shown = widget->property("text").toString();
    QCOMPARE(shown, text);
    QCOMPARE(shown.isEmpty(), isNull);
}

void TestCounterUi::styleSheets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("styleSheet");
    QTest::newRow("dialog")
        << "Counter"
        << "QPushButton\n{\n\tbackground-color: qlineargradient(spread:pad, x1:0.13, "
           "y1:0.295455, x2:1, y2:0, stop:0 rgba(0, 116, 0, 255), stop:1 rgba(88, 255, 102, "
           "255));\n\tborder-radius: 10px;\n\tcolor: rgb(255, 255, 0);\n\tborder-color: rgb(255, "
           "255, 0);\n border-width: 1px;\n border-style: solid;\n}\nbackground-color: rgb(255, "
           "255, 255);";
    QTest::newRow("label") << "label"
                           << "color: rgb(0, 170, 0);";
    QTest::newRow("btnPlus") << "btnPlus"
                             << "border-image: url(:/new/images/images/Button-Add-icon.png);";
    QTest::newRow("lcdNumber") << "lcdNumber"
                               << "color: rgb(0, 170, 0);\nborder-color: rgb(0, 170, 0);";
    QTest::newRow("btnMinus")
        << "btnMinus"
        << "border-image: url(:/new/images/images/Actions-list-remove-icon.png);";
    QTest::newRow("btnReset") << "btnReset"
                              << "";
    QTest::newRow("btnBack") << "btnBack"
                             << "";
}

void TestCounterUi::styleSheets()
{
    QFETCH(QString, name);
    QFETCH(QString, styleSheet);
    const QWidget *widget =
        name == QLatin1String("Counter") ? dialog : dialog->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->styleSheet(), styleSheet);
}

void TestCounterUi::clicksReachTheirSlot_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("slot");
    QTest::newRow("btnBack") << "btnBack"
                             << "back";
    QTest::newRow("btnPlus") << "btnPlus"
                             << "plus";
    QTest::newRow("btnMinus") << "btnMinus"
                              << "minus";
    QTest::newRow("btnReset") << "btnReset"
                              << "reset";
}

void TestCounterUi::clicksReachTheirSlot()
{
    QFETCH(QString, name);
    QFETCH(QString, slot);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto *button = dialog->findChild<QPushButton *>(name);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(dialog->calls, QStringList{slot});
}

void TestCounterUi::valueChangedSlotIsNotConnectedByName()
{
    emit dialog->valueChanged();
    QVERIFY(dialog->calls.isEmpty());
}

QTEST_MAIN(TestCounterUi)
#include "tst_counterui.moc"
