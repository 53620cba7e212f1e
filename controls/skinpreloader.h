#pragma once

#include "skin/result.h"
#include "skin/skindata.h"

#include <QByteArray>
#include <QSize>

#include <optional>

namespace Controls::SkinPreloader {

/// Starts reading `data` as a packed skin on a worker thread, so that start-up can build its
/// window on the main thread meanwhile; the part `backgroundArea` of every large pattern picture
/// (a window background) is decoded there too. `data` must outlive the read.
void start(const QByteArray &data, QSize backgroundArea);

/// The skin read from the same bytes by start(), waiting for it if needed; nullopt when no read
/// of these bytes was started.
std::optional<Skin::Result<Skin::SkinData>> take(const QByteArray &data);

} // namespace Controls::SkinPreloader
