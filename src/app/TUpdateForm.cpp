#include "app/TUpdateForm.h"

#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "app/ProgramValues.h"
#include "app/ShellOpen.h"
#include "app/StatusSink.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

TUpdateForm::TUpdateForm(QWidget *parent)
    : QDialog(parent)
    , Memo1(new QPlainTextEdit(this))
    , Label1(new QLabel(this))
    , Button1(new QPushButton(QStringLiteral("Get Info"), this))
    , Button2(new QPushButton(QStringLiteral("Close"), this))
{
    setWindowTitle(QStringLiteral("Update Information"));
    setStatusTip(QStringLiteral("Get update information"));
    setHelpContext(this, 5005);

    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setPlainText(instructions().join(u'\n'));
    // Big enough to show every line without scrolling.
    const QFontMetrics metrics(Memo1->font());
    int widest = 0;
    for (const QString &line : instructions())
        widest = qMax(widest, metrics.horizontalAdvance(line));
    const int margins = 2 * (Memo1->frameWidth() + int(Memo1->document()->documentMargin())) + 16;
    Memo1->setFixedSize(widest + margins, metrics.lineSpacing() * int(instructions().size() + 1) + margins);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Button1->setDefault(true);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Label1);
    bottom->addStretch();
    bottom->addWidget(Button1);
    bottom->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TUpdateForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

QStringList TUpdateForm::instructions()
{
    return {
        QStringLiteral("To check for a new version of Curiodex just click the 'Get Info' button.  This will"),
        QStringLiteral("start your web browser and take you to the update page.  Note that you may"),
        QStringLiteral("have to connect to your internet service provider first."),
        QString(),
        QStringLiteral("The update page lists the current version number and instructions for how to"),
        QStringLiteral("download and install the most recent version of the program and help file."),
        QString(),
        QStringLiteral("Your current version number is listed below.  If the update page is not available,"),
        QStringLiteral("please try again later.  If you continue to have problems getting to the update"),
        QStringLiteral("page, then please send us an email to let us know.  Our address is:"),
        QString(),
        SupportAddress(),
        QString(),
        QStringLiteral("You can also visit the update page without having to go through this dialog at"),
        UpdatePageAddress().toString() + u'.',
    };
}

void TUpdateForm::FormCreate()
{
    Label1->setText(QStringLiteral("%1 %2").arg(QStringLiteral("Current Version"), VersionText()));
}

void TUpdateForm::Button1Click()
{
    ShowStatus(QStringLiteral("Starting Browser"));
    QString error;
    if (!OpenWithShell(UpdatePageAddress(), &error))
        ShowMessage(MessageKind::Error, error);
}

void TUpdateForm::FormClose()
{
    ClearStatus();
}

void TUpdateForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}
