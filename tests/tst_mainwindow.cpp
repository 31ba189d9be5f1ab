// The whole program in one process: the phrase list, its buttons, counting
// through the dialog and the phrase file after every change. Runs with a
// private, empty /home/user (see with-private-home.sh).

#include "bytes.h"
#include "mainwindow.h"
#include "warningcatcher.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QInputDialog>
#include <QLCDNumber>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace TestBytes;

namespace {

const QString kPath = QStringLiteral("/home/user/varizezCount.bin");

QByteArray fileOf(const QList<QPair<QString, int>> &records)
{
    QByteArray bytes = be32(quint32(records.size()));
    for (const auto &r : records)
        bytes += record(r.first, r.second);
    return bytes;
}

using Records = QList<QPair<QString, int>>;

} // namespace

class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartSeedsWithoutWriting();
    void loadsStoredList_data();
    void loadsStoredList();
    void chosenState();
    void add_data();
    void add();
    void removeKeepsListAndFileInStep();
    void removingTheOnlyPhrase();
    void startAndBackRewritesFile();
    void roadOfOneCount();
    void noCurrentRowIsIgnored_data();
    void noCurrentRowIsIgnored();
    void removingThePhraseBeingCounted();
    void about();
    void moreApps();
    void exitEndsLoopWithoutWriting();
    void failedSaveWarnsAndKeepsGoing();

private:
    QListWidget *list() const
    {
        return window->findChild<QListWidget *>(QStringLiteral("listWidget"));
    }
    QPushButton *button(const char *name) const
    {
        return window->findChild<QPushButton *>(QLatin1String(name));
    }
    QWidget *counterDialog() const;
    // Builds the main window, as at start-up, and shows it.
    void showWindow();
    // Clicks a row, then Start; returns the counting dialog.
    QWidget *startCounting(int row);
    QStringList rows() const;
    void clickRow(int row);
    // Answers the next input dialog with text, or cancels it.
    void answerInput(const QString &text, bool accept);

    MainWindow *window = nullptr;
    QString inputTitle;
    QString inputLabel;
};

void TestMainWindow::initTestCase()
{
    // Guard against ever running on a real home directory.
    QVERIFY2(QDir(QStringLiteral("/home/user"))
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                 .isEmpty(),
             "expects an empty private /home/user");
}

void TestMainWindow::init()
{
    QFile::remove(kPath);
}

void TestMainWindow::cleanup()
{
    delete window;
    window = nullptr;
    QFile::remove(kPath);
    QDir().mkpath(QStringLiteral("/home/user"));
}

void TestMainWindow::showWindow()
{
    window = new MainWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

QWidget *TestMainWindow::startCounting(int row)
{
    clickRow(row);
    QTest::mouseClick(button("btnStart"), Qt::LeftButton);
    return counterDialog();
}

QWidget *TestMainWindow::counterDialog() const
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits("Counter"))
            return widget;
    return nullptr;
}

QStringList TestMainWindow::rows() const
{
    QStringList texts;
    for (int i = 0; i < list()->count(); ++i)
        texts << list()->item(i)->text();
    return texts;
}

void TestMainWindow::clickRow(int row)
{
    QListWidgetItem *item = list()->item(row);
    QVERIFY(item);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list()->visualItemRect(item).center());
}

void TestMainWindow::answerInput(const QString &text, bool accept)
{
    QTimer::singleShot(0, this, [=] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        inputTitle = dialog->windowTitle();
        inputLabel = dialog->labelText();
        dialog->setTextValue(text);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

void TestMainWindow::firstStartSeedsWithoutWriting()
{
    window = new MainWindow;
    window->show();
    QCOMPARE(rows(), (QStringList{"AllahuAkbar", "SubhannAllah"}));
    QVERIFY(!button("btnStart")->isEnabled());
    QVERIFY(!button("btnRemove")->isEnabled());
    QVERIFY(!QFile::exists(kPath));
    QVERIFY(counterDialog());
    QVERIFY(!counterDialog()->isVisible());
}

void TestMainWindow::loadsStoredList_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("worked example")
        << workedExample() << QStringList{"AllahuAkbar", "SubhannAllah"};
    QTest::newRow("zero records") << hex("00000000") << QStringList{};
    QTest::newRow("zero bytes") << QByteArray() << QStringList{};
    QTest::newRow("three records")
        << fileOf({{"a", 1}, {"b", 2}, {"c", 3}}) << QStringList{"a", "b", "c"};
    // A file cut short loads as far as it goes; the missing record is empty.
    QTest::newRow("second record missing")
        << hex("00000002") + fileOf({{"a", 1}}).mid(4) << QStringList{"a", ""};
}

void TestMainWindow::loadsStoredList()
{
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, expected);
    QVERIFY(writeAll(kPath, stored));
    window = new MainWindow;
    QCOMPARE(rows(), expected);
    // Reading never writes.
    QCOMPARE(readAll(kPath), stored);
}

