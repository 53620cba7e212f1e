#include "actions.h"

#include <QRegularExpression>

namespace Inspect {

namespace {

std::optional<QPoint> parsePoint(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(-?\\d+),(-?\\d+)$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return QPoint(match.captured(1).toInt(), match.captured(2).toInt());
}

} // namespace

std::variant<Action, QString> parseAction(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return QStringLiteral("action \"%1\" has no ':'").arg(text);
    const QString verb = text.left(colon);
    const QString rest = text.mid(colon + 1);
    Action action;
    if (verb == QLatin1String("click") || verb == QLatin1String("hover")) {
        action.kind = verb == QLatin1String("click") ? Action::Click : Action::Hover;
        const qsizetype at = rest.lastIndexOf(QLatin1Char('@'));
        action.name = at < 0 ? rest : rest.left(at);
        if (at >= 0) {
            action.at = parsePoint(rest.mid(at + 1));
            if (!action.at)
                return QStringLiteral("action \"%1\": \"%2\" is not X,Y")
                    .arg(text, rest.mid(at + 1));
        } else if (action.kind == Action::Hover) {
            return QStringLiteral("action \"%1\": hover needs @X,Y").arg(text);
        }
    } else if (verb == QLatin1String("wait")) {
        bool ok = false;
        action.kind = Action::Wait;
        action.milliseconds = rest.toInt(&ok);
        if (!ok || action.milliseconds < 0)
            return QStringLiteral("action \"%1\": \"%2\" is not a number of milliseconds")
                .arg(text, rest);
    } else if (verb == QLatin1String("type")) {
        const qsizetype split = rest.indexOf(QLatin1Char(':'));
        if (split < 0)
            return QStringLiteral("action \"%1\": type needs NAME:TEXT").arg(text);
        action.kind = Action::Type;
        action.name = rest.left(split);
        action.text = rest.mid(split + 1);
    } else if (verb == QLatin1String("shot")) {
        action.kind = Action::Shot;
        action.text = rest;
        if (!rest.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
            return QStringLiteral("action \"%1\": a shot is saved as .png").arg(text);
    } else {
        return QStringLiteral("unknown action \"%1\"").arg(verb);
    }
    if ((action.kind == Action::Click || action.kind == Action::Hover
            || action.kind == Action::Type)
        && action.name.isEmpty())
        return QStringLiteral("action \"%1\" names no object").arg(text);
    return action;
}

} // namespace Inspect
