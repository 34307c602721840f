#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <stdexcept>

namespace velunto {

// Raised by ByteReader when the bytes end before a value is complete or a
// length cannot be right. Readers of outside bytes catch it at their top and
// report their own message.
class ReadError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reads little-endian values from a block of bytes. Every read checks the
// length against the bytes that remain before touching or allocating anything.
class ByteReader
{
public:
    explicit ByteReader(QByteArrayView bytes, qsizetype start = 0);

    qsizetype position() const { return m_pos; }
    qsizetype remaining() const { return m_bytes.size() - m_pos; }
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    QByteArrayView bytes() const { return m_bytes; }

    std::int32_t readInt32();
    double readDouble();
    // A length-prefixed string: Int32 byte count, then the bytes in code page 1252.
    QString readStr();
    QByteArray readRawStr();
    QByteArrayView readBytes(qsizetype count);
    void skip(qsizetype count);
    void seek(qsizetype position);

private:
    void require(qsizetype count) const;

    QByteArrayView m_bytes;
    qsizetype m_pos;
};

// Appends little-endian values to a byte array.
class ByteWriter
{
public:
    void writeInt32(std::int32_t value);
    void writeDouble(double value);
    // Writes text as code page 1252 with its Int32 byte count.
    void writeStr(const QString& text);
    void writeRawStr(QByteArrayView bytes);
    void writeBytes(QByteArrayView bytes) { m_data.append(bytes.data(), bytes.size()); }

    QByteArray& data() { return m_data; }
    const QByteArray& data() const { return m_data; }

private:
    QByteArray m_data;
};

} // namespace velunto
