#include "app/HelpContext.h"
#include "app/ProgramValues.h"
#include "app/TAboutForm.h"
#include "app/TSplashForm.h"

#include <QLabel>
#include <QLocale>
#include <QTest>

class TestAboutForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void showsTitleVersionAndPicture();
};

void TestAboutForm::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestAboutForm::showsTitleVersionAndPicture()
{
    ProductTitle = QStringLiteral("Curiodex/Vaultry Edition");
    TAboutForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("About Curiodex"));
    QCOMPARE(helpContext(&form), 5004);
    QCOMPARE(form.statusTip(), QStringLiteral("About Curiodex/Vaultry Edition"));
    QCOMPARE(form.Label1->text(), QStringLiteral("Curiodex/Vaultry Edition"));
    QCOMPARE(form.Label5->text(), QStringLiteral("Version 2.1.0.0"));
    QVERIFY(form.Label5->font().bold());
    QCOMPARE(form.Image1->pixmap().size(), QSize(249, 200));
    QCOMPARE(form.Image1->pixmap().toImage(), TSplashForm().picture().toImage());
}

QTEST_MAIN(TestAboutForm)
#include "TestAboutForm.moc"
