// The layout check's rules over a layout report.
#include "LayoutCheck.h"

#include <algorithm>
#include <sstream>

namespace wxtest {

namespace {

// The line a group box's frame is drawn with, and the least room between it and what stands inside.
constexpr int kBorder = 2;

struct Control {
    unsigned id = 0;
    std::string cls;
    Rect alloc;
    int naturalW = 0, naturalH = 0;
    Rect content;
    std::string text;

    // What a person sees of it: a text's lines (the empty lines it begins with show nothing), a check box's box and
    // label, otherwise the whole widget.
    Rect Extent() const
    {
        if (cls != "static")
            return cls == "check" || cls == "radio" ? content : alloc;
        int lines = 1;
        for (char ch : text)
            lines += ch == '\n';
        size_t blank = 0;
        while (blank < text.size() && text[blank] == '\n')
            ++blank;
        Rect r = content;
        if (blank > 0 && blank < text.size()) {
            const int skip = std::min(r.h, naturalH * static_cast<int>(blank) / lines);
            r.y += skip;
            r.h -= skip;
        }
        return r;
    }
};

std::string Unquoted(std::istream& in)
{
    std::string rest;
    std::getline(in, rest);
    size_t open = rest.find('"');
    std::string out;
    for (size_t i = open == std::string::npos ? rest.size() : open + 1; i < rest.size(); ++i) {
        if (rest[i] == '\\' && i + 1 < rest.size()) {
            ++i;
            out += rest[i] == 'n' ? '\n' : rest[i];
        } else if (rest[i] == '"') {
            break;
        } else {
            out += rest[i];
        }
    }
    return out;
}

Rect ReadRect(std::istream& in)
{
    Rect r;
    in >> r.x >> r.y >> r.w >> r.h;
    return r;
}

std::string Text(const Rect& r)
{
    return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.w) + "x" + std::to_string(r.h);
}

}  // namespace

std::vector<Finding> CheckLayout(const std::string& report)
{
    std::vector<Finding> findings;
    std::vector<Control> controls;
    Rect top, screen, client, form;
    bool isFrame = false, hasForm = false, hasClient = false;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream in(line);
        std::string head;
        in >> head;
        if (head == "top") {
            std::string kind;
            unsigned id = 0;
            in >> kind >> id;
            isFrame = kind == "Frame";
            top = ReadRect(in);
        } else if (head == "screen") {
            screen = ReadRect(in);
        } else if (head == "client") {
            client = ReadRect(in);
            hasClient = true;
        } else if (head == "form") {
            unsigned id = 0;
            in >> id;
            form = ReadRect(in);
            hasForm = true;
        } else if (head == "control") {
            Control c;
            in >> c.id >> c.cls;
            c.alloc = ReadRect(in);
            in >> c.naturalW >> c.naturalH;
            c.content = ReadRect(in);
            c.text = Unquoted(in);
            controls.push_back(c);
        }
    }

    if (!isFrame && !screen.Empty() && !screen.Contains(top))
        findings.push_back({0, "", "the dialog reaches beyond the screen", top, screen});
    // The form fills the client area from its top left corner, and no more.
    Rect area = client;
    if (isFrame && hasForm && hasClient) {
        if (form.w > client.w || form.h > client.h)
            findings.push_back({0, "", "the form is larger than the frame's client area (it scrolls)", form, client});
        else if (form.x != client.x || form.y != client.y)
            findings.push_back({0, "", "the form stands scrolled in the frame's client area", form, client});
        area = form;
    }

    for (const Control& c : controls) {
        // Texts, boxes and buttons hold what they show; a list holds its longest item.
        if (c.naturalW > 0 &&
            (c.cls == "static" || c.cls == "check" || c.cls == "radio" || c.cls == "button" || c.cls == "combo")) {
            if (c.alloc.w < c.naturalW || c.alloc.h < c.naturalH)
                findings.push_back(
                    {c.id, c.text, "its contents are cut", c.alloc, {c.alloc.x, c.alloc.y, c.naturalW, c.naturalH}});
        }
        if (c.cls == "group" && !c.text.empty() && !c.content.Empty()) {
            if (c.content.w < c.naturalW || c.content.h < c.naturalH)
                findings.push_back({c.id,
                                    c.text,
                                    "its caption is cut",
                                    c.content,
                                    {c.content.x, c.content.y, c.naturalW, c.naturalH}});
            if (c.content.x < c.alloc.x + 2 * kBorder || c.content.Right() > c.alloc.Right() - kBorder)
                findings.push_back({c.id, c.text, "its caption stands on the box's border", c.content, c.alloc});
        }
        if (!area.Empty() && !area.Contains(c.alloc))
            findings.push_back({c.id, c.text, "it reaches beyond its window's client area", c.alloc, area});
    }

    // What meets a group box stands inside it: below the caption, inside the frame.
    for (const Control& box : controls) {
        if (box.cls != "group")
            continue;
        // The top line runs through the middle of the caption's line, also of an empty one; a caption's text
        // reaches down to the line's bottom.
        const int line = box.content.h > 0 ? box.content.y + box.content.h / 2 : box.alloc.y;
        const int top = box.text.empty() ? line + kBorder : std::max(box.content.Bottom(), line + kBorder);
        const Rect inside{box.alloc.x + kBorder, top, box.alloc.w - 2 * kBorder, box.alloc.Bottom() - kBorder - top};
        for (const Control& c : controls) {
            if (&c == &box)
                continue;
            const Rect extent = c.Extent();
            // A box is inside another when it is the smaller one; a tab row stands on the frame of its page.
            if ((c.cls == "group" && extent.w * extent.h >= box.alloc.w * box.alloc.h) || c.cls == "tab")
                continue;
            if (box.alloc.Intersects(extent) && !inside.Contains(extent))
                findings.push_back(
                    {c.id, c.text,
                     "it lies across the border of group box " + std::to_string(box.id) + " \"" + box.text + "\"",
                     extent, inside});
        }
    }
    return findings;
}

std::string Describe(const std::string& where, const Finding& f)
{
    return where + " control " + std::to_string(f.control) + " \"" + f.text + "\": " + f.what + ": " + Text(f.first) +
        " / " + Text(f.second);
}

}  // namespace wxtest
