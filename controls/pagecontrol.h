#pragma once

#include "skinnedwidget.h"

namespace Controls {

class TabSheet;

/// A skinned page control: shows one of its TabSheet children, or none.
class PageControl : public SkinnedWidget
{
    Q_OBJECT
    Q_PROPERTY(
        QString activePage READ activePageName WRITE setActivePageName NOTIFY activePageChanged)
    Q_PROPERTY(int activePageIndex READ activePageIndex NOTIFY activePageChanged)
    Q_PROPERTY(int pageCount READ pageCount)
    Q_PROPERTY(Style style READ style WRITE setStyle)
    Q_PROPERTY(TabPosition tabPosition READ tabPosition WRITE setTabPosition)
    Q_PROPERTY(bool ownerDraw READ ownerDraw WRITE setOwnerDraw)
    Q_PROPERTY(int tabHeight READ tabHeight WRITE setTabHeight)

public:
    enum Style { Tabs, Buttons, FlatButtons };
    Q_ENUM(Style)
    enum TabPosition { Top, Bottom, Left, Right };
    Q_ENUM(TabPosition)

    explicit PageControl(QWidget *parent = nullptr);
    ~PageControl() override;
    Q_DISABLE_COPY(PageControl)

    /// The pages in index order (the order they were added).
    QList<TabSheet *> pages() const;
    int pageCount() const { return int(pages().size()); }
    /// The page shown, or nullptr for none.
    TabSheet *activePage() const;
    /// Index of the page shown; -1 for none.
    int activePageIndex() const;
    /// Shows `page` (one of the pages) or, for nullptr, no page.
    void setActivePage(TabSheet *page);
    /// Object name of the page shown; empty for none.
    QString activePageName() const { return m_activeName; }
    /// Shows the page of that object name; the page may be added later.
    void setActivePageName(const QString &name);

    Style style() const { return m_style; }
    void setStyle(Style style) { m_style = style; }
    TabPosition tabPosition() const { return m_tabPosition; }
    void setTabPosition(TabPosition position);
    /// True when the program paints the tabs itself.
    bool ownerDraw() const { return m_ownerDraw; }
    void setOwnerDraw(bool on);
    /// Depth of the tab strip, present while some page shows its tab.
    int tabHeight() const { return m_tabHeight; }
    void setTabHeight(int px);
    /// Where pages lie: the control less the tab strip, if any tab is shown.
    QRect pageRect() const;
    /// Places the pages and shows the active one only.
    void layoutPages();

public Q_SLOTS:
    /// Selects page `index` when it exists and its tab is a plain tab; else does nothing.
    void selectPage(int index);

Q_SIGNALS:
    void activePageChanged();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Children in the order they arrived; a child is not yet a TabSheet when it arrives.
    QList<QObject *> m_children;
    QString m_activeName;
    Style m_style = Tabs;
    TabPosition m_tabPosition = Top;
    bool m_ownerDraw = false;
    int m_tabHeight = 24;
};

} // namespace Controls
