#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace Skin {

/// A failure with a message that says what failed and where.
struct Error
{
    QString message;
};

/// A value or an Error; parsers return these instead of throwing.
template <typename T> class Result
{
public:
    Result(T value)
        : m_value(std::move(value))
    { }
    Result(Error error)
        : m_error(std::move(error.message))
    { }

    /// True when the result holds a value.
    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    /// The value; only valid when ok().
    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const T *operator->() const { return &*m_value; }
    const T &operator*() const { return *m_value; }
    /// The failure message; empty when ok().
    const QString &error() const { return m_error; }

private:
    std::optional<T> m_value;
    QString m_error;
};

} // namespace Skin
