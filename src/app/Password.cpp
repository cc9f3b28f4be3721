#include "app/Password.h"

QString PasswordKey()
{
    return QStringLiteral("vqzhemlotrapwix");
}

QString NoPasswordMarker()
{
    return QStringLiteral("316570824");
}

QString UpperCasePassword(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    return result;
}

QString ScramblePassword(const QString &text)
{
    static const QString key = PasswordKey();
    const int keyLength = int(key.size());
    QString result = text;
    for (int i = 0; i < result.size(); ++i) {
        // Text position 1 takes the last key letter, position 2 the one before it, and so on.
        const QChar k = key.at(keyLength - 1 - i % keyLength);
        const QChar c = text.at(i);
        if (c != k)
            result[i] = QChar(char16_t(c.unicode() ^ k.unicode()));
    }
    return result;
}

bool PasswordMatches(const QString &typed, const QString &stored)
{
    return ScramblePassword(UpperCasePassword(typed)) == stored;
}
