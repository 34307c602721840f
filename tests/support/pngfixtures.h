#pragma once

// PNG datastreams assembled by hand, so that tests can make every colour
// type, bit depth and interlace method, and broken streams too.

#include <QByteArray>
#include <QtEndian>

#include <functional>
#include <vector>

#include <zlib.h>

namespace velunto::testing {

inline QByteArray bigEndian32(quint32 v)
{
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}

inline QByteArray pngChunk(const char* type, const QByteArray& data)
{
    QByteArray typeAndData = QByteArray(type, 4) + data;
    const uLong crc =
        crc32(0, reinterpret_cast<const Bytef*>(typeAndData.constData()), uInt(typeAndData.size()));
    return bigEndian32(quint32(data.size())) + typeAndData + bigEndian32(quint32(crc));
}

inline QByteArray pngSignature()
{
    return QByteArray("\x89PNG\r\n\x1a\n", 8);
}

inline QByteArray pngHeader(quint32 width, quint32 height, int bitDepth, int colourType,
                            bool interlaced)
{
    QByteArray ihdr = bigEndian32(width) + bigEndian32(height);
    ihdr += char(bitDepth);
    ihdr += char(colourType);
    ihdr += char(0);
    ihdr += char(0);
    ihdr += char(interlaced ? 1 : 0);
    return pngChunk("IHDR", ihdr);
}

inline QByteArray zlibCompress(const QByteArray& raw)
{
    uLongf size = compressBound(uLong(raw.size()));
    QByteArray out(qsizetype(size), '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size,
             reinterpret_cast<const Bytef*>(raw.constData()), uLong(raw.size()));
    out.truncate(qsizetype(size));
    return out;
}

struct RawPng
{
    int width = 1;
    int height = 1;
    int colourType = 2;
    int bitDepth = 8;
    bool interlaced = false;
    QByteArray palette;      // PLTE content, for colour type 3
    QByteArray transparency; // tRNS content, empty for none
    // The samples of pixel (x, y), one per channel, each below 2^bitDepth.
    std::function<std::vector<unsigned>(int x, int y)> samples;
};

inline int channelCount(int colourType)
{
    switch (colourType) {
    case 2:
        return 3;
    case 4:
        return 2;
    case 6:
        return 4;
    default:
        return 1;
    }
}

// Scanlines of the pixels (x0 + i dx, y0 + j dy), each with filter byte 0.
inline QByteArray pngScanlines(const RawPng& p, int x0, int y0, int dx, int dy)
{
    QByteArray raw;
    const int channels = channelCount(p.colourType);
    for (int y = y0; y < p.height; y += dy) {
        if (x0 >= p.width)
            break;
        raw += char(0);
        unsigned bitBuffer = 0;
        int bits = 0;
        for (int x = x0; x < p.width; x += dx) {
            const std::vector<unsigned> s = p.samples(x, y);
            for (int c = 0; c < channels; ++c) {
                if (p.bitDepth == 16) {
                    raw += char(s[c] >> 8);
                    raw += char(s[c] & 0xFF);
                } else if (p.bitDepth == 8) {
                    raw += char(s[c]);
                } else {
                    bitBuffer = (bitBuffer << p.bitDepth) | s[c];
                    bits += p.bitDepth;
                    if (bits == 8) {
                        raw += char(bitBuffer);
                        bitBuffer = 0;
                        bits = 0;
                    }
                }
            }
        }
        if (bits > 0)
            raw += char(bitBuffer << (8 - bits));
    }
    return raw;
}

inline QByteArray buildPng(const RawPng& p)
{
    QByteArray raw;
    if (p.interlaced) {
        static const int adam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                        {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
        for (const auto& pass : adam7)
            raw += pngScanlines(p, pass[0], pass[1], pass[2], pass[3]);
    } else {
        raw = pngScanlines(p, 0, 0, 1, 1);
    }
    QByteArray png = pngSignature() + pngHeader(quint32(p.width), quint32(p.height), p.bitDepth,
                                                p.colourType, p.interlaced);
    if (!p.palette.isEmpty())
        png += pngChunk("PLTE", p.palette);
    if (!p.transparency.isEmpty())
        png += pngChunk("tRNS", p.transparency);
    png += pngChunk("IDAT", zlibCompress(raw));
    png += pngChunk("IEND", {});
    return png;
}

} // namespace velunto::testing
