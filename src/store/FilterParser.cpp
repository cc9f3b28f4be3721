#include "store/FilterParser.h"

#include "store/Money.h"

namespace {

enum class TokenKind { Identifier, Equals, Quoted, Number, End, Invalid };

struct Token
{
    TokenKind kind = TokenKind::End;
    QString text;
    int position = 0;
};

class Lexer
{
public:
    explicit Lexer(const QString &text)
        : m_text(text)
    {
    }

    Token next()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
        Token t;
        t.position = m_pos;
        if (m_pos >= m_text.size())
            return t;
        const QChar c = m_text[m_pos];
        if (c == u'=') {
            ++m_pos;
            t.kind = TokenKind::Equals;
            t.text = QStringLiteral("=");
            return t;
        }
        if (c == u'\'') {
            ++m_pos;
            QString value;
            while (m_pos < m_text.size()) {
                if (m_text[m_pos] == u'\'') {
                    if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\'') {
                        value.append(u'\'');
                        m_pos += 2;
                        continue;
                    }
                    ++m_pos;
                    t.kind = TokenKind::Quoted;
                    t.text = value;
                    return t;
                }
                value.append(m_text[m_pos++]);
            }
            t.kind = TokenKind::Invalid;
            t.text = QStringLiteral("a quoted value that is not closed");
            return t;
        }
        if (c.isDigit() || ((c == u'-' || c == u'+' || c == u'.') && m_pos + 1 < m_text.size())) {
            int end = m_pos + 1;
            while (end < m_text.size() && (m_text[end].isDigit() || m_text[end] == u'.'))
                ++end;
            // A number runs up to a blank or the end: "12abc" is no number.
            if (end < m_text.size() && !m_text[end].isSpace()) {
                t.kind = TokenKind::Invalid;
                t.text = QStringLiteral("'%1'").arg(word(m_pos));
                return t;
            }
            t.kind = TokenKind::Number;
            t.text = m_text.mid(m_pos, end - m_pos);
            m_pos = end;
            return t;
        }
        if (c.isLetter() || c == u'_') {
            int end = m_pos + 1;
            while (end < m_text.size() && (m_text[end].isLetterOrNumber() || m_text[end] == u'_'))
                ++end;
            t.kind = TokenKind::Identifier;
            t.text = m_text.mid(m_pos, end - m_pos);
            m_pos = end;
            return t;
        }
        t.kind = TokenKind::Invalid;
        t.text = QStringLiteral("'%1'").arg(word(m_pos));
        return t;
    }

private:
    QString word(int from) const
    {
        int end = from;
        while (end < m_text.size() && !m_text[end].isSpace())
            ++end;
        return m_text.mid(from, end - from);
    }

    const QString &m_text;
    int m_pos = 0;
};

QString describe(const Token &t)
{
    switch (t.kind) {
    case TokenKind::End:
        return QStringLiteral("the end of the filter");
    case TokenKind::Quoted:
        return QStringLiteral("'%1'").arg(t.text);
    case TokenKind::Invalid:
        return t.text;
    default:
        return QStringLiteral("'%1'").arg(t.text);
    }
}

} // namespace

std::optional<SqlCondition> FilterParser::translate(const QString &filter, const TableDef &table, QString *error)
{
    auto fail = [&](const QString &what) -> std::optional<SqlCondition> {
        if (error)
            *error = QStringLiteral("The filter cannot be used: %1.\nFilter: %2").arg(what, filter);
        return std::nullopt;
    };

    Lexer lexer(filter);
    SqlCondition result;
    QStringList clauses;
    Token t = lexer.next();
    if (t.kind == TokenKind::End)
        return fail(QStringLiteral("it is empty"));

    while (true) {
        if (t.kind != TokenKind::Identifier)
            return fail(QStringLiteral("a column name was expected at %1").arg(describe(t)));
        const ColumnDef *column = table.column(t.text);
        if (!column)
            return fail(QStringLiteral("%1 has no column %2").arg(table.fileName, t.text));
        const QString col = Schema::quoted(column->name);
        const QString collate = table.caseInsensitiveFilter ? QStringLiteral(" COLLATE NOCASE") : QString();

        t = lexer.next();
        if (t.kind != TokenKind::Equals)
            return fail(QStringLiteral("'=' was expected after %1, not %2").arg(column->name, describe(t)));

        const Token value = lexer.next();
        const bool isTrueFalse = value.kind == TokenKind::Identifier &&
                                 (value.text.compare(QStringLiteral("TRUE"), Qt::CaseInsensitive) == 0 ||
                                  value.text.compare(QStringLiteral("FALSE"), Qt::CaseInsensitive) == 0);
        switch (column->kind) {
        case ColumnKind::Logical: {
            bool truth = false;
            if (isTrueFalse)
                truth = value.text.compare(QStringLiteral("TRUE"), Qt::CaseInsensitive) == 0;
            else if (value.kind == TokenKind::Number && (value.text == u"0" || value.text == u"1"))
                truth = value.text == u"1";
            else
                return fail(QStringLiteral("%1 is a yes/no field and takes TRUE or FALSE, not %2")
                                .arg(column->name, describe(value)));
            clauses.append(QStringLiteral("COALESCE(%1, 0) = ?").arg(col));
            result.values.append(truth ? 1 : 0);
            break;
        }
        case ColumnKind::Money: {
            if (value.kind != TokenKind::Number && value.kind != TokenKind::Quoted)
                return fail(QStringLiteral("%1 is a money field and takes a number, not %2")
                                .arg(column->name, describe(value)));
            const std::optional<Money> amount = Money::fromText(value.text);
            if (!amount)
                return fail(QStringLiteral("%1 is not a number").arg(describe(value)));
            clauses.append(QStringLiteral("COALESCE(%1, 0) = ?").arg(col));
            result.values.append(amount->units());
            break;
        }
        case ColumnKind::Integer:
        case ColumnKind::AutoInc: {
            bool ok = false;
            const qlonglong number = value.text.trimmed().toLongLong(&ok);
            if ((value.kind != TokenKind::Number && value.kind != TokenKind::Quoted) || !ok)
                return fail(QStringLiteral("%1 takes a whole number, not %2").arg(column->name, describe(value)));
            clauses.append(QStringLiteral("%1 = ?").arg(col));
            result.values.append(number);
            break;
        }
        default: {
            if (value.kind != TokenKind::Quoted && value.kind != TokenKind::Number)
                return fail(
                    QStringLiteral("a value was expected after %1 =, not %2").arg(column->name, describe(value)));
            QString text = value.text;
            if (value.kind == TokenKind::Quoted && text.endsWith(u'*')) {
                text.chop(1);
                clauses.append(QStringLiteral("substr(COALESCE(%1, ''), 1, ?) = ?%2").arg(col, collate));
                result.values.append(int(text.toUcs4().size())); // substr counts characters
                result.values.append(text);
            } else if (text.isEmpty()) {
                clauses.append(QStringLiteral("COALESCE(%1, '') = ''").arg(col));
            } else {
                clauses.append(QStringLiteral("%1 = ?%2").arg(col, collate));
                result.values.append(text);
            }
        }
        }

        t = lexer.next();
        if (t.kind == TokenKind::End)
            break;
        if (t.kind != TokenKind::Identifier || t.text.compare(QStringLiteral("and"), Qt::CaseInsensitive) != 0)
            return fail(QStringLiteral("'and' was expected at %1").arg(describe(t)));
        t = lexer.next();
    }
    result.sql = u'(' + clauses.join(QStringLiteral(" AND ")) + u')';
    return result;
}
