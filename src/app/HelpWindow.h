#pragma once

#include <QWidget>

class QTextBrowser;
class QToolButton;

// The program's help window: shows one HTML topic at a time, with Contents, Back and Forward.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *owner = nullptr);

    void showContents();
    void showTopic(int context);
    // The context of the topic on show; 0 for the contents page.
    int currentContext() const;
    QUrl currentSource() const;
    QString topicTitle() const;

    QTextBrowser *Browser;
    QToolButton *ContentsButton;
    QToolButton *BackButton;
    QToolButton *ForwardButton;

private:
    void openLink(const QUrl &url);
    void showSource(const QUrl &url);
    void updateTitle();
};
