#include "exchange/CsvReader.h"

#include <QFileDevice>
#include <QIODevice>
#include <QStringDecoder>

// Reading rules. They read RFC 4180 text, and every line of the simple form older files hold
// (values separated by commas, each either bare text without a comma, or text without a double
// quote enclosed in double quotes) gives the values the import's old line rule gave:
//
// - A record ends at CR LF, LF or a lone CR outside quotes. A line end at the very end of the
//   text starts no further record; an empty text holds no records. A comma at the end of a
//   record gives an empty last value.
// - A value whose very first character is a double quote is quoted: it runs to the next quote
//   that is not doubled; "" inside stands for one quote; commas, CR and LF inside belong to it.
// - A double quote anywhere else is an ordinary character: 5" tall and  "a" (a blank first) keep
//   their quotes, as they always have.
// - Blanks around values are kept, except that a bare last value made only of blanks and control
//   characters reads as empty: the old rule gave an empty value for a blank rest of a line.
//
// Where the old rule and RFC 4180 disagree, properly quoted text is read the RFC way: "a""b"
// is a"b (the old rule ended the value at the second quote and mangled the rest), and a quoted
// value may hold line ends. For text that is neither:
// - After a closing quote, blanks up to the next comma or the record end are dropped and any
//   other text is kept as it stands, so "Big" Mug reads as Big Mug. The old rule dropped the
//   one character after the closing quote as if it were the comma, which shifted later values.
// - A quote that is never closed makes the rest of the text its value (without the text's last
//   line end) and endedInQuote() tells; for a last line that is what the old rule gave. The
//   caller decides whether to warn: reading never fails for it.
// - A lone CR ends a record too; the old rule split lines at CR LF and LF only.
//
// Each record is found in one pass over the decoded text by index; values are cut out of it,
// with appends only where doubled quotes split a quoted value, so time grows linearly with the
// text whatever it holds.

namespace {

bool isBlank(const QChar *begin, qsizetype length)
{
    for (qsizetype i = 0; i < length; ++i) {
        if (begin[i].unicode() > u' ')
            return false;
    }
    return true;
}

// The first comma, CR or LF at or after pos, or n.
qsizetype valueEnd(const QChar *d, qsizetype pos, qsizetype n)
{
    while (pos < n) {
        const char16_t c = d[pos].unicode();
        if (c == u',' || c == u'\r' || c == u'\n')
            break;
        ++pos;
    }
    return pos;
}

} // namespace

bool CsvReader::read(QIODevice *device)
{
    if (!device || !device->isReadable()) {
        setText(QString());
        m_error = QStringLiteral("The file is not open for reading.");
        return false;
    }
    const QByteArray bytes = device->readAll();
    const auto *file = qobject_cast<const QFileDevice *>(device);
    if (file && file->error() != QFileDevice::NoError) {
        setText(QString());
        m_error = file->errorString();
        return false;
    }
    return setData(bytes);
}

bool CsvReader::setData(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) {
        setText(QString());
        m_error = QStringLiteral("The file holds binary data (a NUL byte at position %1), not comma-separated text.")
                      .arg(nul);
        return false;
    }
    Encoding encoding = Encoding::Utf8;
    setText(decode(bytes, &encoding));
    m_encoding = encoding;
    return true;
}

void CsvReader::setText(const QString &text)
{
    m_text = text;
    m_error.clear();
    m_encoding = Encoding::Utf8;
    rewind();
}

QStringList CsvReader::readRecord()
{
    QStringList values;
    if (!atEnd()) {
        values.reserve(m_lastRecordSize);
        m_pos = parseRecord(m_pos, &values, &m_endedInQuote);
        m_lastRecordSize = values.size();
    }
    return values;
}

QList<QStringList> CsvReader::readAll()
{
    QList<QStringList> records;
    while (!atEnd())
        records.append(readRecord());
    return records;
}

void CsvReader::rewind()
{
    m_pos = 0;
    m_endedInQuote = false;
}

qsizetype CsvReader::recordCount() const
{
    qsizetype count = 0;
    bool endedInQuote = false;
    for (qsizetype pos = 0; pos < m_text.size(); ++count)
        pos = parseRecord(pos, nullptr, &endedInQuote);
    return count;
}

QStringList CsvReader::rawLines() const
{
    QStringList lines;
    const QChar *d = m_text.constData();
    const qsizetype n = m_text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = d[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(m_text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && d[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(m_text.mid(start));
    return lines;
}

bool CsvReader::isBlankRecord(const QStringList &record)
{
    return record.size() == 1 && record.front().isEmpty();
}

QString CsvReader::decode(const QByteArray &bytes, Encoding *encoding)
{
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(body);
    const bool utf8 = !decoder.hasError();
    if (encoding)
        *encoding = utf8 ? Encoding::Utf8 : Encoding::Latin1;
    return utf8 ? text : QString::fromLatin1(body);
}

// Reads the record that starts at pos into values (when given) and returns where the next one
// starts. pos is before the end of the text.
qsizetype CsvReader::parseRecord(qsizetype pos, QStringList *values, bool *endedInQuote) const
{
    const QChar *d = m_text.constData();
    const qsizetype n = m_text.size();
    for (;;) {
        QString value;
        if (pos < n && d[pos] == u'"') {
            qsizetype segment = ++pos;
            for (;;) {
                qsizetype quote = m_text.indexOf(u'"', pos);
                if (quote < 0) {
                    qsizetype end = n;
                    if (end > segment && d[end - 1] == u'\n')
                        --end;
                    if (end > segment && d[end - 1] == u'\r')
                        --end;
                    if (values) {
                        value.append(QStringView(d + segment, end - segment));
                        values->append(value);
                    }
                    *endedInQuote = true;
                    return n;
                }
                const bool doubled = quote + 1 < n && d[quote + 1] == u'"';
                if (values)
                    value.append(QStringView(d + segment, quote + (doubled ? 1 : 0) - segment));
                pos = quote + (doubled ? 2 : 1);
                segment = pos;
                if (!doubled)
                    break;
            }
            const qsizetype end = valueEnd(d, pos, n);
            if (values && !isBlank(d + pos, end - pos))
                value.append(QStringView(d + pos, end - pos));
            pos = end;
        } else {
            const qsizetype end = valueEnd(d, pos, n);
            const bool lastValue = end == n || d[end] != u',';
            if (values && !(lastValue && isBlank(d + pos, end - pos)))
                value = m_text.mid(pos, end - pos);
            pos = end;
        }
        if (values)
            values->append(value);
        if (pos >= n)
            return n;
        const QChar separator = d[pos++];
        if (separator == u',')
            continue;
        if (separator == u'\r' && pos < n && d[pos] == u'\n')
            ++pos;
        return pos;
    }
}
