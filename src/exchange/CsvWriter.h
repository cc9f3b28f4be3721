#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// Writes comma-separated records to a device: UTF-8 without a byte-order mark, values joined by
// commas, every line ended by CR LF. Values are quoted by CsvField (a value holding a comma, a
// double quote, CR or LF is enclosed in double quotes, inner quotes doubled); in addition a last
// value made only of blanks is quoted, since a line ending in blanks reads as an empty last value.
//
// Each record is encoded at once and handed to the device in one write; file devices buffer it.
// The first failed write makes this and every later call return false; errorString() says why.
// Call flush() at the end: a file device may report a full disk only when its buffer is written.
class CsvWriter
{
public:
    explicit CsvWriter(QIODevice *device);

    bool writeRecord(const QStringList &values);
    // Writes the text as it stands, then CR LF (for a heading line whose labels are not quoted).
    bool writeLine(const QString &line);
    // Passes buffered bytes of a file device on to the system.
    bool flush();

    bool hasError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    bool writeLineBuffer();

    QIODevice *m_device;
    QString m_line;
    QString m_error;
};
