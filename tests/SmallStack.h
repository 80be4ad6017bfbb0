// Runs code on a thread with a small stack, so that a test shows the code
// takes no stack in proportion to the depth of its input.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <pthread.h>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's frames are several times larger.
constexpr std::size_t kSmallStack = 1024 * 1024;
#else
constexpr std::size_t kSmallStack = 256 * 1024;
#endif

// Runs `action` to its end in a thread of its own with a stack of `bytes`.
inline void runOnStackOf(std::size_t bytes, const std::function<void()>& action)
{
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, bytes), 0);
    pthread_t thread;
    auto run = [](void* argument) -> void* {
        (*static_cast<const std::function<void()>*>(argument))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&action)), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}
