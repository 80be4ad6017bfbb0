// Four signed edges: top, left, bottom, right.
#pragma once

#include <cstdint>

class CRectangle {
public:
    CRectangle() = default;
    CRectangle(int32_t top, int32_t left, int32_t bottom, int32_t right)
        : m_top(top), m_left(left), m_bottom(bottom), m_right(right)
    {
    }
    virtual ~CRectangle() = default;
    CRectangle(const CRectangle&) = default;
    CRectangle& operator=(const CRectangle&) = default;

    void setTop(int32_t top) { m_top = top; }
    int32_t getTop() const { return m_top; }
    void setLeft(int32_t left) { m_left = left; }
    int32_t getLeft() const { return m_left; }
    void setBottom(int32_t bottom) { m_bottom = bottom; }
    int32_t getBottom() const { return m_bottom; }
    void setRight(int32_t right) { m_right = right; }
    int32_t getRight() const { return m_right; }

    int32_t getHeight() const;
    int32_t getWidth() const;
    // Moves the rectangle down by `down` and right by `right`.
    void offset(long down, long right);

    bool operator==(const CRectangle& other) const;
    bool operator!=(const CRectangle& other) const { return !(*this == other); }

private:
    int32_t m_top = 0;
    int32_t m_left = 0;
    int32_t m_bottom = 0;
    int32_t m_right = 0;
};
