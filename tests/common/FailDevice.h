#pragma once

#include <QBuffer>

// A buffer that takes the first `capacity` bytes written to it and then fails, as a full disk
// does: a write that does not fit stores what fits and reports the shortfall.
class FailDevice : public QBuffer
{
public:
    explicit FailDevice(qint64 capacity)
        : m_capacity(capacity)
    {
    }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 room = qMax<qint64>(0, m_capacity - m_written);
        if (length <= room) {
            m_written += length;
            return QBuffer::writeData(data, length);
        }
        setErrorString(QStringLiteral("No space left on device"));
        if (room == 0)
            return -1;
        m_written += room;
        return QBuffer::writeData(data, room);
    }

private:
    qint64 m_capacity;
    qint64 m_written = 0;
};
