#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

// Reads comma-separated text: the files CsvWriter writes (RFC 4180) and the simple lines of older
// files and other programs, which it reads exactly as the import always has.
//
// Bytes are decoded for the whole file at once: UTF-8, with or without a byte-order mark, when
// they are valid UTF-8, otherwise Latin-1. Bytes holding a NUL are refused as binary data.
//
// A record ends at CR LF, LF or a lone CR outside quotes, so a quoted value may span lines;
// record counts and positions are therefore in records, not in text lines. See CsvReader.cpp
// for the reading rules in full.
class CsvReader
{
public:
    enum class Encoding { Utf8, Latin1 };

    // Reads everything left on the device and decodes it. False, with errorString(), when the
    // device cannot be read or the bytes are binary data; the reader is then empty.
    bool read(QIODevice *device);
    // The same for the whole content of a file already in memory.
    bool setData(const QByteArray &bytes);
    // Text that is already decoded.
    void setText(const QString &text);

    QString errorString() const { return m_error; }
    Encoding encoding() const { return m_encoding; }
    const QString &text() const { return m_text; }

    // The next record, each value as read; an empty list at the end (a record has at least one value).
    QStringList readRecord();
    // The records not read yet.
    QList<QStringList> readAll();
    bool atEnd() const { return m_pos >= m_text.size(); }
    // Reads again from the first record.
    void rewind();
    // True when the text ended inside a quoted value: that value took the rest of the text.
    bool endedInQuote() const { return m_endedInQuote; }

    // How many records the whole text holds, wherever reading stands.
    qsizetype recordCount() const;
    // The text lines, each without its line end (CR LF, LF or CR), as a viewer shows them.
    QStringList rawLines() const;

    // True for the record a blank line gives: one empty value.
    static bool isBlankRecord(const QStringList &record);
    // UTF-8 (a leading byte-order mark dropped) when the bytes are valid UTF-8, otherwise Latin-1.
    static QString decode(const QByteArray &bytes, Encoding *encoding = nullptr);

private:
    qsizetype parseRecord(qsizetype pos, QStringList *values, bool *endedInQuote) const;

    QString m_text;
    QString m_error;
    Encoding m_encoding = Encoding::Utf8;
    qsizetype m_pos = 0;
    qsizetype m_lastRecordSize = 0;
    bool m_endedInQuote = false;
};
