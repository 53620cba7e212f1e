#include "windowskinprovider.h"

#include "form.h"
#include "masterpicture.h"
#include "screensnap.h"
#include "skinmanager.h"

#include "skin/optionvalues.h"
#include "skin/sectionpainter.h"
#include "skin/skindata.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace Controls {

namespace {

constexpr int fallbackTitleHeight = 24;

// GLOBALINFO key prefix of each big title-bar button.
QByteArray buttonKey(TitleBarLayout::Button button)
{
    switch (button) {
    case TitleBarLayout::Close:
        return "BICONCLOSE";
    case TitleBarLayout::Maximize:
        return "BICONMAX";
    case TitleBarLayout::Minimize:
        return "BICONMIN";
    case TitleBarLayout::NoButton:
        break;
    }
    return {};
}

int globalNumber(const Skin::SkinData &skin, QByteArrayView key, int fallback)
{
    const auto value = Skin::parseNumber(skin.globalInfo().value(key));
    return value ? value.value() : fallback;
}

} // namespace

WindowSkinProvider::WindowSkinProvider(QObject *parent)
    : QObject(parent)
    , m_form(qobject_cast<Form *>(parent))
{
    if (!m_form)
        return;
    m_form->installEventFilter(this);
    m_form->setMouseTracking(true);
    attachManager();
}

WindowSkinProvider::~WindowSkinProvider() = default;

