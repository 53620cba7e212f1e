#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

namespace Controls {

/// A skin carried inside the program: its name, shadow settings and packed container bytes.
struct InternalSkin
{
    QString name;
    QColor shadow1Color = Qt::black;
    int shadow1Offset = 0;
    int shadow1Transparency = 0;
    QByteArray data;
};

} // namespace Controls
