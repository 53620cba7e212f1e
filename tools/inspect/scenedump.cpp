#include "scenedump.h"

#include "kindkeys.h"

#include "controls/form.h"
#include "controls/formclient.h"
#include "controls/skinnedwidget.h"

#include <QJsonArray>
#include <QScreen>
#include <QWidget>

namespace Inspect {

namespace {

// The form's client area is part of the window, not an object of its own.
bool isListed(const QObject *object)
{
    return !object->objectName().isEmpty() && !qobject_cast<const Controls::FormClient *>(object)
        && !object->objectName().startsWith(QLatin1String("qt_"));
}

const QObject *namedAncestor(const QObject *object, const QWidget *window)
{
    for (const QObject *p = object->parent(); p; p = p->parent()) {
        if (p == window || isListed(p))
            return p;
    }
    return nullptr;
}

QString shortClassName(const QObject *object)
{
    const QString name = QLatin1String(object->metaObject()->className());
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

QString textOf(const QObject *object)
{
    for (const char *property : { "caption", "text" }) {
        const QVariant value = object->property(property);
        if (value.isValid())
            return value.toString();
    }
    return {};
}

QJsonObject fontOf(const QWidget *widget)
{
    const QFontInfo info(widget->font());
    const auto *skinned = qobject_cast<const Controls::SkinnedWidget *>(widget);
    const QColor color
        = skinned ? skinned->fontColor() : widget->palette().color(QPalette::WindowText);
    return {
        // The layout's face, which fontconfig may draw with a metric-compatible substitute.
        { QStringLiteral("family"), widget->font().family() },
        { QStringLiteral("pixelSize"), info.pixelSize() },
        { QStringLiteral("bold"), info.bold() },
        { QStringLiteral("color"), color.name() },
    };
}

QJsonObject entryOf(const QObject *object, const QWidget *window)
{
    const QObject *parent = namedAncestor(object, window);
    QJsonObject entry {
        { QStringLiteral("name"), object->objectName() },
        { QStringLiteral("class"), shortClassName(object) },
        { QStringLiteral("parent"), parent ? QJsonValue(parent->objectName()) : QJsonValue() },
        { QStringLiteral("text"), textOf(object) },
        { QStringLiteral("skinSection"), object->property("skinSection").toString() },
    };
    const auto *widget = qobject_cast<const QWidget *>(object);
    QPoint pos;
    if (widget && parent && parent->isWidgetType()) {
        // Positions in the window are client positions, as the layout gives them.
        const auto *client
            = parent == window ? window->findChild<const Controls::FormClient *>() : nullptr;
        pos = widget->mapTo(client ? client : static_cast<const QWidget *>(parent), QPoint());
    }
    entry.insert(QStringLiteral("x"), pos.x());
    entry.insert(QStringLiteral("y"), pos.y());
    entry.insert(QStringLiteral("width"), widget ? widget->width() : 0);
    entry.insert(QStringLiteral("height"), widget ? widget->height() : 0);
    entry.insert(QStringLiteral("visible"), widget && widget->isVisible());
    entry.insert(QStringLiteral("enabled"), !widget || widget->isEnabled());
    entry.insert(QStringLiteral("font"), widget ? QJsonValue(fontOf(widget)) : QJsonValue());
    if (const auto *skinned = qobject_cast<const Controls::SkinnedWidget *>(object))
        entry.insert(QStringLiteral("skinState"), skinned->skinState());
    addKindKeys(object, entry);
    return entry;
}

void collect(const QObject *object, const QWidget *window, QJsonArray &objects)
{
    for (const QObject *child : object->children()) {
        if (isListed(child))
            objects.append(entryOf(child, window));
        collect(child, window, objects);
    }
}

QJsonObject windowEntry(const QWidget *window)
{
    const auto *form = qobject_cast<const Controls::Form *>(window);
    const QMargins frame = form ? form->frameMargins() : QMargins();
    const QSize client = form ? form->clientSize() : window->size();
    const QScreen *screen = window->screen();
    const Qt::WindowFlags flags = window->windowFlags();
    return {
        { QStringLiteral("name"), window->objectName() },
        { QStringLiteral("class"), shortClassName(window) },
        { QStringLiteral("title"), window->windowTitle() },
        { QStringLiteral("x"), window->x() },
        { QStringLiteral("y"), window->y() },
        { QStringLiteral("clientWidth"), client.width() },
        { QStringLiteral("clientHeight"), client.height() },
        { QStringLiteral("frameLeft"), frame.left() },
        { QStringLiteral("frameTop"), frame.top() },
        { QStringLiteral("outerWidth"), window->width() },
        { QStringLiteral("outerHeight"), window->height() },
        { QStringLiteral("screenWidth"), screen ? screen->geometry().width() : 0 },
        { QStringLiteral("screenHeight"), screen ? screen->geometry().height() : 0 },
        { QStringLiteral("resizable"), window->minimumSize() != window->maximumSize() },
        { QStringLiteral("minimizeButton"), flags.testFlag(Qt::WindowMinimizeButtonHint) },
        { QStringLiteral("maximizeButton"), flags.testFlag(Qt::WindowMaximizeButtonHint) },
    };
}

} // namespace

QJsonObject dumpScene(const QWidget *window)
{
    QJsonArray objects;
    collect(window, window, objects);
    return { { QStringLiteral("window"), windowEntry(window) },
        { QStringLiteral("objects"), objects } };
}

QObject *findNamed(QWidget *window, const QString &name)
{
    if (window->objectName() == name)
        return window;
    return window->findChild<QObject *>(name);
}

} // namespace Inspect
