#include "optionvalues.h"

#include "color.h"

namespace Skin {

namespace {

// Larger numbers have no meaning in a skin and would overflow geometry arithmetic.
constexpr int numberLimit = 1'000'000;

QString quoted(QByteArrayView text)
{
    return QLatin1Char('"') + QString::fromLatin1(text.first(std::min<qsizetype>(text.size(), 64)))
        + QLatin1Char('"');
}

// Splits "<p>a<p>b…" into its fields; the text must start with the prefix.
Result<QList<QByteArrayView>> prefixedFields(
    QByteArrayView text, char prefix, qsizetype count, const char *what)
{
    if (!text.startsWith(prefix)) {
        return Error { QStringLiteral("%1 %2 must start with '%3'")
                           .arg(QLatin1StringView(what), quoted(text), QChar::fromLatin1(prefix)) };
    }
    QList<QByteArrayView> fields;
    qsizetype start = 1;
    while (true) {
        const qsizetype next = text.indexOf(prefix, start);
        fields.append(text.sliced(start, (next < 0 ? text.size() : next) - start));
        if (next < 0)
            break;
        start = next + 1;
    }
    if (count > 0 && fields.size() != count) {
        return Error { QStringLiteral("%1 %2 has %3 fields, expected %4")
                           .arg(QLatin1StringView(what), quoted(text))
                           .arg(fields.size())
                           .arg(count) };
    }
    return fields;
}

Result<QList<int>> numbers(const QList<QByteArrayView> &fields)
{
    QList<int> values;
    for (const QByteArrayView field : fields) {
        auto number = parseNumber(field);
        if (!number)
            return Error { number.error() };
        values.append(*number);
    }
    return values;
}

// The numbers of an "@" or "^" value: a rectangle (right and bottom exclusive) first and a state
// count at `statesField`; the rest are the caller's.
Result<std::pair<QList<int>, QRect>> rectangleFields(
    QByteArrayView text, char prefix, qsizetype count, qsizetype statesField, const char *what)
{
    auto fields = prefixedFields(text, prefix, count, what);
    if (!fields)
        return Error { fields.error() };
    auto values = numbers(*fields);
    if (!values)
        return Error { values.error() };
    const QList<int> &v = *values;
    if (v[0] < 0 || v[1] < 0 || v[2] <= v[0] || v[3] <= v[1])
        return Error { QStringLiteral("rectangle in %1 is empty or negative").arg(quoted(text)) };
    if (v[statesField] < 1 || v[statesField] > 64)
        return Error { QStringLiteral("state count in %1 is not 1…64").arg(quoted(text)) };
    return std::pair { v, QRect(QPoint(v[0], v[1]), QPoint(v[2] - 1, v[3] - 1)) };
}

} // namespace

QSize BordersMask::stateSize() const
{
    return { rect.width() / std::max(states, 1), rect.height() / (masked ? 2 : 1) };
}

QRect BordersMask::statePicture(int state) const
{
    const QSize size = stateSize();
    const int index = std::clamp(state, 0, std::max(states, 1) - 1);
    return { rect.left() + index * size.width(), rect.top(), size.width(), size.height() };
}

QRect BordersMask::stateMask(int state) const
{
    if (!masked)
        return {};
    return statePicture(state).translated(0, stateSize().height());
}

Result<int> parseNumber(QByteArrayView text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return Error { QStringLiteral("%1 is not a number").arg(quoted(text)) };
    if (value < -numberLimit || value > numberLimit)
        return Error { QStringLiteral("%1 is out of range").arg(quoted(text)) };
    return int(value);
}

Result<int> parsePercent(QByteArrayView text)
{
    auto value = parseNumber(text);
    if (value && (*value < 0 || *value > 100))
        return Error { QStringLiteral("%1 is not a percentage 0…100").arg(quoted(text)) };
    return value;
}

Result<QRgb> parseColor(QByteArrayView text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return Error { QStringLiteral("%1 is not a colour number").arg(quoted(text)) };
    if (value < 0 || value > 0xFFFFFF)
        return Error { QStringLiteral("colour %1 is out of range 0…16777215").arg(quoted(text)) };
    return rgbFromColorInt(quint32(value));
}

Result<bool> parseBool(QByteArrayView text)
{
    const QByteArrayView value = text.trimmed();
    if (value.compare("TRUE", Qt::CaseInsensitive) == 0 || value == "1")
        return true;
    if (value.compare("FALSE", Qt::CaseInsensitive) == 0 || value == "0")
        return false;
    return Error { QStringLiteral("%1 is not TRUE or FALSE").arg(quoted(text)) };
}

Result<MasterPicture> parseMasterPicture(QByteArrayView text)
{
    auto fields = rectangleFields(text, '@', 6, 4, "picture");
    if (!fields)
        return Error { fields.error() };
    const auto &[n, rect] = *fields;
    return MasterPicture { rect, n[4], n[5] != 0 };
}

Result<BordersMask> parseBordersMask(QByteArrayView text)
{
    auto fields = rectangleFields(text, '^', 12, 8, "borders mask");
    if (!fields)
        return Error { fields.error() };
    const auto &[n, rect] = *fields;
    if (n[4] < 0 || n[5] < 0 || n[6] < 0 || n[7] < 0)
        return Error { QStringLiteral("negative border in %1").arg(quoted(text)) };
    return BordersMask { rect, QMargins(n[4], n[5], n[6], n[7]), n[8], n[9] != 0, n[10], n[11] };
}

Result<EntryReference> parseEntryReference(QByteArrayView text)
{
    auto fields = prefixedFields(text, '!', 0, "reference");
    if (!fields)
        return Error { fields.error() };
    if (fields->first().isEmpty())
        return Error { QStringLiteral("reference %1 names no entry").arg(quoted(text)) };
    auto v = numbers(fields->sliced(1));
    if (!v)
        return Error { v.error() };
    return EntryReference { fields->first().toByteArray(), *v };
}

Result<Gradient> parseGradient(QByteArrayView text)
{
    const QByteArrayView value = text.trimmed();
    if (value.isEmpty() || value.compare("N/A", Qt::CaseInsensitive) == 0)
        return Gradient {};
    QList<QByteArrayView> fields;
    for (qsizetype start = 0;;) {
        const qsizetype next = value.indexOf(';', start);
        fields.append(value.sliced(start, (next < 0 ? value.size() : next) - start));
        if (next < 0)
            break;
        start = next + 1;
    }
    if (fields.size() % 5 != 0) {
        return Error { QStringLiteral("gradient %1 has %2 numbers, not groups of five")
                           .arg(quoted(text))
                           .arg(fields.size()) };
    }
    Gradient gradient;
    for (qsizetype i = 0; i < fields.size(); i += 5) {
        auto from = parseColor(fields[i]);
        auto to = parseColor(fields[i + 1]);
        auto share = parsePercent(fields[i + 2]);
        auto mode = parseNumber(fields[i + 3]);
        auto reserved = parseNumber(fields[i + 4]);
        for (const QString *error :
            { &from.error(), &to.error(), &share.error(), &mode.error(), &reserved.error() }) {
            if (!error->isEmpty())
                return Error { QStringLiteral("gradient group %1: %2").arg(i / 5 + 1).arg(*error) };
        }
        gradient.append({ *from, *to, *share, *mode, *reserved });
    }
    return gradient;
}

} // namespace Skin
