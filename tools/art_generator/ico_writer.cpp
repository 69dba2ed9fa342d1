// SPDX-License-Identifier: MIT
#include "ico_writer.h"

#include <QBuffer>
#include <QtEndian>

namespace
{

void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace

QByteArray icoFile(const QList<QImage>& images)
{
    QList<QByteArray> entries;
    for (const QImage& image : images) {
        if (image.width() != image.height() || image.width() < 1 || image.width() > 256)
            return {};
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG"))
            return {};
        entries << png;
    }

    constexpr int headerSize = 6, directoryEntrySize = 16;
    QByteArray out;
    put16(out, 0);                      // reserved
    put16(out, 1);                      // resource type: icon
    put16(out, quint16(images.size())); // number of images
    quint32 offset = headerSize + directoryEntrySize * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        out.append(char(size == 256 ? 0 : size)); // width, 0 means 256
        out.append(char(size == 256 ? 0 : size)); // height
        out.append(char(0));                      // no palette
        out.append(char(0));                      // reserved
        put16(out, 1);                            // colour planes
        put16(out, 32);                           // bits per pixel
        put32(out, quint32(entries[i].size()));
        put32(out, offset);
        offset += quint32(entries[i].size());
    }
    for (const QByteArray& entry : entries)
        out.append(entry);
    return out;
}
