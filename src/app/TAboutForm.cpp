#include "app/TAboutForm.h"

#include "app/HelpContext.h"
#include "app/ProgramValues.h"
#include "app/TSplashForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel *LargeBold(QWidget *parent)
{
    auto *label = new QLabel(parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.35);
    label->setFont(font);
    return label;
}
} // namespace

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent)
    , Image1(new QLabel(this))
    , Label1(LargeBold(this))
    , Label2(LargeBold(this))
    , Label3(LargeBold(this))
    , Label5(LargeBold(this))
    , Label6(new QLabel(this))
    , OKButton(new QPushButton(QStringLiteral("&OK"), this))
{
    setWindowTitle(QStringLiteral("About Curiodex"));
    setHelpContext(this, 5004);
    Image1->setFixedSize(249, 200);
    Label2->setText(QStringLiteral("Vendrolith Software"));
    Label3->setText(QStringLiteral("Made for collectors"));
    Label6->setText(QStringLiteral("Keeps your collections, their items, pictures and values in one place."));
    Label6->setWordWrap(true);
    OKButton->setDefault(true);

    auto *texts = new QVBoxLayout;
    texts->addWidget(Label1);
    texts->addWidget(Label2);
    texts->addWidget(Label3);
    texts->addSpacing(12);
    texts->addWidget(Label5);
    texts->addStretch();
    texts->addWidget(Label6);
    auto *top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    Label6->setFixedWidth(260);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    FormCreate();
}

void TAboutForm::FormCreate()
{
    setStatusTip(QStringLiteral("About ") + ProductTitle);
    Label1->setText(ProductTitle);
    Label5->setText(QStringLiteral("%1 %2").arg(QStringLiteral("Version"), VersionText()));
    const TSplashForm splash;
    Image1->setPixmap(splash.picture());
}