WindowSkinProvider *WindowSkinProvider::of(const QWidget *window)
{
    return window ? window->findChild<WindowSkinProvider *>(QString(), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

void WindowSkinProvider::setSkinSection(const QString &section)
{
    if (section == m_section)
        return;
    m_section = section;
    updateSkin();
}

void WindowSkinProvider::setTitleSkinSection(const QString &section)
{
    if (section == m_titleSection)
        return;
    m_titleSection = section;
    updateSkin();
}

QPoint WindowSkinProvider::clientOffset() const
{
    return m_form ? QPoint(m_form->frameMargins().left(), m_form->frameMargins().top()) : QPoint();
}

TitleBarLayout WindowSkinProvider::titleBarLayout() const
{
    if (!m_form)
        return TitleBarLayout({}, {}, {});
    const QMargins frame = m_form->frameMargins();
    const int top = frame.top() - m_titleHeight;
    const QRect bar(
        frame.left(), top, m_form->width() - frame.left() - frame.right(), m_titleHeight);
    QList<std::pair<TitleBarLayout::Button, QSize>> buttons;
    const auto add = [&](TitleBarLayout::Button button) {
        const QImage &picture = m_buttons[button].pictures[0];
        if (!picture.isNull())
            buttons.append({ button, picture.size() });
    };
    add(TitleBarLayout::Close);
    if (m_form->hasMaximizeBox())
        add(TitleBarLayout::Maximize);
    if (m_form->hasMinimizeBox())
        add(TitleBarLayout::Minimize);
    return TitleBarLayout(bar, buttons, m_placement);
}

int WindowSkinProvider::buttonState(TitleBarLayout::Button button) const
{
    if (button == TitleBarLayout::NoButton || button != m_hover)
        return 0;
    if (m_pressed == button)
        return 2;
    return m_pressed == TitleBarLayout::NoButton ? 1 : 0;
}

void WindowSkinProvider::attachManager()
{
    if (followDefaultManager(m_manager, this, &WindowSkinProvider::updateSkin))
        updateSkin();
}

void WindowSkinProvider::updateSkin()
{
    if (!m_form)
        return;
    m_pictureDirty = true;
    m_buttons = {};
    const Skin::SkinData *skin = m_manager ? m_manager->skin() : nullptr;
    if (!skin) {
        m_titleHeight = 0;
        m_form->setFrameMargins({});
        m_form->update();
        return;
    }
    QMargins borders;
    const int formIndex = skin->indexOf(m_section.toLatin1());
    if (formIndex >= 0) {
        const Skin::SkinSection &form = skin->section(formIndex);
        if (form.bordersMask)
            borders = form.bordersMask->borders;
        m_captionColor = QColor::fromRgb(form.normal.fontColor);
    }
    m_titleHeight = fallbackTitleHeight;
    const int titleIndex = skin->indexOf(m_titleSection.toLatin1());
    if (titleIndex >= 0) {
        const Skin::SkinSection &title = skin->section(titleIndex);
        if (title.bordersMask)
            m_titleHeight = title.bordersMask->stateSize().height();
        if (title.options.find("FONTCOLOR"))
            m_captionColor = QColor::fromRgb(title.normal.fontColor);
    }
    m_placement.left = globalNumber(*skin, "BILEFT", 2);
    m_placement.right = globalNumber(*skin, "BIRIGHT", 0);
    m_placement.top = globalNumber(*skin, "BITOP", 0);
    m_placement.space = globalNumber(*skin, "BISPACE", 0);
    m_placement.align
        = TitleBarLayout::VerticalAlign(std::clamp(globalNumber(*skin, "BIVALIGN", 0), 0, 2));
    for (const auto button :
        { TitleBarLayout::Close, TitleBarLayout::Maximize, TitleBarLayout::Minimize }) {
        const QByteArray key = buttonKey(button);
        const auto picture = Skin::parseMasterPicture(skin->globalInfo().value(key));
        if (!picture)
            continue;
        for (int state = 0; state < 3; ++state)
            m_buttons[button].pictures[state]
                = cutStatePicture(skin->masterBitmap(), picture.value(), state);
        if (globalNumber(*skin, key + "GLOW", 0) == 1) {
            const auto glow = Skin::parseEntryReference(skin->globalInfo().value(key + "GLOW0"));
            if (glow)
                m_buttons[button].glow = skin->picture(glow->name);
        }
    }
    m_form->setFrameMargins(
        QMargins(borders.left(), borders.top() + m_titleHeight, borders.right(), borders.bottom()));
    m_form->update();
}

const QImage &WindowSkinProvider::windowPicture() const
{
    if (m_pictureDirty || (m_form && m_picture.size() != m_form->size()))
        renderPicture();
    return m_picture;
}

void WindowSkinProvider::renderPicture() const
{
    m_pictureDirty = false;
    if (!m_form || m_form->size().isEmpty()) {
        m_picture = {};
        return;
    }
    const QColor color
        = m_form->color().isValid() ? m_form->color() : m_form->palette().window().color();
    const Skin::SkinData *skin = m_manager ? m_manager->skin() : nullptr;
    Skin::SectionPainter *painter = m_manager ? m_manager->painter() : nullptr;
    const int formIndex = skin ? skin->indexOf(m_section.toLatin1()) : -1;
    // The section's layer becomes the picture itself: a window-sized layer is not cached by the
    // painter, so no second window-sized copy is made.
    m_picture = formIndex >= 0 ? painter->layer(formIndex, 0, m_form->size()) : QImage();
    if (m_picture.isNull()) {
        m_picture = QImage(m_form->size(), QImage::Format_ARGB32_Premultiplied);
        m_picture.fill(Qt::transparent);
    }
    QPainter p(&m_picture);
    p.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    p.fillRect(m_picture.rect(), color);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!skin || !painter)
        return;
    const TitleBarLayout layout = titleBarLayout();
    const int titleIndex = skin->indexOf(m_titleSection.toLatin1());
    if (titleIndex >= 0)
        p.drawImage(layout.bar().topLeft(), painter->layer(titleIndex, 0, layout.bar().size()));
    QFont captionFont = m_form->font();
    captionFont.setBold(true);
    p.setFont(captionFont);
    p.setPen(m_captionColor);
    p.drawText(layout.captionRect().adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
        m_form->windowTitle());
}

bool WindowSkinProvider::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_form)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        paintForm(static_cast<QPaintEvent *>(event));
        return true;
    case QEvent::MouseButtonPress:
        mousePress(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseMove:
        mouseMove(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease:
        mouseRelease(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::Leave:
        if (!m_moving)
            setButtons(TitleBarLayout::NoButton, m_pressed);
        break;
    case QEvent::WindowTitleChange:
    case QEvent::FontChange:
    case QEvent::Resize:
        m_pictureDirty = true;
        m_form->update();
        break;
    case QEvent::Polish:
        attachManager();
        break;
    default:
        break;
    }
    return false;
}

void WindowSkinProvider::paintForm(QPaintEvent *event)
{
    QPainter p(m_form);
    p.drawImage(event->rect().topLeft(), windowPicture(), event->rect());
    const TitleBarLayout layout = titleBarLayout();
    // Leftmost last: neighbours overlap by BISPACE and the hovered one's glow sits on top.
    for (const auto button :
        { TitleBarLayout::Close, TitleBarLayout::Maximize, TitleBarLayout::Minimize }) {
        const QRect rect = layout.buttonRect(button);
        if (rect.isEmpty())
            continue;
        const TitleButton &pictures = m_buttons[button];
        const int state = buttonState(button);
        if (state > 0 && !pictures.glow.isNull()) {
            QRect glow(QPoint(), pictures.glow.size());
            glow.moveCenter(rect.center());
            p.drawImage(glow.topLeft(), pictures.glow);
        }
        p.drawImage(rect.topLeft(), pictures.pictures[state]);
    }
}

void WindowSkinProvider::mousePress(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const TitleBarLayout layout = titleBarLayout();
    const QPoint pos = event->position().toPoint();
    if (const auto button = layout.buttonAt(pos); button != TitleBarLayout::NoButton) {
        setButtons(button, button);
        return;
    }
    if (layout.isDragArea(pos)) {
        m_dragArmed = true;
        m_pressGlobal = event->globalPosition().toPoint();
        m_pressWindowPos = m_form->pos();
    }
}

void WindowSkinProvider::mouseMove(QMouseEvent *event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (m_dragArmed && !m_moving
        && (global - m_pressGlobal).manhattanLength() >= QApplication::startDragDistance()) {
        // Wayland forbids placing windows; the compositor moves it without snap or blend.
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            m_dragArmed = false;
            m_form->windowHandle()->startSystemMove();
            return;
        }
        m_moving = true;
        setButtons(TitleBarLayout::NoButton, TitleBarLayout::NoButton);
        if (m_manager && m_manager->blendOnMoving())
            m_form->setWindowOpacity(m_manager->blendOnMovingValue() / 255.0);
    }
    if (m_moving) {
        moveWindowTo(m_pressWindowPos + (global - m_pressGlobal));
        return;
    }
    setButtons(titleBarLayout().buttonAt(event->position().toPoint()), m_pressed);
}

