#include "skinverifier.h"

#include "optionvalues.h"
#include "skindata.h"

namespace Skin {

namespace {

class Verifier
{
public:
    explicit Verifier(const SkinData &skin)
        : m_skin(skin)
    { }

    void section(const OptionsSection &section)
    {
        for (const OptionsKey &key : section.keys) {
            const QString place
                = QStringLiteral("[%1] %2 (line %3)")
                      .arg(QString::fromLatin1(section.name), QString::fromLatin1(key.key))
                      .arg(key.line);
            if (key.value.startsWith('@'))
                masterPicture(place, key.value);
            else if (key.value.startsWith('^'))
                bordersMask(place, key.value);
            else if (key.value.startsWith('!'))
                reference(place, key.value);
            else if ((key.key == "PATTERN" || key.key == "HOTPATTERN") && !key.value.isEmpty()
                && key.value.compare("N/A", Qt::CaseInsensitive) != 0)
                entry(place, key.value);
        }
    }

    void required(const QList<QByteArray> &names)
    {
        for (const QByteArray &name : names) {
            if (m_skin.indexOf(name) < 0)
                m_problems.append(
                    QStringLiteral("section [%1] is missing").arg(QString::fromLatin1(name)));
        }
    }

    QStringList problems() const { return m_problems; }

private:
    void problem(const QString &place, const QString &what)
    {
        m_problems.append(place + QStringLiteral(": ") + what);
    }

    bool inside(const QString &place, const QRect &rect)
    {
        if (m_skin.masterBitmap().rect().contains(rect))
            return true;
        const QSize size = m_skin.masterBitmap().size();
        problem(place,
            QStringLiteral("rectangle %1,%2 to %3,%4 lies outside the %5 × %6 master bitmap")
                .arg(rect.left())
                .arg(rect.top())
                .arg(rect.right() + 1)
                .arg(rect.bottom() + 1)
                .arg(size.width())
                .arg(size.height()));
        return false;
    }

    void divisible(const QString &place, const QRect &rect, int states, bool masked)
    {
        if (rect.width() % states != 0)
            problem(place,
                QStringLiteral("width %1 does not split into %2 states")
                    .arg(rect.width())
                    .arg(states));
        if (masked && rect.height() % 2 != 0)
            problem(place,
                QStringLiteral("height %1 does not split into pictures and masks")
                    .arg(rect.height()));
    }

    void masterPicture(const QString &place, QByteArrayView value)
    {
        auto picture = parseMasterPicture(value);
        if (!picture)
            return problem(place, picture.error());
        if (inside(place, picture->rect))
            divisible(place, picture->rect, picture->states, picture->masked);
    }

    void bordersMask(const QString &place, QByteArrayView value)
    {
        auto mask = parseBordersMask(value);
        if (!mask)
            return problem(place, mask.error());
        if (!inside(place, mask->rect))
            return;
        divisible(place, mask->rect, mask->states, mask->masked);
        const QSize state = mask->stateSize();
        const QMargins &b = mask->borders;
        if (b.left() + b.right() > state.width() || b.top() + b.bottom() > state.height()) {
            problem(place,
                QStringLiteral("borders %1,%2,%3,%4 do not fit the %5 × %6 state picture")
                    .arg(b.left())
                    .arg(b.top())
                    .arg(b.right())
                    .arg(b.bottom())
                    .arg(state.width())
                    .arg(state.height()));
        }
    }

    void reference(const QString &place, QByteArrayView value)
    {
        auto target = parseEntryReference(value);
        if (!target)
            return problem(place, target.error());
        entry(place, target->name);
    }

    void entry(const QString &place, QByteArrayView name)
    {
        if (m_skin.container().indexOf(name) < 0)
            problem(place,
                QStringLiteral("entry \"%1\" is not in the container")
                    .arg(QString::fromLatin1(name)));
        else if (m_skin.picture(name).isNull())
            problem(place,
                QStringLiteral("entry \"%1\" is not a readable picture")
                    .arg(QString::fromLatin1(name)));
    }

    const SkinData &m_skin;
    QStringList m_problems;
};

} // namespace

QStringList verifySkin(const SkinData &skin, const QList<QByteArray> &requiredSections)
{
    Verifier verifier(skin);
    verifier.section(skin.globalInfo());
    for (const SkinSection &section : skin.sections())
        verifier.section(section.options);
    verifier.required(requiredSections);
    return verifier.problems();
}

} // namespace Skin
