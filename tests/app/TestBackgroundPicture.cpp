#include "app/BackgroundPicture.h"

#include <QLocale>
#include <QTest>

class TestBackgroundPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void load_data();
    void load();
};

void TestBackgroundPicture::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestBackgroundPicture::load_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size"); // (0, 0) for a blank background
    const QString pictures = QStringLiteral(CURIODEX_TEST_DATA "/pictures/");
    QTest::newRow("no file named") << QString() << QSize(0, 0);
    QTest::newRow("missing file") << pictures + "deleted.jpg" << QSize(0, 0);
    QTest::newRow("a folder") << pictures << QSize(0, 0);
    QTest::newRow("damaged JPEG") << pictures + "garbage.jpg" << QSize(0, 0);
    QTest::newRow("damaged PNG") << pictures + "garbage.png" << QSize(0, 0);
    QTest::newRow("PNG") << pictures + "tall-green.png" << QSize(10, 30);
    QTest::newRow("JPEG") << pictures + "wide-red.jpg" << QSize(40, 20);
}

void TestBackgroundPicture::load()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image = BackgroundPicture::load(path);
    QCOMPARE(image.size(), size);
}

QTEST_GUILESS_MAIN(TestBackgroundPicture)
#include "TestBackgroundPicture.moc"
