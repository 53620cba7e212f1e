#pragma once

#include <QWidget>

namespace Controls {

/// The client area of a Form: the parent of its controls, placed inside the frame the
/// window skin provider draws. Paints nothing; the form's picture shows through.
class FormClient : public QWidget
{
    Q_OBJECT
public:
    explicit FormClient(QWidget *parent = nullptr);
    ~FormClient() override;
    Q_DISABLE_COPY(FormClient)
};

} // namespace Controls
