#include "skindata.h"

#include "jpegcodec.h"
#include "picturedecoder.h"

#include <future>

namespace Skin {

namespace {

QString where(const OptionsSection &section, const OptionsKey &key)
{
    return QStringLiteral("section [%1], key %2, line %3")
        .arg(QString::fromLatin1(section.name), QString::fromLatin1(key.key))
        .arg(key.line);
}

// Reads the typed keys of one section; a malformed known value fails with its place.
class SectionReader
{
public:
    explicit SectionReader(const OptionsSection &section)
        : m_section(section)
    { }

    template <typename T, typename Parse> void read(const char *key, T &target, Parse parse)
    {
        const OptionsKey *entry = m_section.find(key);
        if (!entry || !m_error.isEmpty())
            return;
        auto value = parse(entry->value);
        if (value)
            target = *value;
        else
            m_error = where(m_section, *entry) + QStringLiteral(": ") + value.error();
    }
    bool has(QByteArrayView key) const { return m_section.find(key) != nullptr; }
    const QString &error() const { return m_error; }

private:
    const OptionsSection &m_section;
    QString m_error;
};

Result<QByteArray> parsePattern(QByteArrayView text)
{
    const QByteArrayView value = text.trimmed();
    if (value.compare("N/A", Qt::CaseInsensitive) == 0)
        return QByteArray();
    return value.toByteArray();
}

// The keys of one look; the hot look's carry the prefix "HOT".
void readLook(SectionReader &reader, const QByteArray &prefix, SectionLook &look)
{
    reader.read(prefix + "COLOR", look.color, parseColor);
    reader.read(prefix + "FONTCOLOR", look.fontColor, parseColor);
    reader.read(prefix + "TRANSPARENCY", look.transparency, parsePercent);
    reader.read(prefix + "GRADIENTDATA", look.gradient, parseGradient);
    reader.read(prefix + "GRADIENTPERCENT", look.gradientPercent, parsePercent);
    reader.read(prefix + "PATTERN", look.pattern, parsePattern);
    reader.read(prefix + "IMAGEPERCENT", look.imagePercent, parsePercent);
}

Result<SkinSection> readSection(const OptionsSection &options, QRgb globalColor)
{
    SkinSection section;
    section.name = options.name;
    section.options = options;
    section.normal.color = globalColor;
    SectionReader reader(options);
    reader.read("STATES", section.states, parseNumber);
    readLook(reader, "", section.normal);
    // Hot values that the section leaves out are its normal ones.
    section.hot = section.normal;
    readLook(reader, "HOT", section.hot);
    reader.read("FADINGENABLED", section.fadingEnabled, parseBool);
    reader.read("FADINGITERATIONS", section.fadingIterations, parseNumber);
    reader.read("GIVEOWNFONT", section.giveOwnFont, parseBool);
    if (reader.has("BORDERSMASK")) {
        BordersMask mask;
        reader.read("BORDERSMASK", mask, parseBordersMask);
        section.bordersMask = mask;
    }
    if (!reader.error().isEmpty())
        return Error { reader.error() };
    if (section.states < 1 || section.states > 64) {
        return Error { where(options, *options.find("STATES"))
            + QStringLiteral(": %1 states is not 1…64").arg(section.states) };
    }
    if (section.fadingIterations < 0 || section.fadingIterations > 1000) {
        return Error { where(options, *options.find("FADINGITERATIONS"))
            + QStringLiteral(": %1 iterations is not 0…1000").arg(section.fadingIterations) };
    }
    return section;
}

} // namespace

Result<SkinData> SkinData::fromContainerBytes(QByteArrayView bytes)
{
    auto container = readPackedContainer(bytes);
    if (!container)
        return Error { container.error() };
    return fromContainer(std::move(container).value());
}

Result<SkinData> SkinData::fromContainer(PackedContainer container)
{
    auto options = parseOptionsFile(container.options());
    if (!options)
        return Error { QStringLiteral("%1: %2").arg(
            QLatin1StringView(optionsEntryName), options.error()) };
    const OptionsFile &file = *options;
    if (file.sections.isEmpty() || file.sections.first().name != "GLOBALINFO")
        return Error { QStringLiteral("%1: the first section is not [GLOBALINFO]")
                           .arg(QLatin1StringView(optionsEntryName)) };

    SkinData skin;
    skin.m_globalInfo = file.sections.first();
    QRgb globalColor = 0xFF000000;
    SectionReader global(skin.m_globalInfo);
    global.read("COLOR", globalColor, parseColor);
    if (!global.error().isEmpty())
        return Error { global.error() };

    for (qsizetype i = 1; i < file.sections.size(); ++i) {
        auto section = readSection(file.sections.at(i), globalColor);
        if (!section)
            return Error { section.error() };
        skin.m_index.insert(section->name, int(skin.m_sections.size()));
        skin.m_sections.append(std::move(section).value());
    }
    skin.m_tabBottomIndex = skin.indexOf("TABBOTTOM");

    const QByteArray masterName = skin.m_globalInfo.value("MASTERBITMAP");
    const int masterIndex = container.indexOf(masterName);
    if (masterName.isEmpty() || masterIndex < 0) {
        return Error { QStringLiteral("master bitmap \"%1\" is not in the container")
                           .arg(QString::fromLatin1(masterName)) };
    }
    auto master = decodePicture(container.entries.at(masterIndex).data);
    if (!master) {
        return Error { QStringLiteral("master bitmap \"%1\": %2")
                           .arg(QString::fromLatin1(masterName), master.error()) };
    }
    skin.m_master = std::move(master).value();
    skin.m_container = std::move(container);
    return skin;
}

int SkinData::indexOf(QByteArrayView name) const
{
    if (name.isEmpty())
        return -1;
    return m_index.value(name.toByteArray(), -1);
}

QImage SkinData::picture(QByteArrayView name) const
{
    const QByteArray key = name.toByteArray().toUpper();
    if (auto found = m_pictures.constFind(key); found != m_pictures.constEnd())
        return *found;
    const int index = m_container.indexOf(name);
    QImage image;
    if (index >= 0 && index != m_container.optionsIndex) {
        if (auto decoded = decodePicture(m_container.entries.at(index).data))
            image = std::move(decoded).value();
    }
    m_pictures.insert(key, image);
    return image;
}

namespace {

bool isJpeg(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xD8");
}

} // namespace

QSize SkinData::pictureSize(QByteArrayView name) const
{
    const int index = m_container.indexOf(name);
    if (index >= 0 && isJpeg(m_container.entries.at(index).data)) {
        const auto size = jpegSize(m_container.entries.at(index).data);
        return size ? *size : QSize();
    }
    return picture(name).size();
}

struct SkinData::PreparedRegion
{
    QRect rect;
    std::future<Result<QImage>> image;
};

QImage SkinData::pictureRegion(QByteArrayView name, const QRect &region) const
{
    const QByteArray key = name.toByteArray().toUpper();
    if (auto found = m_preparedRegions.find(key);
        found != m_preparedRegions.end() && (*found)->rect.contains(region)) {
        auto decoded = (*found)->image.get();
        m_preparedRegions.erase(found);
        if (!decoded)
            return {};
        // The part is handed out in place: the view keeps the prepared picture alive.
        auto *owner = new QImage(std::move(decoded).value());
        uchar *origin = owner->bits() + region.y() * owner->bytesPerLine() + region.x() * 4;
        return QImage(
            origin, region.width(), region.height(), owner->bytesPerLine(), owner->format(),
            [](void *image) { delete static_cast<QImage *>(image); }, owner);
    }
    const int index = m_container.indexOf(name);
    if (index >= 0 && isJpeg(m_container.entries.at(index).data) && !m_pictures.contains(key)) {
        auto decoded = decodeJpeg(m_container.entries.at(index).data, region);
        return decoded ? std::move(decoded).value() : QImage();
    }
    return picture(name).copy(region);
}

void SkinData::preparePictureRegion(QByteArrayView name, const QRect &region)
{
    const int index = m_container.indexOf(name);
    if (index < 0 || !isJpeg(m_container.entries.at(index).data))
        return;
    const QRect area = region.intersected(QRect(QPoint(), pictureSize(name)));
    if (area.isEmpty() || area.topLeft() != QPoint())
        return;
    auto prepared = std::make_shared<PreparedRegion>();
    prepared->rect = area;
    // The entry's bytes are shared, not copied, and stay alive with the task.
    prepared->image = std::async(std::launch::async,
        [bytes = m_container.entries.at(index).data, area] { return decodeJpeg(bytes, area); });
    m_preparedRegions.insert(name.toByteArray().toUpper(), std::move(prepared));
}

} // namespace Skin
