// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What storage and transfer return from anything that can fail: whether it worked, the text
// the user sees (what failed and where) and the cause, so that callers and tests can tell a
// refused name from a full disk without reading the text. cResultOf<T> adds the value a
// successful call produces (a path, a list).
#include <QString>

#include <utility>

enum class eFailure { None, FileSystem, Format, Refused, Network, Server, Cancelled };

class [[nodiscard]] cResult
{
public:
    cResult() = default;
    static cResult Ok() { return {}; }
    static cResult Failed(eFailure cause, QString text) { return cResult(cause, std::move(text)); }

    bool ok() const { return fCause == eFailure::None; }
    explicit operator bool() const { return ok(); }
    eFailure cause() const { return fCause; }
    // Empty when the call worked.
    const QString &text() const { return fText; }

private:
    cResult(eFailure cause, QString text) : fCause(cause), fText(std::move(text)) {}

    eFailure fCause = eFailure::None;
    QString fText;
};

template <typename T>
class [[nodiscard]] cResultOf
{
public:
    cResultOf(T value) : fValue(std::move(value)) {}
    cResultOf(cResult failure) : fResult(std::move(failure)) {}

    bool ok() const { return fResult.ok(); }
    explicit operator bool() const { return ok(); }
    eFailure cause() const { return fResult.cause(); }
    const QString &text() const { return fResult.text(); }
    // The outcome without the value, for callers that pass a failure on.
    const cResult &result() const { return fResult; }
    // A default T when the call failed.
    const T &value() const { return fValue; }

private:
    T fValue{};
    cResult fResult;
};
