#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QStringList>

#include <future>

namespace Controls {

/// Pictures of one cell size, referred to by index; each is drawn scaled into the cell.
class ImageList : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int cellWidth READ cellWidth WRITE setCellWidth)
    Q_PROPERTY(int cellHeight READ cellHeight WRITE setCellHeight)
    Q_PROPERTY(ImageFormat imageFormat READ imageFormat WRITE setImageFormat)
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int count READ count)

public:
    enum ImageFormat { Bitmap, Png };
    Q_ENUM(ImageFormat)

    explicit ImageList(QObject *parent = nullptr);
    ~ImageList() override;
    Q_DISABLE_COPY(ImageList)

    int cellWidth() const { return m_cellSize.width(); }
    void setCellWidth(int width);
    int cellHeight() const { return m_cellSize.height(); }
    void setCellHeight(int height);
    ImageFormat imageFormat() const { return m_format; }
    void setImageFormat(ImageFormat format) { m_format = format; }
    /// Where each item's picture is read from (resource paths), in index order; they are decoded
    /// on a worker thread from here on, while the window that shows them is still being built.
    QStringList items() const { return m_items; }
    void setItems(const QStringList &paths);
    int count() const { return int(m_items.size()); }

    /// Item `index` as stored; null when out of range or unreadable.
    QImage picture(int index) const;
    /// Item `index` scaled into one cell (premultiplied ARGB); null when out of range.
    QImage cell(int index) const;

private:
    QSize m_cellSize { 16, 16 };
    ImageFormat m_format = Bitmap;
    QStringList m_items;
    mutable std::future<QList<QImage>> m_decoding;
    mutable QList<QImage> m_pictures;
    mutable QList<QImage> m_cells;
};

} // namespace Controls