void WindowSkinProvider::mouseRelease(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_moving || m_dragArmed) {
        endMove();
        return;
    }
    const TitleBarLayout::Button pressed = m_pressed;
    const auto under = titleBarLayout().buttonAt(event->position().toPoint());
    if (pressed == TitleBarLayout::NoButton || pressed != under) {
        setButtons(under, TitleBarLayout::NoButton);
        return;
    }
    // Hover is cleared first: a minimised or closed window gets no leave event.
    setButtons(TitleBarLayout::NoButton, TitleBarLayout::NoButton);
    if (pressed == TitleBarLayout::Close)
        m_form->close();
    else if (pressed == TitleBarLayout::Minimize)
        m_form->showMinimized();
    else if (pressed == TitleBarLayout::Maximize)
        m_form->isMaximized() ? m_form->showNormal() : m_form->showMaximized();
}

void WindowSkinProvider::endMove()
{
    const bool wasMoving = m_moving;
    m_moving = false;
    m_dragArmed = false;
    if (wasMoving && m_manager && m_manager->blendOnMoving())
        m_form->setWindowOpacity(1.0);
    setButtons(TitleBarLayout::NoButton, TitleBarLayout::NoButton);
}

void WindowSkinProvider::setButtons(TitleBarLayout::Button hover, TitleBarLayout::Button pressed)
{
    if (hover == m_hover && pressed == m_pressed)
        return;
    const TitleBarLayout layout = titleBarLayout();
    for (const auto button : { m_hover, m_pressed, hover, pressed }) {
        if (button != TitleBarLayout::NoButton)
            m_form->update(layout.buttonRect(button).adjusted(-12, -12, 12, 12));
    }
    m_hover = hover;
    m_pressed = pressed;
}

void WindowSkinProvider::moveWindowTo(QPoint topLeft)
{
    if (m_screenSnap) {
        if (const QScreen *screen = m_form->screen())
            topLeft = snapToEdges(
                QRect(topLeft, m_form->size()), screen->availableGeometry(), m_snapBuffer);
    }
    m_form->move(topLeft);
}

} // namespace Controls
