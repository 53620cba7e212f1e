#pragma once

#include <QList>
#include <QPoint>
#include <QString>

#include <optional>
#include <variant>

namespace Inspect {

/// One step of an inspector run, as given by --do.
struct Action
{
    enum Kind { Click, Hover, Wait, Type, Shot };
    Kind kind = Wait;
    QString name; ///< object name (click, hover, type)
    std::optional<QPoint> at; ///< relative to the object; its centre when absent
    int milliseconds = 0; ///< wait
    QString text; ///< typed text, or the shot's file
};

/// Parses "click:NAME[@X,Y]", "hover:NAME@X,Y", "wait:MS", "type:NAME:TEXT" or
/// "shot:FILE.png"; the error says what is wrong with the text.
std::variant<Action, QString> parseAction(const QString &text);

} // namespace Inspect
