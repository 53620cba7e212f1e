#include "contactsheet.h"

#include "skin/sectionpainter.h"
#include "skin/skindata.h"

#include <QFont>
#include <QPainter>

namespace {

constexpr int columns = 3;
constexpr int cellWidth = 110;
constexpr int cellHeight = 56;
constexpr int gap = 10;
constexpr int labelHeight = 18;
constexpr int maxStates = 3;

int stateCount(const Skin::SkinSection &section)
{
    const int pictures = section.bordersMask ? section.bordersMask->states : 1;
    return std::clamp(std::max(section.states, pictures), 1, maxStates);
}

} // namespace

QImage checkerboard(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    constexpr int square = 8;
    for (int y = 0; y < size.height(); y += square) {
        for (int x = 0; x < size.width(); x += square)
            painter.fillRect(x, y, square, square,
                ((x + y) / square) % 2 ? QColor(0xcc, 0xcc, 0xcc) : QColor(0xff, 0xff, 0xff));
    }
    return image;
}

QImage renderSection(const Skin::SkinData &skin, int index, int state, QSize size)
{
    const QImage ground = checkerboard(size);
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    Skin::SectionPainter painter(skin);
    painter.paint(index, state, out, out.rect(), Skin::ParentBackground::at(&ground, 0, 0));
    return out;
}

QImage contactSheet(const Skin::SkinData &skin)
{
    const int blockWidth = maxStates * (cellWidth + gap) + gap;
    const int blockHeight = labelHeight + cellHeight + gap;
    const int count = int(skin.sections().size());
    const int rows = (count + columns - 1) / columns;
    QImage sheet(
        columns * blockWidth, rows * blockHeight + gap, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x40, 0x40, 0x48));
    const QImage ground = checkerboard(sheet.size());

    Skin::SectionPainter sections(skin);
    QPainter painter(&sheet);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    painter.setFont(font);
    for (int i = 0; i < count; ++i) {
        const Skin::SkinSection &section = skin.section(i);
        const QPoint origin((i % columns) * blockWidth + gap, (i / columns) * blockHeight + gap);
        painter.setPen(Qt::white);
        painter.drawText(QRect(origin, QSize(blockWidth - gap, labelHeight)),
            Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("%1  [%2]").arg(QString::fromLatin1(section.name)).arg(i));
        for (int state = 0; state < stateCount(section); ++state) {
            const QRect cell(origin + QPoint(state * (cellWidth + gap), labelHeight),
                QSize(cellWidth, cellHeight));
            QImage picture(cell.size(), QImage::Format_ARGB32_Premultiplied);
            sections.paint(i, state, picture, picture.rect(),
                Skin::ParentBackground::at(&ground, cell.left(), cell.top()));
            painter.drawImage(cell.topLeft(), picture);
        }
    }
    return sheet;
}
