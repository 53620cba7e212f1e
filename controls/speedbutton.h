#pragma once

#include "skinnedwidget.h"

#include <QPixmap>

namespace Controls {

class ImageList;

/// A skinned button without focus: a picture from an image list or its own glyph, and a
/// caption, over its section; hot while hovered, active while pressed.
class SpeedButton : public SkinnedWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QString images READ images WRITE setImages)
    Q_PROPERTY(int imageIndex READ imageIndex WRITE setImageIndex)
    Q_PROPERTY(QPixmap glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(int margin READ margin WRITE setMargin)
    Q_PROPERTY(int spacing READ spacing WRITE setSpacing)
    Q_PROPERTY(DisabledKinds disabledKind READ disabledKind WRITE setDisabledKind)
    Q_PROPERTY(DisabledKinds disabledGlyphKind READ disabledGlyphKind WRITE setDisabledGlyphKind)

public:
    /// How a disabled button's caption or glyph is toned down; none: drawn as when enabled.
    enum DisabledKind { NoEffect = 0x0, Blended = 0x1, Grayed = 0x2 };
    Q_DECLARE_FLAGS(DisabledKinds, DisabledKind)
    Q_FLAG(DisabledKinds)

    explicit SpeedButton(QWidget *parent = nullptr);
    ~SpeedButton() override;
    Q_DISABLE_COPY(SpeedButton)

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    /// Name of the image list (an object of the same window) the picture comes from.
    QString images() const { return m_images; }
    void setImages(const QString &name);
    /// Index in the image list; -1 for none.
    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    QPixmap glyph() const { return m_glyph; }
    void setGlyph(const QPixmap &glyph);
    /// Where the glyph and caption sit; left-justified puts them at the margin.
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    int margin() const { return m_margin; }
    void setMargin(int px);
    int spacing() const { return m_spacing; }
    void setSpacing(int px);
    DisabledKinds disabledKind() const { return m_disabledKind; }
    void setDisabledKind(DisabledKinds kind);
    DisabledKinds disabledGlyphKind() const { return m_disabledGlyphKind; }
    void setDisabledGlyphKind(DisabledKinds kind);

    /// The image list named by `images`, looked up in the button's window.
    ImageList *imageList() const;

public Q_SLOTS:
    /// Acts as a full click: emits clicked().
    void click();
    /// Sets the hover state.
    void setHot(bool hot);
    /// Sets the pressed state.
    void setDown(bool down);

Q_SIGNALS:
    void clicked();

protected:
    void paintContent(QPainter &painter, int state) const override;
    bool hasContent() const override { return true; }
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateState();
    void drawDisabled(
        QPainter &painter, const QPoint &at, const QImage &image, DisabledKinds kind) const;

    QString m_caption;
    QString m_images;
    int m_imageIndex = -1;
    QPixmap m_glyph;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    int m_margin = 4;
    int m_spacing = 4;
    DisabledKinds m_disabledKind = Blended;
    DisabledKinds m_disabledGlyphKind = Blended;
    bool m_hot = false;
    bool m_down = false;
};

} // namespace Controls

Q_DECLARE_OPERATORS_FOR_FLAGS(Controls::SpeedButton::DisabledKinds)
