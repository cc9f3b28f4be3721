#include "app/PicturePreviewDialog.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class TestPicturePreviewDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void previewFollowsTheChosenFile();
};

void TestPicturePreviewDialog::previewFollowsTheChosenFile()
{
    const QString pictures = QStringLiteral(CURIODEX_TEST_DATA "/pictures");
    PicturePreviewDialog dialog(nullptr, QStringLiteral("Open"), pictures, QStringLiteral("All (*.jpg)|*.jpg"));
    QCOMPARE(dialog.fileMode(), QFileDialog::AnyFile); // a typed name need not exist
    QVERIFY(dialog.isSizeGripEnabled());

    dialog.showPreview(pictures + QStringLiteral("/wide-red.jpg"));
    const QImage shown = dialog.preview()->pixmap().toImage();
    QCOMPARE(shown.size(), QSize(PicturePreviewDialog::PreviewSize, PicturePreviewDialog::PreviewSize));
    const QColor middle = shown.pixelColor(shown.width() / 2, shown.height() / 2);
    QVERIFY2(middle.red() > 200 && middle.green() < 60, qPrintable(middle.name())); // the red picture

    dialog.showPreview(pictures + QStringLiteral("/garbage.jpg")); // cannot be decoded
    QVERIFY(dialog.preview()->pixmap().isNull());
    QCOMPARE(dialog.preview()->text(), QStringLiteral("No preview"));

    dialog.showPreview(pictures + QStringLiteral("/tall-green.png"));
    QVERIFY(!dialog.preview()->pixmap().isNull());
    dialog.showPreview(pictures); // a folder
    QVERIFY(dialog.preview()->pixmap().isNull());
}

QTEST_MAIN(TestPicturePreviewDialog)
#include "TestPicturePreviewDialog.moc"