void TestMainWindow::chosenState()
{
    showWindow();
    if (QTest::currentTestFailed())
        return;
    clickRow(1);
    QVERIFY(button("btnStart")->isEnabled());
    QVERIFY(button("btnRemove")->isEnabled());
    // Removing one of two keeps the chosen state.
    QTest::mouseClick(button("btnRemove"), Qt::LeftButton);
    QCOMPARE(rows(), QStringList{"AllahuAkbar"});
    QVERIFY(button("btnStart")->isEnabled());
    QVERIFY(button("btnRemove")->isEnabled());
}

void TestMainWindow::add_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("added");
    QTest::newRow("typed") << "La ilaha illallah" << true << true;
    QTest::newRow("cancelled") << "La ilaha illallah" << false << false;
    QTest::newRow("empty") << "" << true << false;
    QTest::newRow("spaces only") << "   " << true << true;
    QTest::newRow("duplicate") << "AllahuAkbar" << true << true;
    QTest::newRow("outside the BMP") << QString::fromUtf8("\U0001F4FF") << true << true;
}

void TestMainWindow::add()
{
    QFETCH(QString, text);
    QFETCH(bool, accept);
    QFETCH(bool, added);
    showWindow();
    if (QTest::currentTestFailed())
        return;
    answerInput(text, accept);
    QTest::mouseClick(button("btnAdd"), Qt::LeftButton);
    QCOMPARE(inputTitle, QStringLiteral("Enter varizez"));
    QCOMPARE(inputLabel, QStringLiteral("Enter varizez"));

    QStringList expected{"AllahuAkbar", "SubhannAllah"};
    if (added) {
        expected << text;
        QCOMPARE(readAll(kPath), fileOf({{"AllahuAkbar", 0}, {"SubhannAllah", 0}, {text, 0}}));
    } else {
        QVERIFY(!QFile::exists(kPath));
    }
    QCOMPARE(rows(), expected);
    QVERIFY(!button("btnStart")->isEnabled());
}

void TestMainWindow::removeKeepsListAndFileInStep()
{
    QVERIFY(writeAll(kPath, fileOf({{"a", 1}, {"b", 2}, {"c", 3}})));
    showWindow();
    if (QTest::currentTestFailed())
        return;
    clickRow(1);
    QTest::mouseClick(button("btnRemove"), Qt::LeftButton);
    QCOMPARE(rows(), (QStringList{"a", "c"}));
    QCOMPARE(readAll(kPath), fileOf({{"a", 1}, {"c", 3}}));
    // The rows moved up: Start on row 1 now counts "c".
    startCounting(1);
    QCOMPARE(counterDialog()->findChild<QLCDNumber *>()->intValue(), 3);
}

void TestMainWindow::removingTheOnlyPhrase()
{
    QVERIFY(writeAll(kPath, fileOf({{"only", 9}})));
    showWindow();
    if (QTest::currentTestFailed())
        return;
    clickRow(0);
    QTest::mouseClick(button("btnRemove"), Qt::LeftButton);
    QCOMPARE(rows(), QStringList());
    QVERIFY(!button("btnStart")->isEnabled());
    QVERIFY(!button("btnRemove")->isEnabled());
    QCOMPARE(readAll(kPath), hex("00000000"));

    // The next start finds the file: no seeds.
    delete window;
    window = new MainWindow;
    QCOMPARE(rows(), QStringList());
}

void TestMainWindow::startAndBackRewritesFile()
{
    showWindow();
    if (QTest::currentTestFailed())
        return;
    QWidget *dialog = startCounting(1);
    QVERIFY(dialog->isVisible());
    QTRY_VERIFY(dialog->windowState() & Qt::WindowFullScreen);
    QVERIFY(!dialog->isModal());
    QCOMPARE(readAll(kPath), fileOf({{"AllahuAkbar", 0}, {"SubhannAllah", 0}}));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnBack")), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(readAll(kPath), fileOf({{"AllahuAkbar", 0}, {"SubhannAllah", 0}}));
}

void TestMainWindow::roadOfOneCount()
{
    QVERIFY(writeAll(kPath, workedExample()));
    showWindow();
    if (QTest::currentTestFailed())
        return;
    QWidget *dialog = startCounting(1);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));

    // Each step reaches the file before the next one starts.
    const QList<QPair<const char *, int>> steps = {{"L", 34}, {"P", 35}, {"A", 34},
                                                   {"M", 33}, {"R", 0},  {"P", 1}};
    for (const auto &step : steps) {
        const QByteArray name(step.first);
        if (name == "L")
            QTest::keyClick(dialog, Qt::Key_L);
        else if (name == "A")
            QTest::keyClick(dialog, Qt::Key_A);
        else
            QTest::mouseClick(
                dialog->findChild<QPushButton *>(name == "P"   ? QStringLiteral("btnPlus")
                                                 : name == "M" ? QStringLiteral("btnMinus")
                                                               : QStringLiteral("btnReset")),
                Qt::LeftButton);
        QCOMPARE(readAll(kPath), fileOf({{"AllahuAkbar", 0}, {"SubhannAllah", step.second}}));
    }
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnBack")), Qt::LeftButton);
    QVERIFY(window->isVisible());
}

