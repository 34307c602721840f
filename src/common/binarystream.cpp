#include "common/binarystream.h"

#include "common/cp1252.h"

#include <QtEndian>

#include <cstring>

namespace velunto {

ByteReader::ByteReader(QByteArrayView bytes, qsizetype start) : m_bytes(bytes), m_pos(0)
{
    seek(start);
}

void ByteReader::require(qsizetype count) const
{
    if (count < 0 || count > remaining())
        throw ReadError("unexpected end of data");
}

std::int32_t ByteReader::readInt32()
{
    require(4);
    const auto v = qFromLittleEndian<std::int32_t>(m_bytes.data() + m_pos);
    m_pos += 4;
    return v;
}

double ByteReader::readDouble()
{
    require(8);
    const auto bits = qFromLittleEndian<std::uint64_t>(m_bytes.data() + m_pos);
    m_pos += 8;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

QByteArrayView ByteReader::readBytes(qsizetype count)
{
    require(count);
    QByteArrayView v = m_bytes.sliced(m_pos, count);
    m_pos += count;
    return v;
}

QByteArray ByteReader::readRawStr()
{
    const std::int32_t n = readInt32();
    return readBytes(n).toByteArray();
}

QString ByteReader::readStr()
{
    const std::int32_t n = readInt32();
    return fromCp1252(readBytes(n));
}

void ByteReader::skip(qsizetype count)
{
    require(count);
    m_pos += count;
}

void ByteReader::seek(qsizetype position)
{
    if (position < 0 || position > m_bytes.size())
        throw ReadError("position beyond the data");
    m_pos = position;
}

void ByteWriter::writeInt32(std::int32_t value)
{
    char buf[4];
    qToLittleEndian(value, buf);
    m_data.append(buf, 4);
}

void ByteWriter::writeDouble(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    char buf[8];
    qToLittleEndian(bits, buf);
    m_data.append(buf, 8);
}

void ByteWriter::writeRawStr(QByteArrayView bytes)
{
    writeInt32(static_cast<std::int32_t>(bytes.size()));
    writeBytes(bytes);
}

void ByteWriter::writeStr(const QString& text)
{
    writeRawStr(toCp1252(text));
}

} // namespace velunto
