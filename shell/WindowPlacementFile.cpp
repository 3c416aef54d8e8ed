// Reading and writing WINDOW.ini.
#include "shell/WindowPlacementFile.h"

#include "platform/TextFile.h"
#include "platform/WindowTypes.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Longer than any number line the file needs; a longer line is damage and is not read to its end.
constexpr size_t kMaxLine = 64;

// One line holding one decimal number, blanks around it allowed.
bool ParseLine(const CString& line, int& value)
{
    const char* text = line.GetString();
    char* end = nullptr;
    long number = std::strtol(text, &end, 10);
    if (end == text || number < -1000000 || number > 1000000)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0')
        return false;
    value = static_cast<int>(number);
    return true;
}

}  // namespace

WindowPlacementFile::WindowPlacementFile(const CString& path) : m_path(path) {}

bool WindowPlacementFile::Read(WindowPlacement& stored) const
{
    std::FILE* file = platform::OpenRegularForReading(m_path.GetString());
    if (!file)
        return false;
    // Nothing is taken from a file that does not hold all five numbers.
    WindowPlacement read;
    bool ok = true;
    for (int* value : {&read.showState, &read.left, &read.top, &read.width, &read.height}) {
        CString line;
        if (platform::ReadLineUpTo(file, line, kMaxLine) != platform::LineRead::Line || !ParseLine(line, *value)) {
            ok = false;
            break;
        }
    }
    std::fclose(file);
    if (ok)
        stored = read;
    return ok;
}

bool WindowPlacementFile::IsStorableShowState(int showState)
{
    return showState == SW_SHOWNORMAL || showState == SW_SHOWMAXIMIZED || showState == SW_SHOW ||
           showState == SW_RESTORE;
}

int WindowPlacementFile::StoredShowState(int showCommand)
{
    return IsStorableShowState(showCommand) ? showCommand : SW_SHOWNORMAL;
}

WindowPlacement WindowPlacementFile::ForShowing(bool& hasPosition) const
{
    WindowPlacement stored;
    WindowPlacement shown;
    shown.width = kDefaultWidth;
    shown.height = kDefaultHeight;
    hasPosition = false;
    if (!Read(stored))
        return shown;
    shown.showState = IsStorableShowState(stored.showState) ? stored.showState : SW_SHOWNORMAL;
    if (stored.width >= kMinimumWidth && stored.height >= kMinimumHeight) {
        shown.left = stored.left;
        shown.top = stored.top;
        shown.width = stored.width;
        shown.height = stored.height;
        hasPosition = true;
    }
    return shown;
}

bool WindowPlacementFile::Update(const WindowPlacement& current) const
{
    WindowPlacement stored;
    if (Read(stored) && stored.showState == current.showState && stored.width == current.width &&
        stored.height == current.height)
        return true;
    std::string text;
    char line[32];
    for (int value : {current.showState, current.left, current.top, current.width, current.height}) {
        std::snprintf(line, sizeof line, "%5d\r\n", value);
        text += line;
    }
    return platform::WriteFileAtomically(m_path.GetString(), text);
}
