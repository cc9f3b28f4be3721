#pragma once

#include <QString>
#include <stdexcept>

// A failure of the table store: a statement that cannot run, a filter that cannot be used,
// a locked, read-only or damaged database. Carries a text meant for the user.
class StoreError : public std::runtime_error
{
public:
    explicit StoreError(const QString &text)
        : std::runtime_error(text.toStdString())
        , m_text(text)
    {
    }
    const QString &text() const { return m_text; }

private:
    QString m_text;
};
