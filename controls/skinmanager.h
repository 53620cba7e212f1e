#pragma once

#include "internalskin.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

namespace Skin {
class SkinData;
class SectionPainter;
} // namespace Skin

namespace Controls {

/// Owns the active skin and the engine settings; every skinned control draws with the
/// skin of the default manager (the program has one).
class SkinManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString skinName READ skinName WRITE setSkinName NOTIFY skinChanged)
    Q_PROPERTY(QString skinDirectory READ skinDirectory WRITE setSkinDirectory)
    Q_PROPERTY(QString skinInfo READ skinInfo WRITE setSkinInfo)
    Q_PROPERTY(bool blendOnMoving READ blendOnMoving WRITE setBlendOnMoving)
    Q_PROPERTY(int blendOnMovingValue READ blendOnMovingValue WRITE setBlendOnMovingValue)
    Q_PROPERTY(int formShowTime READ formShowTime WRITE setFormShowTime)
    Q_PROPERTY(int formHideTime READ formHideTime WRITE setFormHideTime)
    Q_PROPERTY(int pageChangeTime READ pageChangeTime WRITE setPageChangeTime)
    Q_PROPERTY(QString icoLineSkin READ icoLineSkin WRITE setIcoLineSkin)
    Q_PROPERTY(QString extraLineFontFamily READ extraLineFontFamily WRITE setExtraLineFontFamily)
    Q_PROPERTY(
        int extraLineFontPixelSize READ extraLineFontPixelSize WRITE setExtraLineFontPixelSize)
    Q_PROPERTY(
        OptimizingPriority optimizingPriority READ optimizingPriority WRITE setOptimizingPriority)
    Q_PROPERTY(QStringList thirdButtons READ thirdButtons WRITE setThirdButtons)
    Q_PROPERTY(QStringList thirdGrids READ thirdGrids WRITE setThirdGrids)
    Q_PROPERTY(bool skinActive READ isActive NOTIFY skinChanged)

public:
    enum OptimizingPriority { Speed, Memory };
    Q_ENUM(OptimizingPriority)

    explicit SkinManager(QObject *parent = nullptr);
    ~SkinManager() override;
    Q_DISABLE_COPY(SkinManager)

    /// The manager skinned controls use: the first one created that still exists.
    static SkinManager *defaultManager();

    QString skinName() const { return m_skinName; }
    /// Names the skin to activate; an internal skin of that name becomes active at once.
    void setSkinName(const QString &name);
    const QList<InternalSkin> &internalSkins() const { return m_internalSkins; }
    /// Replaces the internal skins; activates the one `skinName` names.
    void setInternalSkins(const QList<InternalSkin> &skins);

    /// True when a skin is active.
    bool isActive() const { return m_skin != nullptr; }
    /// The active skin, or nullptr.
    const Skin::SkinData *skin() const { return m_skin.get(); }
    /// The painter of the active skin, or nullptr.
    Skin::SectionPainter *painter() const { return m_painter.get(); }
    /// Why the last activation failed; empty after a success.
    QString lastError() const { return m_lastError; }

    QString skinDirectory() const { return m_skinDirectory; }
    void setSkinDirectory(const QString &dir) { m_skinDirectory = dir; }
    QString skinInfo() const { return m_skinInfo; }
    void setSkinInfo(const QString &info) { m_skinInfo = info; }
    bool blendOnMoving() const { return m_blendOnMoving; }
    void setBlendOnMoving(bool on) { m_blendOnMoving = on; }
    /// Opacity 0…255 of a window while it is moved with blending on.
    int blendOnMovingValue() const { return m_blendOnMovingValue; }
    void setBlendOnMovingValue(int value) { m_blendOnMovingValue = value; }
    int formShowTime() const { return m_formShowTime; }
    void setFormShowTime(int ms) { m_formShowTime = ms; }
    int formHideTime() const { return m_formHideTime; }
    void setFormHideTime(int ms) { m_formHideTime = ms; }
    int pageChangeTime() const { return m_pageChangeTime; }
    void setPageChangeTime(int ms) { m_pageChangeTime = ms; }
    QString icoLineSkin() const { return m_icoLineSkin; }
    void setIcoLineSkin(const QString &section) { m_icoLineSkin = section; }
    QString extraLineFontFamily() const { return m_extraLineFontFamily; }
    void setExtraLineFontFamily(const QString &family) { m_extraLineFontFamily = family; }
    int extraLineFontPixelSize() const { return m_extraLineFontPixelSize; }
    void setExtraLineFontPixelSize(int px) { m_extraLineFontPixelSize = px; }
    OptimizingPriority optimizingPriority() const { return m_optimizingPriority; }
    /// Memory priority keeps a smaller cache of painted sections.
    void setOptimizingPriority(OptimizingPriority priority);
    QStringList thirdButtons() const { return m_thirdButtons; }
    void setThirdButtons(const QStringList &classes) { m_thirdButtons = classes; }
    QStringList thirdGrids() const { return m_thirdGrids; }
    void setThirdGrids(const QStringList &classes) { m_thirdGrids = classes; }

Q_SIGNALS:
    /// The active skin changed (activated, replaced or dropped).
    void skinChanged();

private:
    void activate();

    QString m_skinName;
    QList<InternalSkin> m_internalSkins;
    QString m_activeName;
    std::unique_ptr<Skin::SkinData> m_skin;
    std::unique_ptr<Skin::SectionPainter> m_painter;
    QString m_lastError;
    QString m_skinDirectory;
    QString m_skinInfo;
    bool m_blendOnMoving = false;
    int m_blendOnMovingValue = 170;
    int m_formShowTime = 0;
    int m_formHideTime = 0;
    int m_pageChangeTime = 0;
    QString m_icoLineSkin;
    QString m_extraLineFontFamily;
    int m_extraLineFontPixelSize = 0;
    OptimizingPriority m_optimizingPriority = Speed;
    QStringList m_thirdButtons;
    QStringList m_thirdGrids;
};

/// Points `current` at the default manager and `onChange` of `receiver` at its skin changes;
/// false when `current` already was the default manager.
template <typename Receiver>
bool followDefaultManager(
    QPointer<SkinManager> &current, Receiver *receiver, void (Receiver::*onChange)())
{
    SkinManager *manager = SkinManager::defaultManager();
    if (manager == current)
        return false;
    if (current)
        QObject::disconnect(current, nullptr, receiver, nullptr);
    current = manager;
    if (current)
        QObject::connect(current, &SkinManager::skinChanged, receiver, onChange);
    return true;
}

} // namespace Controls
