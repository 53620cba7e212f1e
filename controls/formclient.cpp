#include "formclient.h"

namespace Controls {

FormClient::FormClient(QWidget *parent)
    : QWidget(parent)
{ }

FormClient::~FormClient() = default;

} // namespace Controls
