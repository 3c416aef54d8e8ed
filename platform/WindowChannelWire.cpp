// Frames of texts for the window channel.
#include "platform/WindowChannelWire.h"

#include "platform/LittleEndian.h"

#include <cstdint>

namespace platform {

std::string WindowChannelWire::Encode(const std::vector<std::string>& texts)
{
    std::string body;
    for (const std::string& text : texts) {
        PutU32(body, static_cast<std::uint32_t>(text.size()));
        body += text;
    }
    std::string frame;
    PutU32(frame, static_cast<std::uint32_t>(body.size()));
    return frame + body;
}

WindowChannelWire::Take WindowChannelWire::TakeFrom(std::string& buffer, std::vector<std::string>& texts)
{
    if (buffer.size() < 4)
        return Take::NeedMore;
    size_t length = GetU32(buffer, 0);
    if (length > kMaxFrame)
        return Take::Broken;
    if (buffer.size() < 4 + length)
        return Take::NeedMore;
    texts.clear();
    size_t at = 4;
    size_t end = 4 + length;
    while (at < end) {
        if (end - at < 4)
            return Take::Broken;
        size_t size = GetU32(buffer, at);
        at += 4;
        if (size > end - at)
            return Take::Broken;
        texts.push_back(buffer.substr(at, size));
        at += size;
    }
    buffer.erase(0, end);
    return Take::Frame;
}

}  // namespace platform
