// An ordered list of shared, reference-counted objects, holding one
// reference per entry.
#pragma once

#include <algorithm>
#include <list>

template <class T>
class TCountedList {
public:
    using List = std::list<T*>;

    TCountedList() = default;
    ~TCountedList() { clear(); }
    TCountedList(const TCountedList&) = delete;
    TCountedList& operator=(const TCountedList&) = delete;

    // Appends the object with a reference of its own; null is ignored. The
    // reference is taken once the list holds the object, so that a failure
    // to grow the list leaves the count as it was.
    void add(T* object)
    {
        if (!object)
            return;
        m_objects.push_back(object);
        object->addRef();
    }

    // Removes the first entry of the object and drops its reference.
    void remove(T* object)
    {
        auto it = std::find(m_objects.begin(), m_objects.end(), object);
        if (it == m_objects.end())
            return;
        m_objects.erase(it);
        object->releaseRef();
    }

    // Drops every reference held and empties the list.
    void clear()
    {
        List objects;
        objects.swap(m_objects);
        for (T* object : objects)
            object->releaseRef();
    }

    const List& get() const { return m_objects; }

private:
    List m_objects;
};
