#include "optionsfile.h"

#include <QSet>

namespace Skin {

const OptionsKey *OptionsSection::find(QByteArrayView key) const
{
    for (const OptionsKey &entry : keys) {
        if (entry.key == key)
            return &entry;
    }
    return nullptr;
}

QByteArray OptionsSection::value(QByteArrayView key, const QByteArray &fallback) const
{
    const OptionsKey *entry = find(key);
    return entry ? entry->value : fallback;
}

const OptionsSection *OptionsFile::find(QByteArrayView name) const
{
    for (const OptionsSection &section : sections) {
        if (section.name == name)
            return &section;
    }
    return nullptr;
}

Result<OptionsFile> parseOptionsFile(QByteArrayView text)
{
    OptionsFile file;
    QSet<QByteArray> sectionNames;
    QSet<QByteArray> keyNames;
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArrayView trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        auto failure = [lineNumber](const QString &what) {
            return Error { QStringLiteral("line %1: %2").arg(lineNumber).arg(what) };
        };
        if (trimmed.contains('\0'))
            return failure(QStringLiteral("holds a NUL byte"));
        if (trimmed.startsWith('[')) {
            if (!trimmed.endsWith(']') || trimmed.size() < 3)
                return failure(QStringLiteral("malformed section head"));
            const QByteArray name = trimmed.sliced(1, trimmed.size() - 2).trimmed().toByteArray();
            if (name.isEmpty())
                return failure(QStringLiteral("empty section name"));
            if (sectionNames.contains(name))
                return failure(
                    QStringLiteral("section [%1] appears twice").arg(QString::fromLatin1(name)));
            sectionNames.insert(name);
            keyNames.clear();
            file.sections.append({ name, lineNumber, {} });
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            return failure(QStringLiteral("expected KEY=value or [SECTION]"));
        if (file.sections.isEmpty())
            return failure(QStringLiteral("key before the first section"));
        const QByteArray key = line.first(equals).trimmed().toByteArray();
        if (key.isEmpty())
            return failure(QStringLiteral("empty key"));
        OptionsSection &section = file.sections.last();
        if (keyNames.contains(key)) {
            return failure(QStringLiteral("key %1 appears twice in [%2]")
                               .arg(QString::fromLatin1(key), QString::fromLatin1(section.name)));
        }
        keyNames.insert(key);
        section.keys.append({ key, line.sliced(equals + 1).trimmed().toByteArray(), lineNumber });
    }
    return file;
}

QByteArray writeOptionsFile(const OptionsFile &file)
{
    QByteArray out;
    for (qsizetype i = 0; i < file.sections.size(); ++i) {
        const OptionsSection &section = file.sections.at(i);
        if (i > 0)
            out += "\r\n";
        out += '[' + section.name + "]\r\n";
        for (const OptionsKey &entry : section.keys)
            out += entry.key + '=' + entry.value + "\r\n";
    }
    return out;
}

} // namespace Skin
