// The bytes of the window channel: one request and one answer per connection, each a frame of texts.
//
// A frame is a 32-bit little-endian length of what follows, then each text as a 32-bit little-endian length and its
// bytes. A request holds the window, the verb and its arguments; an answer holds the status ("0", "1" or "2") and the
// answer's text. Texts on the wire are UTF-8; the program converts them to and from Windows-1252.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

class WindowChannelWire {
public:
    // Frames larger than this are refused as broken.
    static constexpr size_t kMaxFrame = 1 << 20;

    static std::string Encode(const std::vector<std::string>& texts);
    enum class Take { Frame, NeedMore, Broken };
    // Takes one whole frame from the front of buffer.
    static Take TakeFrom(std::string& buffer, std::vector<std::string>& texts);
};

}  // namespace platform
