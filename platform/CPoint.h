// CPoint and CSize: a point and an extent in pixels, with the Win32 POINT and SIZE layouts underneath.
#pragma once

#include "platform/Types.h"

struct POINT {
    LONG x;
    LONG y;
};
using LPPOINT = POINT*;

struct SIZE {
    LONG cx;
    LONG cy;
};

class CPoint : public POINT {
public:
    CPoint() : POINT {0, 0} {}
    CPoint(int x_, int y_) : POINT {x_, y_} {}
    CPoint(const POINT& p) : POINT(p) {}
    void Offset(int dx, int dy) { x += dx; y += dy; }
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const { return !(*this == o); }
    CPoint operator+(const CPoint& o) const { return CPoint(x + o.x, y + o.y); }
    CPoint operator-(const CPoint& o) const { return CPoint(x - o.x, y - o.y); }
};

class CSize : public SIZE {
public:
    CSize() : SIZE {0, 0} {}
    CSize(int cx_, int cy_) : SIZE {cx_, cy_} {}
    bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const CSize& o) const { return !(*this == o); }
};
