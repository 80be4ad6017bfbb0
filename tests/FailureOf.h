// The exception an action is expected to throw, so that failure paths can
// check its message and code as values.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

// The exception of class E that `action` throws; none, and a failure of the
// test, when it throws nothing.
template <class E>
std::optional<E> failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const E& failure) {
        return failure;
    }
    ADD_FAILURE() << "no failure";
    return std::nullopt;
}

// The message of the exception of class E that `action` throws; "" when it
// throws nothing.
template <class E>
std::string messageOf(const std::function<void()>& action)
{
    const std::optional<E> failure = failureOf<E>(action);
    return failure ? failure->getErrorString() : "";
}
