#include "app/JpegDecoder.h"
#include "app/PictureHelpers.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

class TestPictureHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void isJpegFileName_data();
    void isJpegFileName();
    void fitPictureRect_data();
    void fitPictureRect();
    void fitPictureToImage_data();
    void fitPictureToImage();
    void fitPictureToImageEdgeCases();
    void loadMissingFile();
    void loadPicture_data();
    void loadPicture();
    void loadDamagedPicture_data();
    void loadDamagedPicture();
    void decodeDamagedJpegData();
    void decodeHugeJpeg();
};

namespace {

QString Picture(const char *name)
{
    return QStringLiteral(CURIODEX_TEST_DATA "/pictures/") + QLatin1String(name);
}

// Colours of solid pictures come back from JPEG within a few steps.
bool Near(QColor actual, QColor expected, int tolerance = 12)
{
    return qAbs(actual.red() - expected.red()) <= tolerance && qAbs(actual.green() - expected.green()) <= tolerance &&
           qAbs(actual.blue() - expected.blue()) <= tolerance;
}

} // namespace

void TestPictureHelpers::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestPictureHelpers::isJpegFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("expected");

    QTest::newRow("jpg") << "/p/coin.jpg" << true;
    QTest::newRow("JPG") << "/p/COIN.JPG" << true;
    QTest::newRow("jpeg") << "coin.jpeg" << true;
    QTest::newRow("Jpeg") << "coin.Jpeg" << true;
    QTest::newRow("png") << "coin.png" << false;
    QTest::newRow("jpg inside the name") << "coin.jpg.bmp" << false;
    QTest::newRow("no extension") << "jpg" << false;
    QTest::newRow("jpe") << "coin.jpe" << false;
}

void TestPictureHelpers::isJpegFileName()
{
    QFETCH(QString, path);
    QFETCH(bool, expected);
    QCOMPARE(IsJpegFileName(path), expected);
}

void TestPictureHelpers::fitPictureRect_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("wider: full width, centred vertically") << QSize(40, 20) << QSize(100, 100) << QRect(0, 25, 100, 50);
    QTest::newRow("taller: full height, centred horizontally")
        << QSize(20, 40) << QSize(100, 100) << QRect(25, 0, 50, 100);
    QTest::newRow("equal ratio fills the box") << QSize(200, 100) << QSize(100, 50) << QRect(0, 0, 100, 50);
    QTest::newRow("smaller picture is enlarged") << QSize(10, 5) << QSize(300, 100) << QRect(50, 0, 200, 100);
    QTest::newRow("1x1") << QSize(1, 1) << QSize(120, 80) << QRect(20, 0, 80, 80);
    // 100 * 2 / 3 = 66.67 rounds up; the remaining 33 pixels split 16 above, 17 below.
    QTest::newRow("height rounded to nearest") << QSize(3, 2) << QSize(100, 100) << QRect(0, 16, 100, 67);
    QTest::newRow("width rounded to nearest") << QSize(2, 3) << QSize(100, 100) << QRect(16, 0, 67, 100);
    QTest::newRow("half rounds up") << QSize(4, 1) << QSize(10, 10) << QRect(0, 3, 10, 3);
    QTest::newRow("odd margin truncated") << QSize(1, 1) << QSize(101, 50) << QRect(25, 0, 50, 50);
    QTest::newRow("products beyond 32 bits")
        << QSize(65000, 60000) << QSize(40000, 40000) << QRect(0, 1538, 40000, 36923);
    QTest::newRow("zero-size picture") << QSize(0, 0) << QSize(100, 100) << QRect();
    QTest::newRow("zero-height picture") << QSize(10, 0) << QSize(100, 100) << QRect();
    QTest::newRow("zero-width picture") << QSize(0, 10) << QSize(100, 100) << QRect();
    QTest::newRow("zero-size box") << QSize(10, 10) << QSize(0, 0) << QRect();
    QTest::newRow("zero-height box") << QSize(10, 10) << QSize(100, 0) << QRect();
}