void TestMainWindow::noCurrentRowIsIgnored_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::newRow("Start") << "btnStart";
    QTest::newRow("Remove") << "btnRemove";
}

void TestMainWindow::noCurrentRowIsIgnored()
{
    QFETCH(QString, buttonName);
    showWindow();
    if (QTest::currentTestFailed())
        return;
    clickRow(0);
    list()->setCurrentRow(-1);
    QCOMPARE(list()->currentRow(), -1);
    QTest::mouseClick(window->findChild<QPushButton *>(buttonName), Qt::LeftButton);
    QCOMPARE(rows(), (QStringList{"AllahuAkbar", "SubhannAllah"}));
    QVERIFY(!QFile::exists(kPath));
    QVERIFY(!counterDialog()->isVisible());
}

void TestMainWindow::removingThePhraseBeingCounted()
{
    showWindow();
    if (QTest::currentTestFailed())
        return;
    QWidget *dialog = startCounting(0);
    QTest::keyClick(dialog, Qt::Key_L);
    QTest::keyClick(dialog, Qt::Key_Escape); // minimized, still counting
    QTRY_VERIFY(dialog->isMinimized());

    clickRow(0);
    QTest::mouseClick(button("btnRemove"), Qt::LeftButton);
    QCOMPARE(readAll(kPath), fileOf({{"SubhannAllah", 0}}));
    // Counting on in the dialog writes no freed record, and the removed
    // phrase stays out of the file.
    QTest::keyClick(dialog, Qt::Key_L);
    QCOMPARE(readAll(kPath), fileOf({{"SubhannAllah", 0}}));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnBack")), Qt::LeftButton);
}

void TestMainWindow::about()
{
    showWindow();
    if (QTest::currentTestFailed())
        return;
    QString shownText = QStringLiteral("not shown");
    QWidget *shownParent = window;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        shownText = box->text();
        shownParent = box->parentWidget();
        box->close();
    });
    QTest::mouseClick(button("btnAbout"), Qt::LeftButton);
    QCOMPARE(shownText, QString());
    QCOMPARE(shownParent, nullptr);
    QVERIFY(!QFile::exists(kPath));
}

void TestMainWindow::moreApps()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    showWindow();
    if (QTest::currentTestFailed())
        return;
    QTest::mouseClick(button("btnMoreApps"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls.first(), MainWindow::storePageUrl());
    QCOMPARE(catcher.urls.first().scheme(), QStringLiteral("http"));
    QCOMPARE(catcher.urls.first().path(), QStringLiteral("/publisher/Razarezar"));
    QVERIFY(!catcher.urls.first().host().isEmpty());
}

void TestMainWindow::exitEndsLoopWithoutWriting()
{
    QVERIFY(writeAll(kPath, workedExample()));
    showWindow();
    if (QTest::currentTestFailed())
        return;
    QTimer::singleShot(0, this, [this] { QTest::mouseClick(button("btnExit"), Qt::LeftButton); });
    // A guard in case Exit does nothing: the loop then ends with 99.
    QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(readAll(kPath), workedExample());
}

void TestMainWindow::failedSaveWarnsAndKeepsGoing()
{
    showWindow();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(QDir(QStringLiteral("/home/user")).removeRecursively());
    WarningCatcher catcher;
    answerInput(QStringLiteral("new"), true);
    QTest::mouseClick(button("btnAdd"), Qt::LeftButton);
    QCOMPARE(rows(), (QStringList{"AllahuAkbar", "SubhannAllah", "new"}));
    startCounting(2);
    QTest::keyClick(counterDialog(), Qt::Key_L);
    QCOMPARE(
        catcher.warnings().filter(QStringLiteral("cannot save /home/user/varizezCount.bin")).size(),
        1);
    QCOMPARE(counterDialog()->findChild<QLCDNumber *>()->intValue(), 1);

    // Once the directory is back, the next change saves everything.
    QVERIFY(QDir().mkpath(QStringLiteral("/home/user")));
    QTest::keyClick(counterDialog(), Qt::Key_L);
    QCOMPARE(readAll(kPath), fileOf({{"AllahuAkbar", 0}, {"SubhannAllah", 0}, {"new", 2}}));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
