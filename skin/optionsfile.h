#pragma once

#include "result.h"

#include <QByteArray>
#include <QList>

namespace Skin {

/// One "KEY=value" line of an options file.
struct OptionsKey
{
    QByteArray key;
    QByteArray value;
    int line = 0;
};

/// One "[NAME]" section with its keys in file order.
struct OptionsSection
{
    QByteArray name;
    int line = 0;
    QList<OptionsKey> keys;

    /// The key named exactly `key`, or nullptr.
    const OptionsKey *find(QByteArrayView key) const;
    /// The value of `key`, or `fallback` when the key is absent.
    QByteArray value(QByteArrayView key, const QByteArray &fallback = {}) const;
};

/// An INI-style options file: sections in file order.
struct OptionsFile
{
    QList<OptionsSection> sections;

    /// The section named exactly `name`, or nullptr.
    const OptionsSection *find(QByteArrayView name) const;
};

/// Parses an options file (CRLF or LF line ends); errors name the line.
Result<OptionsFile> parseOptionsFile(QByteArrayView text);

/// Writes an options file: CRLF line ends, a blank line between sections.
QByteArray writeOptionsFile(const OptionsFile &file);

} // namespace Skin
