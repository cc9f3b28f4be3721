#include "items/FindExpression.h"

#include "store/FieldCatalogue.h"

namespace {

constexpr int DMeasureField = 16;
constexpr int WMeasureField = 18;

QString quotedValue(QString text)
{
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}

} // namespace

int FindExpression::fieldOfEntry(int position)
{
    Q_ASSERT(position >= 0 && position < EntryCount);
    int field = position;
    if (field >= DMeasureField)
        ++field;
    if (field >= WMeasureField)
        ++field;
    return field;
}

FindExpression::ClauseKind FindExpression::clauseKind(int position)
{
    switch (FieldCatalogue::entryKind(fieldOfEntry(position))) {
    case FieldCatalogue::EntryKind::Money:
        return ClauseKind::Number;
    case FieldCatalogue::EntryKind::CheckBox:
        return ClauseKind::YesNo;
    default:
        return ClauseKind::Text;
    }
}

QStringList FindExpression::entryLabels(const QStringList &labels)
{
    QStringList entries;
    for (int position = 0; position < EntryCount; ++position)
        entries.append(labels.value(fieldOfEntry(position)));
    return entries;
}

std::optional<QString> FindExpression::build(const QString &collection, int position, const QString &text,
                                             QString *error)
{
    if (position < 0 || position >= EntryCount) {
        if (error)
            *error = QStringLiteral("Choose the field to search.");
        return std::nullopt;
    }
    const QString column = FieldCatalogue::column(fieldOfEntry(position));
    QString clause;
    switch (clauseKind(position)) {
    case ClauseKind::Text:
        clause = column + QStringLiteral(" = ") + quotedValue(text + u'*');
        break;
    case ClauseKind::Number:
        clause = column + QStringLiteral(" = ") + text;
        break;
    case ClauseKind::YesNo: {
        const QString word = text.toUpper();
        if (word != u"TRUE" && word != u"FALSE") {
            if (error)
                *error = QString::fromLatin1(NotTrueOrFalse);
            return std::nullopt;
        }
        clause = column + QStringLiteral(" = ") + word;
        break;
    }
    }
    const QString expression = QStringLiteral("Collection = ") + quotedValue(collection) + QStringLiteral(" And ");
    return expression + u' ' + clause;
}
