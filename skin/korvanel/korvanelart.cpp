// korvanel-art OPTIONS.ini OUTDIR: paints every picture of the internal skin from its options
// file and writes the files that `skintool pack` puts into the container.

#include "extraart.h"
#include "masterart.h"

#include "skin/bmpcodec.h"
#include "skin/jpegcodec.h"
#include "skin/optionsfile.h"
#include "skin/optionvalues.h"
#include "skin/packedcontainer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QList>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr QSize masterSize(600, 320);
constexpr QRgb magenta = 0xFFFF00FF;

// Container entries after the options file, in container order.
const char *const pictureEntries[] = { "Master copy.bmp", "Ex.png", "GlowCAlone.png",
    "GlowClose.png", "GlowMax.png", "GlowMin.png", "GlowNorm.png", "bg.jpg" };

// Sections whose picture is a slice of another section's art, drawn by that section.
const struct
{
    const char *slice;
    const char *whole;
} slices[] = { { "HEADER_TOP", "BARTITLE" } };

struct Picture
{
    QByteArray owner;
    QRect rect;
    int states = 1;
    bool masked = false;
};

int fail(const QString &message)
{
    std::fprintf(stderr, "korvanel-art: %s\n", qPrintable(message));
    return 1;
}

// Every picture of the master bitmap: GLOBALINFO "@" keys, each section's BORDERSMASK and its
// other "@"/"^" keys (slider parts, progress region).
std::optional<QString> collectPictures(const Skin::OptionsFile &options, QList<Picture> &out)
{
    for (const Skin::OptionsSection &section : options.sections) {
        const bool global = section.name == "GLOBALINFO";
        for (const Skin::OptionsKey &key : section.keys) {
            const QByteArray owner = global ? key.key
                : key.key == "BORDERSMASK"  ? section.name
                                            : section.name + '.' + key.key;
            if (key.value.startsWith('@')) {
                auto parsed = Skin::parseMasterPicture(key.value);
                if (!parsed)
                    return QStringLiteral("line %1: %2").arg(key.line).arg(parsed.error());
                out.append({ owner, parsed->rect, parsed->states, parsed->masked });
            } else if (key.value.startsWith('^')) {
                auto parsed = Skin::parseBordersMask(key.value);
                if (!parsed)
                    return QStringLiteral("line %1: %2").arg(key.line).arg(parsed.error());
                out.append({ owner, parsed->rect, parsed->states, parsed->masked });
            }
        }
    }
    return std::nullopt;
}

QString describe(const Picture &picture)
{
    const QRect &r = picture.rect;
    return QStringLiteral("%1 (%2,%3 to %4,%5)")
        .arg(QString::fromLatin1(picture.owner))
        .arg(r.left())
        .arg(r.top())
        .arg(r.right() + 1)
        .arg(r.bottom() + 1);
}

const char *sliceOwner(const QByteArray &owner)
{
    for (const auto &slice : slices) {
        if (owner == slice.slice)
            return slice.whole;
    }
    return nullptr;
}

// Copies one state picture into the master: colour on the magenta key above, coverage as
// darkness in the mask below (black shows the picture, white the background).
void place(QImage &master, const Picture &picture, int state, const QImage &art)
{
    const QImage source = art.convertToFormat(QImage::Format_ARGB32);
    const QSize size = source.size();
    const int left = picture.rect.left() + state * size.width();
    const int top = picture.rect.top();
    for (int y = 0; y < size.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *colour = reinterpret_cast<QRgb *>(master.scanLine(top + y)) + left;
        auto *mask = picture.masked
            ? reinterpret_cast<QRgb *>(master.scanLine(top + size.height() + y)) + left
            : nullptr;
        for (int x = 0; x < size.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            QRgb rgb = in[x] | 0xFF000000;
            if (rgb == magenta)
                rgb = 0xFFFE00FF;
            if (mask) {
                colour[x] = alpha == 0 ? magenta : rgb;
                mask[x] = qRgb(255 - alpha, 255 - alpha, 255 - alpha);
            } else {
                colour[x] = alpha >= 128 ? rgb : magenta;
            }
        }
    }
}

