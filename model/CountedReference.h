// A holder of one counted reference to a shared, reference-counted object
// (anything with addRef and releaseRef). The reference is dropped when the
// holder is reset or destroyed.
#pragma once

template <class T>
class TCountedReference {
public:
    TCountedReference() = default;
    ~TCountedReference() { adopt(nullptr); }
    TCountedReference(const TCountedReference&) = delete;
    TCountedReference& operator=(const TCountedReference&) = delete;

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

    T* get() const { return m_object; }

private:
    T* m_object = nullptr;
};
