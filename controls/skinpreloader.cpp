#include "skinpreloader.h"

#include <QSet>

#include <future>

namespace Controls::SkinPreloader {

namespace {

struct Pending
{
    const char *bytes = nullptr;
    qsizetype size = 0;
    std::future<Skin::Result<Skin::SkinData>> result;
};

// Touched only by the main thread; the worker sees nothing but its own copy of the bytes' view.
Pending &pending()
{
    static Pending instance;
    return instance;
}

Skin::Result<Skin::SkinData> read(QByteArrayView bytes, QSize backgroundArea)
{
    auto skin = Skin::SkinData::fromContainerBytes(bytes);
    if (!skin)
        return skin;
    QSet<QByteArray> patterns;
    for (const Skin::SkinSection &section : skin->sections()) {
        for (const Skin::SectionLook *look : { &section.normal, &section.hot }) {
            if (!look->pattern.isEmpty() && look->imagePercent > 0)
                patterns.insert(look->pattern);
        }
    }
    for (const QByteArray &pattern : patterns) {
        const QSize size = skin->pictureSize(pattern);
        if (size.width() >= backgroundArea.width() && size.height() >= backgroundArea.height())
            skin.value().preparePictureRegion(pattern, QRect(QPoint(), backgroundArea));
    }
    return skin;
}

} // namespace

void start(const QByteArray &data, QSize backgroundArea)
{
    Pending &slot = pending();
    const QByteArrayView view(data);
    slot.bytes = data.constData();
    slot.size = data.size();
    slot.result = std::async(
        std::launch::async, [view, backgroundArea] { return read(view, backgroundArea); });
}

std::optional<Skin::Result<Skin::SkinData>> take(const QByteArray &data)
{
    Pending &slot = pending();
    if (!slot.result.valid() || slot.bytes != data.constData() || slot.size != data.size())
        return std::nullopt;
    slot.bytes = nullptr;
    return slot.result.get();
}

} // namespace Controls::SkinPreloader
