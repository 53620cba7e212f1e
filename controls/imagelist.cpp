#include "imagelist.h"

namespace Controls {

ImageList::ImageList(QObject *parent)
    : QObject(parent)
{ }

ImageList::~ImageList() = default;

void ImageList::setCellWidth(int width)
{
    if (width == m_cellSize.width())
        return;
    m_cellSize.setWidth(width);
    m_cells = QList<QImage>(m_items.size());
}

void ImageList::setCellHeight(int height)
{
    if (height == m_cellSize.height())
        return;
    m_cellSize.setHeight(height);
    m_cells = QList<QImage>(m_items.size());
}

void ImageList::setItems(const QStringList &paths)
{
    m_items = paths;
    m_pictures.clear();
    m_cells = QList<QImage>(paths.size());
    m_decoding = std::async(std::launch::async, [paths] {
        QList<QImage> pictures;
        for (const QString &path : paths)
            pictures.append(QImage(path));
        return pictures;
    });
}

QImage ImageList::picture(int index) const
{
    if (m_decoding.valid())
        m_pictures = m_decoding.get();
    return m_pictures.value(index);
}

QImage ImageList::cell(int index) const
{
    if (index < 0 || index >= m_items.size())
        return {};
    QImage &cell = m_cells[index];
    if (cell.isNull()) {
        const QImage source = picture(index);
        if (source.isNull())
            return {};
        // Scaled once here, not per paint: the pictures are stored at twice the cell size.
        cell = source.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                   .scaled(m_cellSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return cell;
}

} // namespace Controls
