#pragma once

#include "optionsfile.h"
#include "optionvalues.h"
#include "packedcontainer.h"
#include "result.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>

#include <memory>
#include <optional>

namespace Skin {

/// What a section looks like in one state group: normal (0) or hot and active (1, 2).
struct SectionLook
{
    QRgb color = 0xFF000000;
    QRgb fontColor = 0xFF000000;
    int transparency = 0;
    Gradient gradient;
    int gradientPercent = 0;
    QByteArray pattern; ///< container entry name; empty for none
    int imagePercent = 0;
};

/// One skin section with the values the engine uses; every key is kept in `options`.
struct SkinSection
{
    QByteArray name;
    int states = 1;
    SectionLook normal;
    SectionLook hot;
    std::optional<BordersMask> bordersMask;
    bool fadingEnabled = false;
    int fadingIterations = 0;
    bool giveOwnFont = false;
    OptionsSection options;

    /// The look of `state`: 0 normal, 1 and 2 hot.
    const SectionLook &look(int state) const { return state >= 1 ? hot : normal; }
};

/// A skin read from a packed container: GLOBALINFO, sections in file order and pictures.
class SkinData
{
public:
    /// Reads a packed container and builds the skin from it.
    static Result<SkinData> fromContainerBytes(QByteArrayView bytes);
    /// Builds the skin from an already read container.
    static Result<SkinData> fromContainer(PackedContainer container);

    /// The GLOBALINFO section.
    const OptionsSection &globalInfo() const { return m_globalInfo; }
    /// The sections after GLOBALINFO, in file order.
    const QList<SkinSection> &sections() const { return m_sections; }
    const SkinSection &section(int index) const { return m_sections.at(index); }
    /// Index of the section named exactly `name` (case-sensitive); -1 for empty or absent.
    int indexOf(QByteArrayView name) const;
    /// Index of "TABBOTTOM", held for quick use; -1 when the skin lacks it.
    int tabBottomIndex() const { return m_tabBottomIndex; }

    /// The decoded master bitmap.
    const QImage &masterBitmap() const { return m_master; }
    /// The container the skin came from.
    const PackedContainer &container() const { return m_container; }
    /// A container picture by name (without case), decoded on first use; null when absent or bad.
    QImage picture(QByteArrayView name) const;
    /// Size of a container picture; a JPEG is measured from its header without decoding it.
    QSize pictureSize(QByteArrayView name) const;
    /// The part `region` of a container picture; a JPEG decodes only that part and is not kept,
    /// so a large background costs no more than the area it covers.
    QImage pictureRegion(QByteArrayView name, const QRect &region) const;
    /// Starts decoding `region` (from the top-left corner) of a JPEG picture on a worker thread;
    /// the first pictureRegion() that lies inside it takes the result, waiting for it if needed.
    void preparePictureRegion(QByteArrayView name, const QRect &region);

private:
    OptionsSection m_globalInfo;
    QList<SkinSection> m_sections;
    QHash<QByteArray, int> m_index;
    int m_tabBottomIndex = -1;
    QImage m_master;
    PackedContainer m_container;
    mutable QHash<QByteArray, QImage> m_pictures;
    struct PreparedRegion;
    mutable QHash<QByteArray, std::shared_ptr<PreparedRegion>> m_preparedRegions;
};

} // namespace Skin
