// The two button images are compiled in and registered before main() runs.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QResource>
#include <QtTest>

namespace {

const char kAddImage[] = ":/new/images/images/Button-Add-icon.png";
const char kRemoveImage[] = ":/new/images/images/Actions-list-remove-icon.png";

// Filled in by main() before any application object exists.
bool g_openedBeforeApplication = false;
QImage g_addBeforeApplication;
QImage g_removeBeforeApplication;

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void availableBeforeAnyApplication();
    void listing_data();
    void listing();
    void images_data();
    void images();
};

void TestResources::availableBeforeAnyApplication()
{
    QVERIFY(g_openedBeforeApplication);
    QCOMPARE(g_addBeforeApplication.size(), QSize(256, 256));
    QCOMPARE(g_removeBeforeApplication.size(), QSize(256, 256));
    QVERIFY(g_addBeforeApplication.hasAlphaChannel());
    QVERIFY(g_removeBeforeApplication.hasAlphaChannel());
}

void TestResources::listing_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow(":/new") << QStringLiteral(":/new") << QStringList{QStringLiteral("images")};
    QTest::newRow(":/new/images") << QStringLiteral(":/new/images")
                                  << QStringList{QStringLiteral("images")};
    QTest::newRow(":/new/images/images")
        << QStringLiteral(":/new/images/images")
        << QStringList{QStringLiteral("Actions-list-remove-icon.png"),
                       QStringLiteral("Button-Add-icon.png")};
}

void TestResources::listing()
{
    QFETCH(QString, directory);
    QFETCH(QStringList, entries);
    const QDir dir(directory);
    QVERIFY(dir.exists());
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), entries);
}

void TestResources::images_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QPoint>("transparentPixel");
    QTest::addColumn<QPoint>("opaquePixel");
    // The disc leaves the corners clear; the bar leaves the top clear.
    QTest::newRow("add") << QString::fromLatin1(kAddImage) << QPoint(1, 1) << QPoint(128, 128);
    QTest::newRow("remove") << QString::fromLatin1(kRemoveImage) << QPoint(128, 10)
                            << QPoint(128, 128);
}

void TestResources::images()
{
    QFETCH(QString, path);
    QFETCH(QPoint, transparentPixel);
    QFETCH(QPoint, opaquePixel);

    const QResource resource(path);
    QVERIFY(resource.isValid());
#if QT_VERSION >= QT_VERSION_CHECK(5, 13, 0)
    // PNG data is compressed already; the collection stores it as it is.
    QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
#endif
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\x89PNG\r\n\x1a\n"));
    // Colour type 6 (RGBA), 8 bits per channel, not interlaced.
    QCOMPARE(int(quint8(bytes.at(24))), 8);
    QCOMPARE(int(quint8(bytes.at(25))), 6);
    QCOMPARE(int(quint8(bytes.at(28))), 0);

    const QImage image(path);
    QCOMPARE(image.size(), QSize(256, 256));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(transparentPixel)), 0);
    QCOMPARE(qAlpha(image.pixel(opaquePixel)), 255);
}

int main(int argc, char *argv[])
{
    g_openedBeforeApplication = QFile(QString::fromLatin1(kAddImage)).open(QIODevice::ReadOnly) &&
                                QFile(QString::fromLatin1(kRemoveImage)).open(QIODevice::ReadOnly);
    g_addBeforeApplication = QImage(QString::fromLatin1(kAddImage));
    g_removeBeforeApplication = QImage(QString::fromLatin1(kRemoveImage));

    QGuiApplication app(argc, argv);
    TestResources test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_resources.moc"
