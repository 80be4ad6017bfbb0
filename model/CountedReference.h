// A holder of one counted reference to a shared, reference-counted object
// (anything with addRef and releaseRef). The reference is dropped when the
// holder is reset or destroyed, so that a failure between making an object
// and handing it on leaks nothing.
#pragma once

#include <type_traits>
#include <utility>

template <class T>
class TCountedReference {
public:
    TCountedReference() = default;
    ~TCountedReference() { adopt(nullptr); }
    TCountedReference(const TCountedReference&) = delete;
    TCountedReference& operator=(const TCountedReference&) = delete;

    // The reference moves with the holder, also to a holder of a base class.
    template <class U>
    TCountedReference(TCountedReference<U>&& other) noexcept : m_object(other.take())
    {
    }
    TCountedReference(TCountedReference&& other) noexcept : m_object(other.take()) {}
    template <class U>
    TCountedReference& operator=(TCountedReference<U>&& other) noexcept
    {
        adopt(other.take());
        return *this;
    }
    TCountedReference& operator=(TCountedReference&& other) noexcept
    {
        adopt(other.take());
        return *this;
    }

    // Holds `object` with a reference of its own. The new reference is taken
    // before the old one is dropped, so handing in the object already held
    // cannot destroy it.
    void reset(T* object)
    {
        if (object)
            object->addRef();
        adopt(object);
    }

    // Holds `object` with the reference its creator made: no reference is
    // added, and the holder drops it in due course.
    void adopt(T* object)
    {
        T* previous = m_object;
        m_object = object;
        if (previous)
            previous->releaseRef();
    }

    // Hands the reference held to the caller and holds nothing.
    T* take()
    {
        T* object = m_object;
        m_object = nullptr;
        return object;
    }

    T* get() const { return m_object; }
    T* operator->() const { return m_object; }

private:
    T* m_object = nullptr;
};

// A new counted object of class T made from `args`, held with its creator's
// reference.
template <class T, class... Args>
TCountedReference<T> makeCounted(Args&&... args)
{
    TCountedReference<T> object;
    object.adopt(new T(std::forward<Args>(args)...));
    return object;
}

// A new copy of a counted object, made by its clone and held with the
// copy's reference; empty for null.
template <class T>
auto cloneOf(const T* object) -> TCountedReference<std::remove_pointer_t<decltype(object->clone())>>
{
    TCountedReference<std::remove_pointer_t<decltype(object->clone())>> copy;
    if (object)
        copy.adopt(object->clone());
    return copy;
}
