#include "app/TextHelpers.h"

#include "store/Money.h"

QString QuoteSingle(const QString &text)
{
    return u'\'' + text + u'\'';
}

QString QuoteDouble(const QString &text)
{
    return u'"' + text + u'"';
}

QString CsvField(const QString &text)
{
    bool needsQuotes = false;
    for (const QChar c : text) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n') {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes)
        return text;
    QString doubled = text;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return QuoteDouble(doubled);
}

QString StripSingleQuotes(const QString &text)
{
    QString result = text;
    result.remove(u'\'');
    return result;
}

bool TextToBool(const QString &text)
{
    if (text.trimmed().isEmpty())
        return false;
    const QChar first = text.at(0).toUpper();
    return first == u'1' || first == u'T' || first == u'Y';
}

QString TextToMoney(const QString &text)
{
    static const QString zero = QStringLiteral("0.00");
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return zero;

    const QLocale locale = Money::currencyLocale();
    const bool negative = trimmed.contains(u'-') || trimmed.contains(locale.negativeSign()) ||
                          (trimmed.startsWith(u'(') && trimmed.endsWith(u')'));

    // The locale's currency symbol is no part of the number, and may hold a point ("kr." in
    // Danish, "1.234,50 kr.").
    QString amount = trimmed;
    for (const QLocale::CurrencySymbolFormat format : {QLocale::CurrencySymbol, QLocale::CurrencyIsoCode}) {
        const QString symbol = locale.currencySymbol(format);
        if (!symbol.isEmpty())
            amount.remove(symbol);
    }

    // In a locale whose decimal separator is not the point ("1.234,50 €"), text whose last
    // separator is the locale's is read the locale's way; everything else as "1,234.50".
    const QChar decimal = locale.decimalPoint().front();
    const bool localeForm = decimal != u'.' && amount.lastIndexOf(decimal) > amount.lastIndexOf(u'.');

    QString number;
    for (const QChar c : amount) {
        if (c >= u'0' && c <= u'9')
            number.append(c);
        else if (localeForm ? c == decimal : c == u'.')
            number.append(u'.');
    }
    if (number.isEmpty() || number.count(u'.') > 1 || number == QStringLiteral("."))
        return zero;
    if (negative && Money::fromText(number).value_or(Money()).isZero())
        return number;
    return negative ? u'-' + number : number;
}