void TestPictureHelpers::fitPictureRect()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, box);
    QFETCH(QRect, expected);
    QCOMPARE(FitPictureRect(picture, box), expected);
}

void TestPictureHelpers::fitPictureToImage_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("box");

    QTest::newRow("wide picture, bands above and below") << QSize(40, 20) << QSize(100, 100);
    QTest::newRow("tall picture, bands left and right") << QSize(10, 30) << QSize(90, 60);
    QTest::newRow("large picture reduced") << QSize(800, 300) << QSize(160, 120);
}

// Every pixel inside the fitted rectangle has the picture's colour, every one outside the
// background's, right up to the edges.
void TestPictureHelpers::fitPictureToImage()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, box);

    QImage source(picture, QImage::Format_RGB32);
    source.fill(Qt::red);
    const QColor background(Qt::blue);
    const QImage image = FitPictureToImage(source, box, background);
    QCOMPARE(image.size(), box);
    QCOMPARE(image.format(), QImage::Format_RGB888);

    const QRect target = FitPictureRect(picture, box);
    QVERIFY(!target.isEmpty());
    for (int y = 0; y < box.height(); ++y) {
        for (int x = 0; x < box.width(); ++x) {
            const QColor expected = target.contains(x, y) ? QColor(Qt::red) : background;
            if (image.pixelColor(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(image.pixelColor(x, y).name(), expected.name())));
        }
    }
}

void TestPictureHelpers::fitPictureToImageEdgeCases()
{
    const QColor background(10, 20, 30);

    QVERIFY(FitPictureToImage(QImage(), QSize(0, 0), background).isNull());

    // No picture: the box shows only the background.
    const QImage empty = FitPictureToImage(QImage(), QSize(8, 6), background);
    QCOMPARE(empty.size(), QSize(8, 6));
    QCOMPARE(empty.pixelColor(4, 3), background);

    // The missing-file picture is enlarged into the box like any other.
    const PictureResult missing = LoadPictureBitmap(QStringLiteral("/nonexistent/gone.jpg"));
    const QImage fitted = FitPictureToImage(missing.image, QSize(300, 200), background);
    QCOMPARE(fitted.pixelColor(10, 100), background);
    QCOMPARE(fitted.pixelColor(290, 100), background);
    QCOMPARE(fitted.pixelColor(150, 5), QColor(Qt::white));
}

void TestPictureHelpers::loadMissingFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("deleted.jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(file.remove());

    for (const QString &missing : {path, QString()}) {
        const PictureResult result = LoadPictureBitmap(missing);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.image.size(), QSize(100, 100));
        QCOMPARE(result.image.format(), QImage::Format_RGB888);
        QCOMPARE(result.image.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(result.image.pixelColor(99, 99), QColor(Qt::white));

        // The text starts at x = 7 and y = 40 and fits the width whole.
        QRect ink;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                if (result.image.pixelColor(x, y) != QColor(Qt::white))
                    ink |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY2(!ink.isEmpty(), "no text drawn");
        QVERIFY2(ink.left() >= 7 && ink.left() <= 10, qPrintable(QString::number(ink.left())));
        QVERIFY2(ink.top() >= 40 && ink.top() <= 46, qPrintable(QString::number(ink.top())));
        QVERIFY2(ink.right() < 98, qPrintable(QString::number(ink.right())));
    }
}

void TestPictureHelpers::loadPicture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("jpeg rgb") << Picture("wide-red.jpg") << QSize(40, 20) << QColor(255, 0, 0);
    QTest::newRow("jpeg grayscale") << Picture("gray.jpg") << QSize(20, 10) << QColor(128, 128, 128);
    QTest::newRow("jpeg cmyk") << Picture("cmyk.jpg") << QSize(20, 10) << QColor(255, 0, 0);
    QTest::newRow("png") << Picture("tall-green.png") << QSize(10, 30) << QColor(0, 255, 0);
    QTest::newRow("bmp") << Picture("blue.bmp") << QSize(24, 12) << QColor(0, 0, 255);
    QTest::newRow("gif") << Picture("yellow.gif") << QSize(16, 16) << QColor(255, 255, 0);
    QTest::newRow("ico") << Picture("magenta.ico") << QSize(16, 16) << QColor(255, 0, 255);
    QTest::newRow("transparent png on white") << Picture("transparent.png") << QSize(8, 8) << QColor(255, 255, 255);
}

