#include "skinmanager.h"

#include "skinpreloader.h"

#include "skin/sectionpainter.h"
#include "skin/skindata.h"

#include <QPointer>

namespace Controls {

namespace {

// A skin that start-up began reading on a worker thread is taken from there.
Skin::Result<Skin::SkinData> readSkin(const QByteArray &data)
{
    if (auto preloaded = SkinPreloader::take(data))
        return std::move(*preloaded);
    return Skin::SkinData::fromContainerBytes(data);
}

QPointer<SkinManager> s_default;

qint64 painterCacheBytes(SkinManager::OptimizingPriority priority)
{
    return priority == SkinManager::Memory ? 8 * 1024 * 1024 : 48 * 1024 * 1024;
}
} // namespace

SkinManager::SkinManager(QObject *parent)
    : QObject(parent)
{
    if (!s_default)
        s_default = this;
}

SkinManager::~SkinManager() = default;

SkinManager *SkinManager::defaultManager()
{
    return s_default;
}

void SkinManager::setSkinName(const QString &name)
{
    if (name == m_skinName)
        return;
    m_skinName = name;
    activate();
}

void SkinManager::setInternalSkins(const QList<InternalSkin> &skins)
{
    m_internalSkins = skins;
    m_activeName.clear();
    activate();
}

void SkinManager::setOptimizingPriority(OptimizingPriority priority)
{
    if (priority == m_optimizingPriority)
        return;
    m_optimizingPriority = priority;
    if (m_skin)
        m_painter = std::make_unique<Skin::SectionPainter>(*m_skin, painterCacheBytes(priority));
}

void SkinManager::activate()
{
    if (m_skin && m_activeName == m_skinName)
        return;
    const auto found = std::find_if(m_internalSkins.cbegin(), m_internalSkins.cend(),
        [this](const InternalSkin &skin) { return skin.name == m_skinName; });
    const bool hadSkin = m_skin != nullptr;
    m_painter.reset();
    m_skin.reset();
    m_activeName.clear();
    if (found == m_internalSkins.cend()) {
        m_lastError = m_skinName.isEmpty()
            ? QString()
            : QStringLiteral("no internal skin named \"%1\"").arg(m_skinName);
    } else if (auto read = readSkin(found->data); !read) {
        m_lastError = QStringLiteral("skin \"%1\": %2").arg(m_skinName, read.error());
    } else {
        m_skin = std::make_unique<Skin::SkinData>(std::move(read).value());
        m_painter = std::make_unique<Skin::SectionPainter>(
            *m_skin, painterCacheBytes(m_optimizingPriority));
        m_activeName = m_skinName;
        m_lastError.clear();
    }
    if (hadSkin || m_skin)
        Q_EMIT skinChanged();
}

} // namespace Controls
