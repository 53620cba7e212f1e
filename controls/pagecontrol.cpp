#include "pagecontrol.h"

#include "tabsheet.h"

#include <QChildEvent>

#include <algorithm>

namespace Controls {

PageControl::PageControl(QWidget *parent)
    : SkinnedWidget(parent)
{ }

PageControl::~PageControl() = default;

QList<TabSheet *> PageControl::pages() const
{
    QList<TabSheet *> result;
    for (QObject *child : m_children) {
        if (auto *page = qobject_cast<TabSheet *>(child))
            result.append(page);
    }
    return result;
}

TabSheet *PageControl::activePage() const
{
    if (m_activeName.isEmpty())
        return nullptr;
    for (TabSheet *page : pages()) {
        if (page->objectName() == m_activeName)
            return page;
    }
    return nullptr;
}

int PageControl::activePageIndex() const
{
    return int(pages().indexOf(activePage()));
}

void PageControl::setActivePage(TabSheet *page)
{
    if (page && !pages().contains(page))
        return;
    setActivePageName(page ? page->objectName() : QString());
}

void PageControl::setActivePageName(const QString &name)
{
    if (name == m_activeName)
        return;
    m_activeName = name;
    layoutPages();
    Q_EMIT activePageChanged();
}

void PageControl::selectPage(int index)
{
    const QList<TabSheet *> all = pages();
    if (index < 0 || index >= all.size() || all.at(index)->tabType() != TabSheet::Tab)
        return;
    TabSheet *page = all.at(index);
    setActivePage(page);
    // A page without a tab gets no tab repaint; its controls are redrawn instead.
    if (!page->isTabVisible())
        page->invalidateSkin();
}

void PageControl::setTabPosition(TabPosition position)
{
    if (position == m_tabPosition)
        return;
    m_tabPosition = position;
    layoutPages();
}

void PageControl::setOwnerDraw(bool on)
{
    if (on == m_ownerDraw)
        return;
    m_ownerDraw = on;
    update();
}

void PageControl::setTabHeight(int px)
{
    if (px == m_tabHeight)
        return;
    m_tabHeight = px;
    layoutPages();
}

QRect PageControl::pageRect() const
{
    const QList<TabSheet *> all = pages();
    const bool anyTab = std::any_of(
        all.cbegin(), all.cend(), [](const TabSheet *p) { return p->isTabVisible(); });
    if (!anyTab)
        return rect();
    switch (m_tabPosition) {
    case Top:
        return rect().adjusted(0, m_tabHeight, 0, 0);
    case Bottom:
        return rect().adjusted(0, 0, 0, -m_tabHeight);
    case Left:
        return rect().adjusted(m_tabHeight, 0, 0, 0);
    case Right:
        return rect().adjusted(0, 0, -m_tabHeight, 0);
    }
    return rect();
}

void PageControl::layoutPages()
{
    const QRect area = pageRect();
    const TabSheet *active = activePage();
    for (TabSheet *page : pages()) {
        page->setGeometry(area);
        page->setVisible(page == active);
    }
    update();
}

bool PageControl::event(QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        m_children.append(static_cast<QChildEvent *>(event)->child());
    } else if (event->type() == QEvent::ChildRemoved) {
        m_children.removeAll(static_cast<QChildEvent *>(event)->child());
    } else if (event->type() == QEvent::ChildPolished) {
        layoutPages();
    }
    return SkinnedWidget::event(event);
}

void PageControl::showEvent(QShowEvent *event)
{
    layoutPages();
    SkinnedWidget::showEvent(event);
}

void PageControl::resizeEvent(QResizeEvent *event)
{
    SkinnedWidget::resizeEvent(event);
    layoutPages();
}

} // namespace Controls
