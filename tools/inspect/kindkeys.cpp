#include "kindkeys.h"

#include "controls/imagelist.h"
#include "controls/pagecontrol.h"
#include "controls/skinmanager.h"
#include "controls/speedbutton.h"
#include "controls/tabsheet.h"
#include "controls/windowskinprovider.h"

#include <QJsonArray>
#include <QMetaEnum>
#include <QMetaProperty>

#include <functional>

namespace Inspect {

namespace {

using Provider = std::function<void(const QObject *, QJsonObject &)>;

template <typename T>
std::pair<const QMetaObject *, Provider> kind(std::function<void(const T *, QJsonObject &)> keys)
{
    return { &T::staticMetaObject, [keys](const QObject *object, QJsonObject &entry) {
                keys(static_cast<const T *>(object), entry);
            } };
}

// A non-visual component's settings are its properties, under their own names.
void settings(const QObject *object, QJsonObject &entry)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QVariant value = property.read(object);
        if (property.isEnumType())
            entry.insert(QLatin1String(property.name()),
                QLatin1String(property.enumerator().valueToKey(value.toInt())));
        else
            entry.insert(QLatin1String(property.name()), QJsonValue::fromVariant(value));
    }
}

QJsonArray internalSkins(const Controls::SkinManager *manager)
{
    QJsonArray skins;
    for (const Controls::InternalSkin &skin : manager->internalSkins()) {
        skins.append(QJsonObject {
            { QStringLiteral("name"), skin.name },
            { QStringLiteral("shadow1Color"), skin.shadow1Color.name() },
            { QStringLiteral("shadow1Offset"), skin.shadow1Offset },
            { QStringLiteral("shadow1Transparency"), skin.shadow1Transparency },
            { QStringLiteral("size"), skin.data.size() },
        });
    }
    return skins;
}

const QList<std::pair<const QMetaObject *, Provider>> &providers()
{
    static const QList<std::pair<const QMetaObject *, Provider>> list = {
        kind<Controls::SkinManager>([](const Controls::SkinManager *manager, QJsonObject &entry) {
            settings(manager, entry);
            entry.insert(QStringLiteral("internalSkins"), internalSkins(manager));
        }),
        kind<Controls::WindowSkinProvider>(
            [](const Controls::WindowSkinProvider *provider, QJsonObject &entry) {
                settings(provider, entry);
                entry.insert(QStringLiteral("clientOffsetX"), provider->clientOffset().x());
                entry.insert(QStringLiteral("clientOffsetY"), provider->clientOffset().y());
            }),
        kind<Controls::ImageList>(settings),
        kind<Controls::PageControl>([](const Controls::PageControl *control, QJsonObject &entry) {
            const Controls::TabSheet *active = control->activePage();
            entry.insert(QStringLiteral("activePageIndex"), control->activePageIndex());
            entry.insert(QStringLiteral("activePage"),
                active ? QJsonValue(active->objectName()) : QJsonValue(QJsonValue::Null));
            entry.insert(QStringLiteral("pageCount"), control->pageCount());
            entry.insert(QStringLiteral("tabPosition"),
                QLatin1String(QMetaEnum::fromType<Controls::PageControl::TabPosition>().valueToKey(
                    control->tabPosition())));
            entry.insert(QStringLiteral("ownerDraw"), control->ownerDraw());
        }),
        kind<Controls::TabSheet>([](const Controls::TabSheet *sheet, QJsonObject &entry) {
            entry.insert(QStringLiteral("caption"), sheet->caption());
            entry.insert(QStringLiteral("tabVisible"), sheet->isTabVisible());
            entry.insert(QStringLiteral("pageIndex"), sheet->pageIndex());
        }),
        kind<Controls::SpeedButton>([](const Controls::SpeedButton *button, QJsonObject &entry) {
            entry.insert(QStringLiteral("imageIndex"), button->imageIndex());
        }),
    };
    return list;
}

} // namespace

void addKindKeys(const QObject *object, QJsonObject &entry)
{
    for (const auto &[meta, provider] : providers()) {
        if (object->metaObject()->inherits(meta))
            provider(object, entry);
    }
}

} // namespace Inspect
