#include "packedcontainer.h"

#include <QSet>

#include <zlib.h>

#include <cstring>
#include <limits>

namespace Skin {

namespace {

constexpr char magic[] = "ASzf";
// Deflate cannot expand better than about 1032:1, so a size beyond that is a lie.
constexpr qint64 maxInflateRatio = 1032;
constexpr qint64 maxEntrySize = 256 * 1024 * 1024;
// Smallest entry: name length, size and an empty zlib stream (2 + 2 + 4 bytes).
constexpr qint64 minEntryBytes = 4 + 4 + 8;

class Reader
{
public:
    explicit Reader(QByteArrayView bytes)
        : m_bytes(bytes)
    { }

    qint64 offset() const { return m_offset; }
    qint64 remaining() const { return m_bytes.size() - m_offset; }
    bool readUInt32(quint32 &value)
    {
        if (remaining() < 4)
            return false;
        const auto *p = reinterpret_cast<const uchar *>(m_bytes.data() + m_offset);
        value = quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
        m_offset += 4;
        return true;
    }
    QByteArrayView take(qint64 length)
    {
        const QByteArrayView view = m_bytes.sliced(m_offset, length);
        m_offset += length;
        return view;
    }
    QByteArrayView rest() const { return m_bytes.sliced(m_offset); }
    void skip(qint64 length) { m_offset += length; }

private:
    QByteArrayView m_bytes;
    qint64 m_offset = 0;
};

QString where(int index, const QByteArray &name, qint64 offset)
{
    if (name.isNull())
        return QStringLiteral("entry %1 at offset %2").arg(index).arg(offset);
    return QStringLiteral("entry %1 '%2' at offset %3")
        .arg(index)
        .arg(QString::fromLatin1(name))
        .arg(offset);
}

// Inflates exactly `size` bytes from one zlib stream at the start of `input`;
// `consumed` receives the stream's length so the next entry can start after it.
std::optional<QString> inflateEntry(
    QByteArrayView input, qint64 size, QByteArray &output, qint64 &consumed)
{
    z_stream stream {};
    if (inflateInit(&stream) != Z_OK)
        return QStringLiteral("cannot start inflating");
    output = QByteArray(size, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(input.data()));
    stream.avail_in = uInt(std::min<qint64>(input.size(), std::numeric_limits<uInt>::max()));
    stream.next_out = reinterpret_cast<Bytef *>(output.data());
    stream.avail_out = uInt(size);
    // One spare byte of output shows a stream that holds more than `size` bytes.
    char spare = 0;
    int status = Z_OK;
    while (status == Z_OK) {
        if (stream.avail_out == 0 && stream.total_out == uLong(size)) {
            stream.next_out = reinterpret_cast<Bytef *>(&spare);
            stream.avail_out = 1;
        }
        status = inflate(&stream, Z_NO_FLUSH);
        if (status == Z_BUF_ERROR && stream.avail_in == 0)
            break;
    }
    const qint64 produced = qint64(stream.total_out);
    consumed = qint64(stream.total_in);
    const QString message = stream.msg ? QString::fromLatin1(stream.msg) : QString();
    inflateEnd(&stream);

    if (produced > size)
        return QStringLiteral("stream inflates to more than %1 bytes").arg(size);
    if (status == Z_STREAM_END) {
        if (produced != size)
            return QStringLiteral("stream inflates to %1 bytes, %2 expected")
                .arg(produced)
                .arg(size);
        return std::nullopt;
    }
    if (status == Z_DATA_ERROR || status == Z_NEED_DICT || status == Z_MEM_ERROR)
        return QStringLiteral("corrupt stream (%1)")
            .arg(message.isEmpty() ? QStringLiteral("zlib error") : message);
    return QStringLiteral("stream ends after %1 of %2 bytes").arg(produced).arg(size);
}

} // namespace

int PackedContainer::indexOf(QByteArrayView name) const
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool PackedContainer::isBitmapName(QByteArrayView name)
{
    const qsizetype dot = name.lastIndexOf('.');
    return dot >= 0 && name.sliced(dot).compare(".BMP", Qt::CaseInsensitive) == 0;
}

Result<PackedContainer> readPackedContainer(QByteArrayView bytes)
{
    Reader reader(bytes);
    if (bytes.size() < 4 || std::memcmp(bytes.data(), magic, 4) != 0)
        return Error { QStringLiteral("Loaded data is not a packed skin file") };
    reader.skip(4);

    quint32 count = 0;
    if (!reader.readUInt32(count))
        return Error { QStringLiteral("truncated header: no entry count at offset 4") };
    if (count == 0)
        return Error { QStringLiteral("container has no entries (count 0 at offset 4)") };
    if (qint64(count) > reader.remaining() / minEntryBytes) {
        return Error { QStringLiteral(
            "entry count %1 at offset 4 cannot fit in the %2 bytes that follow")
                           .arg(count)
                           .arg(reader.remaining()) };
    }

    PackedContainer container;
    container.entries.reserve(count);
    QSet<QByteArray> seen;
    for (int index = 0; index < int(count); ++index) {
        const qint64 entryOffset = reader.offset();
        quint32 nameLength = 0;
        if (!reader.readUInt32(nameLength))
            return Error { where(index, {}, entryOffset)
                + QStringLiteral(": truncated name length") };
        if (nameLength == 0)
            return Error { where(index, {}, entryOffset) + QStringLiteral(": empty name") };
        if (qint64(nameLength) > reader.remaining()) {
            return Error { where(index, {}, entryOffset)
                + QStringLiteral(": name length %1 runs past the end (%2 bytes left)")
                      .arg(nameLength)
                      .arg(reader.remaining()) };
        }
        const QByteArray name = reader.take(nameLength).toByteArray();
        if (name.contains('\0') || name.contains('/') || name.contains('\\'))
            return Error { where(index, name, entryOffset)
                + QStringLiteral(": name holds a forbidden character") };
        const QByteArray folded = name.toUpper();
        if (seen.contains(folded))
            return Error { where(index, name, entryOffset) + QStringLiteral(": duplicate name") };
        seen.insert(folded);

        const qint64 sizeOffset = reader.offset();
        quint32 size = 0;
        if (!reader.readUInt32(size))
            return Error { where(index, name, entryOffset)
                + QStringLiteral(": truncated size at offset %1").arg(sizeOffset) };
        if (qint64(size) > maxEntrySize
            || qint64(size) > reader.remaining() * maxInflateRatio + 64) {
            return Error { where(index, name, entryOffset)
                + QStringLiteral(": size %1 cannot come from the %2 bytes left")
                      .arg(size)
                      .arg(reader.remaining()) };
        }

        const qint64 streamOffset = reader.offset();
        QByteArray data;
        qint64 consumed = 0;
        if (auto failure = inflateEntry(reader.rest(), size, data, consumed)) {
            return Error { where(index, name, entryOffset)
                + QStringLiteral(": %1 (stream at offset %2)").arg(*failure).arg(streamOffset) };
        }
        reader.skip(consumed);
        if (folded == QByteArray(optionsEntryName).toUpper())
            container.optionsIndex = index;
        container.entries.append({ name, std::move(data) });
    }
    if (reader.remaining() > 0) {
        return Error { QStringLiteral("%1 unexpected bytes after the last entry at offset %2")
                           .arg(reader.remaining())
                           .arg(reader.offset()) };
    }
    if (container.optionsIndex < 0)
        return Error {
            QStringLiteral("container has no \"%1\" entry").arg(QLatin1StringView(optionsEntryName))
        };
    return container;
}

Result<QByteArray> writePackedContainer(const QList<ContainerEntry> &entries)
{
    QByteArray out(magic, 4);
    auto appendUInt32 = [&out](quint32 value) {
        const char bytes[4]
            = { char(value), char(value >> 8), char(value >> 16), char(value >> 24) };
        out.append(bytes, 4);
    };
    appendUInt32(quint32(entries.size()));
    QSet<QByteArray> seen;
    bool hasOptions = false;
    for (const ContainerEntry &entry : entries) {
        const QByteArray folded = entry.name.toUpper();
        if (entry.name.isEmpty() || seen.contains(folded))
            return Error { QStringLiteral("entry name '%1' is empty or repeated")
                               .arg(QString::fromLatin1(entry.name)) };
        if (entry.data.size() > maxEntrySize)
            return Error {
                QStringLiteral("entry '%1' is too large").arg(QString::fromLatin1(entry.name))
            };
        seen.insert(folded);
        hasOptions = hasOptions || folded == QByteArray(optionsEntryName).toUpper();

        appendUInt32(quint32(entry.name.size()));
        out.append(entry.name);
        appendUInt32(quint32(entry.data.size()));
        uLongf packedSize = compressBound(uLong(entry.data.size()));
        QByteArray packed(qsizetype(packedSize), Qt::Uninitialized);
        if (compress2(reinterpret_cast<Bytef *>(packed.data()), &packedSize,
                reinterpret_cast<const Bytef *>(entry.data.constData()), uLong(entry.data.size()),
                Z_BEST_COMPRESSION)
            != Z_OK) {
            return Error {
                QStringLiteral("cannot compress entry '%1'").arg(QString::fromLatin1(entry.name))
            };
        }
        out.append(packed.constData(), qsizetype(packedSize));
    }
    if (!hasOptions)
        return Error {
            QStringLiteral("no \"%1\" entry to write").arg(QLatin1StringView(optionsEntryName))
        };
    return out;
}

} // namespace Skin
