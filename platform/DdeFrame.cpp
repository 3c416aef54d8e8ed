// Encoding and decoding of the DDE protocol's frames.
#include "platform/DdeFrame.h"

#include "platform/LittleEndian.h"

namespace platform {

namespace {

constexpr size_t kFixedBody = 20;  // kind + padding, xid, format, status, item length

}  // namespace

std::string DdeFrame::Encode() const
{
    std::string out;
    out.reserve(4 + kFixedBody + item.size() + data.size());
    PutU32(out, static_cast<std::uint32_t>(kFixedBody + item.size() + data.size()));
    out += static_cast<char>(kind);
    out.append(3, '\0');
    PutU32(out, xid);
    PutU32(out, format);
    PutU32(out, status);
    PutU32(out, static_cast<std::uint32_t>(item.size()));
    out += item;
    out += data;
    return out;
}

DdeFrame::Take DdeFrame::TakeFrom(std::string& buffer, DdeFrame& frame)
{
    if (buffer.size() < 4)
        return Take::NeedMore;
    std::uint32_t body = GetU32(buffer, 0);
    if (body < kFixedBody || body > kMaxBody)
        return Take::Broken;
    if (buffer.size() < 4 + static_cast<size_t>(body))
        return Take::NeedMore;
    std::uint32_t itemLength = GetU32(buffer, 20);
    if (itemLength > body - kFixedBody)
        return Take::Broken;
    auto kind = static_cast<std::uint8_t>(buffer[4]);
    if (kind < static_cast<std::uint8_t>(Kind::Connect) || kind > static_cast<std::uint8_t>(Kind::RequestReply))
        return Take::Broken;
    frame.kind = static_cast<Kind>(kind);
    frame.xid = GetU32(buffer, 8);
    frame.format = GetU32(buffer, 12);
    frame.status = GetU32(buffer, 16);
    frame.item.assign(buffer, 4 + kFixedBody, itemLength);
    frame.data.assign(buffer, 4 + kFixedBody + itemLength, body - kFixedBody - itemLength);
    buffer.erase(0, 4 + static_cast<size_t>(body));
    return Take::Frame;
}

}  // namespace platform
