#include "contactsheet.h"

#include "skin/packedcontainer.h"
#include "skin/skindata.h"
#include "skin/skinverifier.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>

namespace {

// The sections that tamo's layouts and code name; a skin without one of them cannot dress it.
const QList<QByteArray> programSections = {
    "FORM",
    "FORMTITLE",
    "TOOLBAR",
    "TOOLBUTTON",
    "CHECKBOX",
    "PANEL",
    "PANEL_HEADER",
    "BARPANEL",
    "BARTITLE",
    "HEADER_TOP",
    "HEADER_MIDDLE",
    "HEADER_BOTTOM",
    "EDIT",
    "SPEEDBUTTON_SMALL",
    "BUTTON",
    "BUTTON_GREEN",
    "BUTTON_RED",
    "PAGEL",
    "TABL",
    "TABBOTTOM",
    "TABR",
    "PROGRESSH",
    "ICOLINE",
};

constexpr char orderFileName[] = "ORDER";

const char usage[] = "usage: skintool list FILE\n"
                     "       skintool unpack FILE DIR\n"
                     "       skintool pack DIR FILE\n"
                     "       skintool verify FILE\n"
                     "       skintool render FILE SECTION STATE WxH OUT.png\n"
                     "       skintool sheet FILE OUT.png\n";

int fail(const QString &message)
{
    std::fprintf(stderr, "skintool: %s\n", qPrintable(message));
    return 1;
}

void print(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
}

Skin::Result<QByteArray> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Skin::Error { QStringLiteral("cannot read %1: %2").arg(path, file.errorString()) };
    return file.readAll();
}

std::optional<QString> writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return std::nullopt;
}

Skin::Result<Skin::PackedContainer> readContainer(const QString &path)
{
    auto bytes = readFile(path);
    if (!bytes)
        return Skin::Error { bytes.error() };
    auto container = Skin::readPackedContainer(*bytes);
    if (!container)
        return Skin::Error { QStringLiteral("%1: %2").arg(path, container.error()) };
    return container;
}

Skin::Result<Skin::SkinData> readSkin(const QString &path)
{
    auto container = readContainer(path);
    if (!container)
        return Skin::Error { container.error() };
    auto skin = Skin::SkinData::fromContainer(std::move(container).value());
    if (!skin)
        return Skin::Error { QStringLiteral("%1: %2").arg(path, skin.error()) };
    return skin;
}

int list(const QString &path)
{
    auto container = readContainer(path);
    if (!container)
        return fail(container.error());
    for (const Skin::ContainerEntry &entry : container->entries)
        print(QStringLiteral("%1\t%2").arg(QString::fromLatin1(entry.name)).arg(entry.data.size()));
    return 0;
}

int unpack(const QString &path, const QString &directory)
{
    auto container = readContainer(path);
    if (!container)
        return fail(container.error());
    if (!QDir().mkpath(directory))
        return fail(QStringLiteral("cannot create %1").arg(directory));
    QByteArray order;
    for (const Skin::ContainerEntry &entry : container->entries) {
        if (auto error
            = writeFile(QDir(directory).filePath(QString::fromLatin1(entry.name)), entry.data))
            return fail(*error);
        order += entry.name + '\n';
    }
    if (auto error = writeFile(QDir(directory).filePath(QLatin1StringView(orderFileName)), order))
        return fail(*error);
    return 0;
}

// The options file first, then the names listed in DIR/ORDER, or every file by name.
Skin::Result<QStringList> packOrder(const QDir &directory)
{
    QStringList names;
    if (directory.exists(QLatin1StringView(orderFileName))) {
        auto order = readFile(directory.filePath(QLatin1StringView(orderFileName)));
        if (!order)
            return Skin::Error { order.error() };
        for (const QString &line : QString::fromLatin1(*order).split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty())
                names.append(line.trimmed());
        }
    } else {
        names = directory.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    }
    const QString options = QString::fromLatin1(Skin::optionsEntryName);
    names.removeIf([&options](const QString &name) {
        return name.compare(options, Qt::CaseInsensitive) == 0;
    });
    names.prepend(options);
    return names;
}

int pack(const QString &directoryPath, const QString &path)
{
    const QDir directory(directoryPath);
    if (!directory.exists())
        return fail(QStringLiteral("%1 is not a directory").arg(directoryPath));
    auto names = packOrder(directory);
    if (!names)
        return fail(names.error());
    QList<Skin::ContainerEntry> entries;
    for (const QString &name : *names) {
        auto bytes = readFile(directory.filePath(name));
        if (!bytes)
            return fail(bytes.error());
        entries.append({ name.toLatin1(), *bytes });
    }
    auto packed = Skin::writePackedContainer(entries);
    if (!packed)
        return fail(packed.error());
    if (auto error = writeFile(path, *packed))
        return fail(*error);
    return 0;
}

int verify(const QString &path)
{
    auto skin = readSkin(path);
    if (!skin)
        return fail(skin.error());
    const QStringList problems = Skin::verifySkin(*skin, programSections);
    for (const QString &problem : problems)
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(problem));
    if (!problems.isEmpty())
        return fail(QStringLiteral("%1 problem(s) in %2").arg(problems.size()).arg(path));
    print(QStringLiteral("%1: %2 entries, %3 sections, no problems")
              .arg(path)
              .arg(skin->container().entries.size())
              .arg(skin->sections().size()));
    return 0;
}

int render(const QStringList &args)
{
    auto skin = readSkin(args[0]);
    if (!skin)
        return fail(skin.error());
    const int index = skin->indexOf(args[1].toLatin1());
    if (index < 0)
        return fail(QStringLiteral("no section [%1] in %2").arg(args[1], args[0]));
    bool stateOk = false;
    const int state = args[2].toInt(&stateOk);
    if (!stateOk || state < 0 || state > 2)
        return fail(QStringLiteral("state must be 0, 1 or 2, not \"%1\"").arg(args[2]));
    const auto size = QRegularExpression(QStringLiteral("^(\\d{1,4})x(\\d{1,4})$")).match(args[3]);
    if (!size.hasMatch() || size.captured(1).toInt() == 0 || size.captured(2).toInt() == 0)
        return fail(
            QStringLiteral("size must be WxH with 1…9999 pixels each, not \"%1\"").arg(args[3]));
    const QImage picture = renderSection(
        *skin, index, state, { size.captured(1).toInt(), size.captured(2).toInt() });
    if (!picture.save(args[4], "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(args[4]));
    return 0;
}

int sheet(const QString &path, const QString &out)
{
    auto skin = readSkin(path);
    if (!skin)
        return fail(skin.error());
    if (!contactSheet(*skin).save(out, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(out));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Text on the contact sheet needs a platform, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    const QStringList rest = args.mid(1);
    const auto expect = [&](qsizetype count) { return rest.size() == count; };

    if (command == QLatin1StringView("list") && expect(1))
        return list(rest[0]);
    if (command == QLatin1StringView("unpack") && expect(2))
        return unpack(rest[0], rest[1]);
    if (command == QLatin1StringView("pack") && expect(2))
        return pack(rest[0], rest[1]);
    if (command == QLatin1StringView("verify") && expect(1))
        return verify(rest[0]);
    if (command == QLatin1StringView("render") && expect(5))
        return render(rest);
    if (command == QLatin1StringView("sheet") && expect(2))
        return sheet(rest[0], rest[1]);
    std::fputs(usage, stderr);
    return 2;
}
