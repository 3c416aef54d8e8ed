// One message of the DDE protocol between two processes, and its encoding on the stream.
//
// A frame is: body length (u32), kind (u8), three zero bytes, transaction id (u32), format (u32), status (u32),
// item length (u32), the item's bytes, then the data bytes up to the end of the body. Numbers are little-endian.
// Items and data are raw bytes; nothing is converted.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class DdeFrame {
public:
    enum class Kind : std::uint8_t {
        Connect = 1,       // client -> server: item = service, data = topic, status = protocol version
        ConnectReply = 2,  // server -> client: status 1 = accepted
        Poke = 3,          // client -> server
        PokeReply = 4,     // server -> client: status = acknowledgement flags
        Request = 5,       // client -> server
        RequestReply = 6,  // server -> client: status = acknowledgement flags, data = the answer
    };
    static constexpr std::uint32_t kProtocolVersion = 1;
    // Larger bodies are taken for a broken stream.
    static constexpr std::uint32_t kMaxBody = 64u << 20;

    Kind kind = Kind::Connect;
    std::uint32_t xid = 0;
    std::uint32_t format = 0;
    std::uint32_t status = 0;
    std::string item;
    std::string data;

    std::string Encode() const;

    enum class Take { Frame, NeedMore, Broken };
    // Takes the first whole frame off the front of `buffer`.
    static Take TakeFrom(std::string& buffer, DdeFrame& frame);
};

}  // namespace platform
