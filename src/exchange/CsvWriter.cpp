#include "exchange/CsvWriter.h"

#include "app/TextHelpers.h"

#include <QFileDevice>
#include <QIODevice>

namespace {

bool isBlank(const QString &value)
{
    for (const QChar c : value) {
        if (c.unicode() > u' ')
            return false;
    }
    return true;
}

} // namespace

CsvWriter::CsvWriter(QIODevice *device)
    : m_device(device)
{
}

bool CsvWriter::writeRecord(const QStringList &values)
{
    m_line.resize(0);
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            m_line += u',';
        const QString &value = values.at(i);
        const QString field = CsvField(value);
        if (i == values.size() - 1 && !value.isEmpty() && field.size() == value.size() && isBlank(value))
            m_line += QuoteDouble(value);
        else
            m_line += field;
    }
    return writeLineBuffer();
}

bool CsvWriter::writeLine(const QString &line)
{
    m_line = line;
    return writeLineBuffer();
}

// Encodes the line in m_line and writes it, CR LF added, in one piece.
bool CsvWriter::writeLineBuffer()
{
    if (hasError())
        return false;
    if (!m_device || !m_device->isWritable()) {
        m_error = QStringLiteral("The file is not open for writing.");
        return false;
    }
    m_line += u"\r\n";
    const QByteArray bytes = m_line.toUtf8();
    const qint64 written = m_device->write(bytes);
    if (written == bytes.size())
        return true;
    m_error = m_device->errorString();
    if (m_error.isEmpty())
        m_error = QStringLiteral("The file could not be written.");
    return false;
}

bool CsvWriter::flush()
{
    if (hasError())
        return false;
    auto *file = qobject_cast<QFileDevice *>(m_device);
    if (file && !file->flush()) {
        m_error = file->errorString();
        if (m_error.isEmpty())
            m_error = QStringLiteral("The file could not be written.");
        return false;
    }
    return true;
}
