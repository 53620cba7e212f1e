#pragma once

#include "result.h"

#include <QByteArray>
#include <QList>

namespace Skin {

/// One named entry of a packed skin container, inflated.
struct ContainerEntry
{
    QByteArray name;
    QByteArray data;
};

/// The entries of a packed skin container ("ASzf"), in container order.
struct PackedContainer
{
    QList<ContainerEntry> entries;
    /// Index of the options file entry ("Options.dat" in any case).
    int optionsIndex = -1;

    /// Bytes of the options file.
    const QByteArray &options() const { return entries.at(optionsIndex).data; }
    /// Number of pictures: every entry but the options file.
    int pictureCount() const { return int(entries.size()) - 1; }
    /// Index of the entry named `name` compared without case, or -1.
    int indexOf(QByteArrayView name) const;
    /// True when `name`'s upper-cased extension is ".BMP".
    static bool isBitmapName(QByteArrayView name);
};

/// The options file's entry name.
inline constexpr char optionsEntryName[] = "Options.dat";

/// Reads a packed skin container; every fault gives an error naming the entry and offset.
Result<PackedContainer> readPackedContainer(QByteArrayView bytes);

/// Writes entries as a packed skin container; the same entries always give the same bytes.
Result<QByteArray> writePackedContainer(const QList<ContainerEntry> &entries);

} // namespace Skin
