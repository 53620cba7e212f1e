#include "speedbutton.h"

#include "imagelist.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace Controls {

namespace {

QImage grayed(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int gray = qGray(row[x]);
            row[x] = qRgba(gray, gray, gray, qAlpha(row[x]));
        }
    }
    return out;
}

} // namespace

SpeedButton::SpeedButton(QWidget *parent)
    : SkinnedWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

SpeedButton::~SpeedButton() = default;

void SpeedButton::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    invalidateSkin();
}

void SpeedButton::setImages(const QString &name)
{
    if (name == m_images)
        return;
    m_images = name;
    invalidateSkin();
}

void SpeedButton::setImageIndex(int index)
{
    if (index == m_imageIndex)
        return;
    m_imageIndex = index;
    invalidateSkin();
}

void SpeedButton::setGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    invalidateSkin();
}

void SpeedButton::setAlignment(Qt::Alignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    invalidateSkin();
}

void SpeedButton::setMargin(int px)
{
    if (px == m_margin)
        return;
    m_margin = px;
    invalidateSkin();
}

void SpeedButton::setSpacing(int px)
{
    if (px == m_spacing)
        return;
    m_spacing = px;
    invalidateSkin();
}

void SpeedButton::setDisabledKind(DisabledKinds kind)
{
    if (kind == m_disabledKind)
        return;
    m_disabledKind = kind;
    invalidateSkin();
}

void SpeedButton::setDisabledGlyphKind(DisabledKinds kind)
{
    if (kind == m_disabledGlyphKind)
        return;
    m_disabledGlyphKind = kind;
    invalidateSkin();
}

ImageList *SpeedButton::imageList() const
{
    if (m_images.isEmpty())
        return nullptr;
    return window()->findChild<ImageList *>(m_images);
}

void SpeedButton::click()
{
    Q_EMIT clicked();
}

void SpeedButton::setHot(bool hot)
{
    if (hot == m_hot)
        return;
    m_hot = hot;
    updateState();
}

void SpeedButton::setDown(bool down)
{
    if (down == m_down)
        return;
    m_down = down;
    updateState();
}

void SpeedButton::updateState()
{
    if (!isEnabled())
        setSkinState(0);
    else if (m_hot)
        setSkinState(m_down ? 2 : 1);
    else
        setSkinState(0);
}

void SpeedButton::paintContent(QPainter &painter, int state) const
{
    QImage picture;
    if (const ImageList *list = imageList(); list && m_imageIndex >= 0)
        picture = list->cell(m_imageIndex);
    if (picture.isNull() && !m_glyph.isNull())
        picture = m_glyph.toImage();

    const QFontMetrics metrics(painter.font());
    const int textWidth = m_caption.isEmpty() ? 0 : metrics.horizontalAdvance(m_caption);
    const int gap = !picture.isNull() && textWidth > 0 ? m_spacing : 0;
    const int groupWidth = picture.width() + gap + textWidth;
    int x = (width() - groupWidth) / 2;
    if (m_alignment & Qt::AlignLeft)
        x = m_margin;
    else if (m_alignment & Qt::AlignRight)
        x = width() - m_margin - groupWidth;

    const bool disabled = !isEnabled();
    if (!picture.isNull()) {
        const QPoint at(x, (height() - picture.height()) / 2);
        if (disabled)
            drawDisabled(painter, at, picture, m_disabledGlyphKind);
        else
            painter.drawImage(at, picture);
        x += picture.width() + gap;
    }
    if (textWidth == 0)
        return;
    QColor color = fontColor(state);
    if (disabled && (m_disabledKind & Grayed))
        color = QColor::fromRgb(qGray(color.rgb()), qGray(color.rgb()), qGray(color.rgb()));
    painter.save();
    if (disabled && (m_disabledKind & Blended))
        painter.setOpacity(0.5);
    painter.setPen(color);
    painter.drawText(QRect(x, 0, textWidth, height()), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    painter.restore();
}

void SpeedButton::drawDisabled(
    QPainter &painter, const QPoint &at, const QImage &image, DisabledKinds kind) const
{
    painter.save();
    if (kind & Blended)
        painter.setOpacity(0.5);
    painter.drawImage(at, (kind & Grayed) ? grayed(image) : image);
    painter.restore();
}

void SpeedButton::enterEvent(QEnterEvent *event)
{
    setHot(true);
    SkinnedWidget::enterEvent(event);
}

void SpeedButton::leaveEvent(QEvent *event)
{
    setHot(false);
    SkinnedWidget::leaveEvent(event);
}

void SpeedButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_hot = true;
    setDown(true);
}

void SpeedButton::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        setHot(rect().contains(event->position().toPoint()));
}

void SpeedButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_down)
        return;
    setDown(false);
    if (rect().contains(event->position().toPoint()))
        click();
}

void SpeedButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_hot = false;
        m_down = false;
        updateState();
    }
    SkinnedWidget::changeEvent(event);
}

} // namespace Controls
