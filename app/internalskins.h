#pragma once

#include "controls/internalskin.h"

#include <QList>

namespace App {

/// The skins the program carries: "Korvanel (internal)" alone.
QList<Controls::InternalSkin> internalSkins();

} // namespace App
