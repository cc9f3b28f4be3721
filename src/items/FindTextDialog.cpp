#include "items/FindTextDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FindTextDialog::FindTextDialog(QWidget *parent)
    : QDialog(parent)
    , m_text(new QLineEdit(this))
    , m_wholeWord(new QCheckBox(QStringLiteral("Match &whole word only"), this))
    , m_matchCase(new QCheckBox(QStringLiteral("Match &case"), this))
    , m_findNext(new QPushButton(QStringLiteral("&Find Next"), this))
{
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto *label = new QLabel(QStringLiteral("Fi&nd what:"), this);
    label->setBuddy(m_text);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_text, 0, 1);
    auto *options = new QVBoxLayout;
    options->addWidget(m_wholeWord);
    options->addWidget(m_matchCase);
    options->addStretch();
    grid->addLayout(options, 1, 0, 1, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 2, 1);
    grid->setColumnMinimumWidth(1, 180);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    m_findNext->setDefault(true);
    m_findNext->setEnabled(false);
    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_findNext->setEnabled(!text.isEmpty()); });
    connect(m_findNext, &QPushButton::clicked, this, &FindTextDialog::findNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString FindTextDialog::findText() const
{
    return m_text->text();
}

void FindTextDialog::setFindText(const QString &text)
{
    m_text->setText(text);
    m_text->selectAll();
}

NotesSearch::Options FindTextDialog::options() const
{
    return {m_matchCase->isChecked(), m_wholeWord->isChecked()};
}

void FindTextDialog::setOptions(NotesSearch::Options options)
{
    m_matchCase->setChecked(options.matchCase);
    m_wholeWord->setChecked(options.wholeWord);
}
