#pragma once

#include <QFileDialog>

class QLabel;

// The open-picture dialog: a file dialog with a preview of the chosen picture beside the list.
// It is resizable and, as an open dialog for pictures, takes a typed name of a file that does
// not exist (the item then shows "Image Not Found" until the file is there).
class PicturePreviewDialog : public QFileDialog
{
    Q_OBJECT
public:
    static constexpr int PreviewSize = 200;

    PicturePreviewDialog(QWidget *parent, const QString &caption, const QString &directory, const QString &filter);

    // Shows the picture of the file in the preview; a folder or an unreadable file shows none.
    void showPreview(const QString &path);
    QLabel *preview() const { return m_preview; }

private:
    QLabel *m_preview;
};
