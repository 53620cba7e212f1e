#pragma once

#include "skinnedwidget.h"

namespace Controls {

/// A skinned panel: its section over what lies behind it, with an optional centred caption.
class Panel : public SkinnedWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    explicit Panel(QWidget *parent = nullptr);
    ~Panel() override;
    Q_DISABLE_COPY(Panel)

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

protected:
    void paintContent(QPainter &painter, int state) const override;
    bool hasContent() const override { return !m_caption.isEmpty(); }

private:
    QString m_caption;
};

} // namespace Controls