std::optional<QString> paintMaster(const QList<Picture> &pictures, QImage &master)
{
    const auto &art = Korvanel::masterArt();
    QList<QRect> painted;
    for (const Picture &picture : pictures) {
        if (!QRect(QPoint(0, 0), masterSize).contains(picture.rect))
            return QStringLiteral("%1 lies outside the master bitmap").arg(describe(picture));
        if (const char *whole = sliceOwner(picture.owner)) {
            const auto it = std::find_if(pictures.begin(), pictures.end(),
                [whole](const Picture &p) { return p.owner == whole; });
            if (it == pictures.end() || !it->rect.contains(picture.rect))
                return QStringLiteral("%1 must lie inside %2")
                    .arg(describe(picture), QLatin1StringView(whole));
            continue;
        }
        // Sections may share one rectangle on purpose; the first owner with art draws it.
        if (painted.contains(picture.rect))
            continue;
        QList<const Picture *> sharing;
        for (const Picture &other : pictures) {
            if (other.rect == picture.rect)
                sharing.append(&other);
        }
        const Korvanel::StateArt *draw = nullptr;
        for (const Picture *other : sharing) {
            if (other->states != picture.states || other->masked != picture.masked)
                return QStringLiteral("%1 and %2 share a rectangle but not its layout")
                    .arg(describe(picture), describe(*other));
            if (!draw && art.contains(other->owner))
                draw = &art.constFind(other->owner).value();
        }
        if (!draw)
            return QStringLiteral("no art for %1").arg(describe(picture));
        for (const QRect &other : std::as_const(painted)) {
            if (other.intersects(picture.rect))
                return QStringLiteral("%1 overlaps other art at %2,%3")
                    .arg(describe(picture))
                    .arg(other.left())
                    .arg(other.top());
        }
        const int rows = picture.masked ? 2 : 1;
        if (picture.rect.width() % picture.states != 0 || picture.rect.height() % rows != 0)
            return QStringLiteral("%1 does not divide into its states").arg(describe(picture));
        const QSize stateSize(picture.rect.width() / picture.states, picture.rect.height() / rows);
        for (int state = 0; state < picture.states; ++state) {
            const QImage image = (*draw)(stateSize, state);
            if (image.size() != stateSize)
                return QStringLiteral("art of %1 has the wrong size").arg(describe(picture));
            place(master, picture, state, image);
        }
        painted.append(picture.rect);
    }
    return std::nullopt;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

// Glow pictures follow the options: each big caption button names its glow entry and margin.
std::optional<QString> paintGlows(
    const Skin::OptionsSection &global, const QList<Picture> &pictures, QHash<QString, QImage> &out)
{
    for (const char *button :
        { "BICONCLOSE", "BICLOSEALONE", "BICONMAX", "BICONMIN", "BICONNORM" }) {
        const QByteArray name(button);
        const auto reference = Skin::parseEntryReference(global.value(name + "GLOW0"));
        if (!reference)
            return QStringLiteral("%1GLOW0: %2").arg(QLatin1StringView(button), reference.error());
        auto margin = Skin::parseNumber(global.value(name + "GLOWMARGIN"));
        if (!margin)
            return QStringLiteral("%1GLOWMARGIN: %2")
                .arg(QLatin1StringView(button), margin.error());
        const auto it = std::find_if(pictures.begin(), pictures.end(),
            [&name](const Picture &p) { return p.owner == name; });
        if (it == pictures.end())
            return QStringLiteral("%1 has no picture").arg(QLatin1StringView(button));
        const QSize stateSize(
            it->rect.width() / it->states, it->rect.height() / (it->masked ? 2 : 1));
        QString entry;
        for (const char *candidate : pictureEntries) {
            if (QString::fromLatin1(reference->name)
                    .compare(QLatin1StringView(candidate), Qt::CaseInsensitive)
                == 0)
                entry = QLatin1StringView(candidate);
        }
        if (entry.isEmpty())
            return QStringLiteral("%1GLOW0 names no entry").arg(QLatin1StringView(button));
        const bool close = name.contains("CLOSE");
        const QColor color = close ? QColor(0xFF, 0x48, 0x2E) : QColor(0x3A, 0xB4, 0xFF);
        out.insert(entry,
            Korvanel::glowPicture(
                stateSize.grownBy(QMargins(*margin, *margin, *margin, *margin)), *margin, color));
    }
    return std::nullopt;
}

std::optional<QString> writeFile(
    const QDir &directory, const QString &name, const QByteArray &bytes)
{
    QFile file(directory.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return fail(QStringLiteral("usage: korvanel-art OPTIONS.ini OUTDIR"));
    const QString optionsPath = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.exists() && !QDir().mkpath(out.path()))
        return fail(QStringLiteral("cannot create %1").arg(out.path()));

    QFile file(optionsPath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(optionsPath));
    const auto options = Skin::parseOptionsFile(file.readAll());
    if (!options)
        return fail(QStringLiteral("%1: %2").arg(optionsPath, options.error()));
    const Skin::OptionsSection *global = options->find("GLOBALINFO");
    if (!global)
        return fail(QStringLiteral("%1 has no GLOBALINFO").arg(optionsPath));

    QList<Picture> pictures;
    if (auto error = collectPictures(*options, pictures))
        return fail(QStringLiteral("%1: %2").arg(optionsPath, *error));
    QImage master(masterSize, QImage::Format_RGB32);
    master.fill(magenta);
    if (auto error = paintMaster(pictures, master))
        return fail(*error);

    QHash<QString, QImage> pngs;
    if (auto error = paintGlows(*global, pictures, pngs))
        return fail(*error);
    pngs.insert(QStringLiteral("Ex.png"), Korvanel::samplePicture(QSize(126, 58)));

    const auto jpeg = Skin::encodeJpeg(Korvanel::backgroundPicture(QSize(1920, 1080)), 88, 72);
    if (!jpeg)
        return fail(jpeg.error());

    QByteArray order;
    for (const char *entry : pictureEntries)
        order += QByteArray(entry) + '\n';
    const QList<std::pair<QString, QByteArray>> files = {
        { QString::fromLatin1(Skin::optionsEntryName), Skin::writeOptionsFile(*options) },
        { QStringLiteral("Master copy.bmp"), Skin::encodeBmpCore(master) },
        { QStringLiteral("bg.jpg"), *jpeg },
        { QStringLiteral("ORDER"), order },
    };
    for (const auto &[name, bytes] : files) {
        if (auto error = writeFile(out, name, bytes))
            return fail(*error);
    }
    for (auto it = pngs.cbegin(); it != pngs.cend(); ++it) {
        if (auto error = writeFile(out, it.key(), pngBytes(it.value())))
            return fail(*error);
    }
    return 0;
}