void TestPictureHelpers::loadPicture()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(QColor, colour);

    const PictureResult result = LoadPictureBitmap(path);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.image.size(), size);
    QCOMPARE(result.image.format(), QImage::Format_RGB888);
    for (const QPoint &point :
         {QPoint(0, 0), QPoint(size.width() / 2, size.height() / 2), QPoint(size.width() - 1, size.height() - 1)}) {
        const QColor actual = result.image.pixelColor(point);
        QVERIFY2(Near(actual, colour), qPrintable(actual.name()));
    }
}

void TestPictureHelpers::loadDamagedPicture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");

    QTest::newRow("text named .jpg") << Picture("garbage.jpg") << "Not a JPEG file";
    QTest::newRow("png named .jpg goes to the JPEG decoder") << Picture("png-named.jpg") << "Not a JPEG file";
    QTest::newRow("empty .jpg") << Picture("empty.jpg") << "The file is empty";
    QTest::newRow("jpeg cut in the header") << Picture("truncated-header.jpg") << "";
    QTest::newRow("jpeg cut in the picture data") << Picture("truncated-scan.jpg") << "Premature end of JPEG file";
    QTest::newRow("text named .png") << Picture("garbage.png") << "";
    QTest::newRow("directory") << QStringLiteral(CURIODEX_TEST_DATA "/pictures") << "";
}

void TestPictureHelpers::loadDamagedPicture()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);

    const PictureResult result = LoadPictureBitmap(path);
    QVERIFY(!result.ok());
    QVERIFY(result.image.isNull());
    const QString prefix = QStringLiteral("Cannot read picture %1: ").arg(path);
    QVERIFY2(result.error.startsWith(prefix), qPrintable(result.error));
    QVERIFY2(result.error.size() > prefix.size(), qPrintable(result.error));
    if (!reason.isEmpty())
        QVERIFY2(result.error.contains(reason), qPrintable(result.error));
}

// Every prefix of a good JPEG, and a good JPEG with its picture data overwritten, either
// decodes or fails with a reason; none brings the process down.
void TestPictureHelpers::decodeDamagedJpegData()
{
    QFile file(Picture("wide-red.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();

    JpegDecoder decoder;
    QVERIFY(decoder.decode(good));
    for (qsizetype length = 0; length < good.size(); ++length) {
        if (decoder.decode(good.left(length))) {
            QCOMPARE(decoder.image().size(), QSize(40, 20));
        } else {
            QVERIFY(decoder.image().isNull());
            QVERIFY(!decoder.errorString().isEmpty());
        }
    }
    for (int start = 2; start < good.size() - 2; start += 7) {
        QByteArray damaged = good;
        for (int i = start; i < qMin(start + 5, good.size() - 2); ++i)
            damaged[i] = char(0xA5 ^ i);
        if (!decoder.decode(damaged))
            QVERIFY(!decoder.errorString().isEmpty());
    }
    QVERIFY(decoder.decode(good));
    QVERIFY(decoder.errorString().isEmpty());
}

// A header claiming 65000 by 65000 pixels is refused before any memory is taken for it.
void TestPictureHelpers::decodeHugeJpeg()
{
    QFile file(Picture("wide-red.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray data = file.readAll();
    const qsizetype frame = data.indexOf("\xFF\xC0");
    QVERIFY(frame > 0);
    // Marker, length, precision, then height and width, big-endian.
    for (const qsizetype at : {frame + 5, frame + 7}) {
        data[at] = char(0xFD);
        data[at + 1] = char(0xE8);
    }
    JpegDecoder decoder;
    QVERIFY(!decoder.decode(data));
    QCOMPARE(decoder.errorString(), QStringLiteral("The picture is too large to load"));
}

QTEST_MAIN(TestPictureHelpers)
#include "TestPictureHelpers.moc"
