// The rules of the layout check over a window backend's layout report (wnddrive's "layout"): what a person would see
// cut, across a border or out of reach. A plain function of the report, so its rules are tested on reports of their
// own.
#pragma once

#include <string>
#include <vector>

namespace wxtest {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    bool Empty() const { return w <= 0 || h <= 0; }
    bool Contains(const Rect& r) const
    {
        return r.x >= x && r.y >= y && r.Right() <= Right() && r.Bottom() <= Bottom();
    }
    bool Intersects(const Rect& r) const
    {
        return !Empty() && !r.Empty() && r.x < Right() && x < r.Right() && r.y < Bottom() && y < r.Bottom();
    }
};

struct Finding {
    unsigned control = 0;
    std::string text;  // the control's text, UTF-8
    std::string what;
    Rect first;   // the control's (or the window's) rectangle
    Rect second;  // what it should fit into or hold
};

// Every finding of one layout report; `where` names the form or dialog in each line of Describe.
std::vector<Finding> CheckLayout(const std::string& report);

// "<where> control <id> "<text>": <what>: x,y wxh / x,y wxh"
std::string Describe(const std::string& where, const Finding& finding);

}  // namespace wxtest
