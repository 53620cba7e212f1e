#include "skinnedwidget.h"

#include "animationclock.h"
#include "skinmanager.h"
#include "windowskinprovider.h"

#include "skin/sectionpainter.h"
#include "skin/skindata.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace Controls {

SkinnedWidget::SkinnedWidget(QWidget *parent)
    : QWidget(parent)
{
    attachManager();
}

SkinnedWidget::~SkinnedWidget()
{
    if (m_ticking)
        AnimationClock::instance()->release();
}

void SkinnedWidget::setSkinSection(const QString &section)
{
    if (section == m_section)
        return;
    m_section = section;
    invalidateSkin();
}

int SkinnedWidget::fontPixelSize() const
{
    return QFontInfo(font()).pixelSize();
}

void SkinnedWidget::setFontPixelSize(int px)
{
    QFont f = font();
    f.setPixelSize(px);
    setFont(f);
}

SkinManager *SkinnedWidget::manager() const
{
    // Controls made before the manager (tests, other layouts) find it on first use.
    if (!m_manager)
        const_cast<SkinnedWidget *>(this)->attachManager();
    return m_manager;
}

int SkinnedWidget::sectionIndex() const
{
    const Skin::SkinData *skin = manager() ? m_manager->skin() : nullptr;
    return skin ? skin->indexOf(m_section.toLatin1()) : -1;
}

QColor SkinnedWidget::sectionFontColor(int state) const
{
    const int index = sectionIndex();
    if (index < 0)
        return {};
    const Skin::SkinSection &section = m_manager->skin()->section(index);
    if (!section.options.find(state >= 1 ? "HOTFONTCOLOR" : "FONTCOLOR"))
        return {};
    return QColor::fromRgb(section.look(state).fontColor);
}

QColor SkinnedWidget::fontColor(int state) const
{
    if (const QColor own = sectionFontColor(state); own.isValid())
        return own;
    for (const QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (const auto *skinned = qobject_cast<const SkinnedWidget *>(w)) {
            if (const QColor inherited = skinned->sectionFontColor(0); inherited.isValid())
                return inherited;
        }
        if (w->isWindow())
            break;
    }
    // The window's frame section carries the text colour the skin gives the whole form.
    const Skin::SkinData *skin = manager() ? m_manager->skin() : nullptr;
    if (const auto *provider = WindowSkinProvider::of(window()); provider && skin) {
        const int index = skin->indexOf(provider->skinSection().toLatin1());
        if (index >= 0 && skin->section(index).options.find("FONTCOLOR"))
            return QColor::fromRgb(skin->section(index).normal.fontColor);
    }
    // Not the disabled group: disabled controls tone themselves down as they are told to.
    return palette().color(QPalette::Active, QPalette::WindowText);
}

const QImage &SkinnedWidget::cachePicture() const
{
    if (m_dirty || m_cache.size() != size()) {
        m_cache = renderState(m_state);
        m_dirty = false;
    }
    return m_cache;
}

void SkinnedWidget::invalidateSkin()
{
    m_dirty = true;
    if (m_fade.isRunning())
        m_fade.stop();
    update();
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (auto *skinned = qobject_cast<SkinnedWidget *>(child)) {
            skinned->invalidateSkin();
        } else {
            for (auto *inner : child->findChildren<SkinnedWidget *>(Qt::FindDirectChildrenOnly))
                inner->invalidateSkin();
        }
    }
}

bool SkinnedWidget::isClear() const
{
    if (hasContent() || m_fade.isRunning())
        return false;
    Skin::SectionPainter *painter = manager() ? m_manager->painter() : nullptr;
    return painter && painter->isInvisible(sectionIndex(), m_state);
}

std::pair<const QImage *, QPoint> SkinnedWidget::backgroundOf(const QWidget *widget)
{
    QPoint offset = widget->pos();
    for (const QWidget *p = widget->parentWidget(); p; p = p->parentWidget()) {
        const auto *skinned = qobject_cast<const SkinnedWidget *>(p);
        if (skinned && !skinned->isClear())
            return { &skinned->cachePicture(), offset };
        if (p->isWindow()) {
            const WindowSkinProvider *provider = WindowSkinProvider::of(p);
            return { provider ? &provider->windowPicture() : nullptr, offset };
        }
        offset += p->pos();
    }
    return { nullptr, offset };
}

void SkinnedWidget::setSkinState(int state)
{
    if (state == m_state)
        return;
    const int index = sectionIndex();
    const Skin::SkinData *skin = m_manager ? m_manager->skin() : nullptr;
    const bool fades = index >= 0 && isVisible() && skin->section(index).fadingEnabled
        && skin->section(index).fadingIterations > 1;
    const QImage shown = cachePicture();
    m_state = state;
    if (!fades) {
        m_fade.stop();
        m_dirty = true;
        update();
        return;
    }
    const QImage target = renderState(state);
    const int steps = skin->section(index).fadingIterations;
    if (m_fade.isRunning())
        m_fade.retarget(target, steps);
    else
        m_fade.start(shown, target, steps);
    if (!m_ticking) {
        m_ticking = true;
        AnimationClock *clock = AnimationClock::instance();
        connect(clock, &AnimationClock::ticked, this, &SkinnedWidget::onTick);
        clock->acquire();
    }
    m_cache = m_fade.current();
    m_dirty = false;
    update();
}

void SkinnedWidget::onTick()
{
    const bool done = m_fade.step();
    m_cache = m_fade.current();
    if (done) {
        m_ticking = false;
        AnimationClock *clock = AnimationClock::instance();
        disconnect(clock, &AnimationClock::ticked, this, &SkinnedWidget::onTick);
        clock->release();
        m_dirty = true;
    }
    update();
}

void SkinnedWidget::paintContent(QPainter &, int) const { }

void SkinnedWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (isClear()) {
        m_cache = {};
        m_dirty = true;
        if (const auto [background, offset] = backgroundOf(this); background)
            painter.drawImage(
                event->rect().topLeft(), *background, event->rect().translated(offset));
        return;
    }
    painter.drawImage(event->rect().topLeft(), cachePicture(), event->rect());
}

void SkinnedWidget::resizeEvent(QResizeEvent *event)
{
    invalidateSkin();
    QWidget::resizeEvent(event);
}

void SkinnedWidget::moveEvent(QMoveEvent *event)
{
    invalidateSkin();
    QWidget::moveEvent(event);
}

void SkinnedWidget::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
        invalidateSkin();
        break;
    case QEvent::ParentChange:
        attachManager();
        invalidateSkin();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

QImage SkinnedWidget::renderState(int state) const
{
    QImage picture(size(), QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        return picture;
    const auto [background, offset] = backgroundOf(this);
    Skin::SectionPainter *painter = manager() ? m_manager->painter() : nullptr;
    if (painter) {
        painter->paint(sectionIndex(), state, picture, picture.rect(),
            Skin::ParentBackground::at(background, offset.x(), offset.y()));
    } else {
        picture.fill(palette().window().color());
        if (background) {
            QPainter p(&picture);
            p.drawImage(QPoint(), *background, QRect(offset, size()));
        }
    }
    QPainter p(&picture);
    p.setFont(font());
    paintContent(p, state);
    return picture;
}

void SkinnedWidget::attachManager()
{
    followDefaultManager(m_manager, this, &SkinnedWidget::invalidateSkin);
}

} // namespace Controls
