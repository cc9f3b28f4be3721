#include "app/TSplashForm.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QTest>

class TestSplashForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pictureInBlackFrame();
    void borderlessInTheMiddle();
};

void TestSplashForm::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestSplashForm::pictureInBlackFrame()
{
    TSplashForm splash;
    QCOMPARE(splash.picture().size(), QSize(249, 200));
    QCOMPARE(splash.size(), QSize(249 + 2 * TSplashForm::FrameWidth, 200 + 2 * TSplashForm::FrameWidth));
    const QImage shown = splash.grab().toImage();
    for (const QPoint corner : {QPoint(0, 0), QPoint(shown.width() - 1, shown.height() - 1), QPoint(0, 100)})
        QCOMPARE(shown.pixelColor(corner), QColor(Qt::black));
    QCOMPARE(
        shown.copy(TSplashForm::FrameWidth, TSplashForm::FrameWidth, 249, 200).convertToFormat(QImage::Format_RGB32),
        splash.picture().toImage().convertToFormat(QImage::Format_RGB32));
}

void TestSplashForm::borderlessInTheMiddle()
{
    TSplashForm splash;
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((splash.geometry().center() - middle).manhattanLength() <= 2);
}

QTEST_MAIN(TestSplashForm)
#include "TestSplashForm.moc"
