#pragma once

#include "skinnedwidget.h"

namespace Controls {

class PageControl;

/// One page of a PageControl; its tab may be hidden, leaving the page reachable by code only.
class TabSheet : public SkinnedWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(bool tabVisible READ isTabVisible WRITE setTabVisible)
    Q_PROPERTY(TabType tabType READ tabType WRITE setTabType)
    Q_PROPERTY(int pageIndex READ pageIndex)

public:
    /// What the page's tab does: a plain tab selects the page; the others act as buttons.
    enum TabType { Tab, Button, Menu };
    Q_ENUM(TabType)

    explicit TabSheet(QWidget *parent = nullptr);
    ~TabSheet() override;
    Q_DISABLE_COPY(TabSheet)

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    bool isTabVisible() const { return m_tabVisible; }
    void setTabVisible(bool visible);
    TabType tabType() const { return m_tabType; }
    void setTabType(TabType type) { m_tabType = type; }
    /// Position among its page control's pages; -1 outside one.
    int pageIndex() const;
    /// The page control holding the page, or nullptr.
    PageControl *pageControl() const;

private:
    QString m_caption;
    bool m_tabVisible = true;
    TabType m_tabType = Tab;
};

} // namespace Controls
