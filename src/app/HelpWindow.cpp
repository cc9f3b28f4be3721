#include "app/HelpWindow.h"

#include "app/HelpTopics.h"
#include "app/MessageBox.h"
#include "app/ShellOpen.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *owner)
    : QWidget(owner, Qt::Window)
    , Browser(new QTextBrowser(this))
    , ContentsButton(new QToolButton(this))
    , BackButton(new QToolButton(this))
    , ForwardButton(new QToolButton(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/icons/help.svg")));
    resize(680, 560);

    ContentsButton->setText(QStringLiteral("&Contents"));
    BackButton->setText(QStringLiteral("&Back"));
    ForwardButton->setText(QStringLiteral("&Forward"));
    ContentsButton->setIcon(QIcon(QStringLiteral(":/icons/help.svg")));
    BackButton->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    ForwardButton->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    for (QToolButton *b : {ContentsButton, BackButton, ForwardButton}) {
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
    }
    BackButton->setEnabled(false);
    ForwardButton->setEnabled(false);

    Browser->setOpenLinks(false);
    Browser->document()->setDocumentMargin(10);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ContentsButton);
    buttons->addWidget(BackButton);
    buttons->addWidget(ForwardButton);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(Browser);

    connect(ContentsButton, &QToolButton::clicked, this, &HelpWindow::showContents);
    connect(BackButton, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardButton, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardButton, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::anchorClicked, this, &HelpWindow::openLink);
    connect(Browser, &QTextBrowser::sourceChanged, this, &HelpWindow::updateTitle);
}

void HelpWindow::showContents()
{
    showSource(HelpTopics::contentsUrl());
}

void HelpWindow::showTopic(int context)
{
    showSource(HelpTopics::topicUrl(context));
}

void HelpWindow::showSource(const QUrl &url)
{
    if (Browser->source() != url)
        Browser->setSource(url);
    updateTitle();
}

int HelpWindow::currentContext() const
{
    return HelpTopics::contextOf(Browser->source());
}

QUrl HelpWindow::currentSource() const
{
    return Browser->source();
}

QString HelpWindow::topicTitle() const
{
    return Browser->documentTitle();
}

void HelpWindow::openLink(const QUrl &url)
{
    if (url.scheme() == QLatin1String("qrc") || url.isRelative()) {
        showSource(Browser->source().resolved(url));
        return;
    }
    QString error;
    if (!OpenWithShell(url, &error))
        ShowMessage(MessageKind::Error, error);
}

void HelpWindow::updateTitle()
{
    const QString title = topicTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Curiodex Help") : QStringLiteral("Curiodex Help - %1").arg(title));
}
