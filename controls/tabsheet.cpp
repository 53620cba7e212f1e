#include "tabsheet.h"

#include "pagecontrol.h"

namespace Controls {

TabSheet::TabSheet(QWidget *parent)
    : SkinnedWidget(parent)
{ }

TabSheet::~TabSheet() = default;

void TabSheet::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (PageControl *control = pageControl())
        control->update();
}

void TabSheet::setTabVisible(bool visible)
{
    if (visible == m_tabVisible)
        return;
    m_tabVisible = visible;
    if (PageControl *control = pageControl())
        control->layoutPages();
}

int TabSheet::pageIndex() const
{
    const PageControl *control = pageControl();
    return control ? control->pages().indexOf(const_cast<TabSheet *>(this)) : -1;
}

PageControl *TabSheet::pageControl() const
{
    return qobject_cast<PageControl *>(parentWidget());
}

} // namespace Controls
