#include "collections/FieldBox.h"

#include "collections/FieldBoxCatalogue.h"
#include "store/FieldCatalogue.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

namespace {

constexpr int CaptionGap = 1;
constexpr int ColumnGap = 6; // room between a caption and the next box's caption

// The caption font: the window's font, made smaller where needed so that no caption runs into the
// caption of the box beside it at the default places (the money and number columns are narrow).
QFont captionFont(const QFont &base)
{
    QFont font = base;
    for (qreal size = base.pointSizeF(); size > 6; size -= 0.5) {
        font.setPointSizeF(size);
        QFont bold = font;
        bold.setBold(true);
        bool fits = true;
        for (int n = 0; n < FieldCatalogue::FieldCount && fits; ++n)
            fits = QFontMetrics(FieldBoxCatalogue::isBold(n) ? bold : font)
                       .horizontalAdvance(FieldBoxCatalogue::caption(n)) <= FieldBoxCatalogue::width(n) + ColumnGap;
        if (fits)
            break;
    }
    return font;
}

} // namespace

FieldBox::FieldBox(int number, QWidget *page)
    : QLineEdit(page)
    , m_number(number)
{
    setObjectName(QStringLiteral("OvcEdit%1").arg(number + 1));
    setProperty("tag", number);
    resize(FieldBoxCatalogue::width(number), FieldBoxCatalogue::Height);
    setMaxLength(FieldBoxCatalogue::MaxTypedLength);
    setReadOnly(FieldBoxCatalogue::isReadOnly(number));
    if (FieldBoxCatalogue::hasCaption(number)) {
        m_caption = new QLabel(FieldBoxCatalogue::caption(number), page);
        m_caption->setObjectName(objectName() + QStringLiteral("Caption"));
        QFont font = captionFont(m_caption->font());
        font.setBold(FieldBoxCatalogue::isBold(number));
        m_caption->setFont(font);
        m_caption->adjustSize();
        m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_caption->setAutoFillBackground(true); // a dragged caption covers what it passes over
    }
    paintMark();
    placeCaption();
}

void FieldBox::setHiddenMark(bool hidden)
{
    if (m_hidden == hidden)
        return;
    m_hidden = hidden;
    paintMark();
}

void FieldBox::setLabelText(const QString &label)
{
    setMaxLength(std::max(FieldBoxCatalogue::MaxTypedLength, int(label.size())));
    setText(label);
    setCursorPosition(0);
}

void FieldBox::moveTo(const QPoint &topLeft)
{
    move(topLeft);
    placeCaption();
}

void FieldBox::bringToFront()
{
    if (m_caption)
        m_caption->raise();
    raise();
}

void FieldBox::moveEvent(QMoveEvent *event)
{
    QLineEdit::moveEvent(event);
    placeCaption();
}

void FieldBox::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::StyleChange)
        paintMark();
}

void FieldBox::placeCaption()
{
    if (m_caption)
        m_caption->move(x(), y() - m_caption->height() - CaptionGap);
}

void FieldBox::paintMark()
{
    // The parent's palette gives the window colour (Base) and the inactive colour (Mid).
    const QPalette source = parentWidget() ? parentWidget()->palette() : palette();
    QPalette p = palette();
    const QColor colour = source.color(QPalette::Active, m_hidden ? QPalette::Mid : QPalette::Base);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, colour);
    setPalette(p);
    setToolTip(m_hidden ? QStringLiteral("Hidden: this field is not shown on the item form") : QString());
}
