// Fuzzes the DDE frame reader with whatever a peer on a service socket sends, arriving in pieces: a frame is taken
// only whole, never beyond the buffer or above the bound, and encodes back to the bytes it came from (its
// padding zeroed).
//
// Input: byte 0 gives the size of the pieces the bytes arrive in (1 to 256); the rest are the bytes.
#include "platform/DdeFrame.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

using platform::DdeFrame;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t piece = static_cast<size_t>(data[0]) + 1;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string buffer;
    size_t fed = 0;
    while (fed < bytes.size()) {
        const size_t n = std::min(piece, bytes.size() - fed);
        buffer.append(bytes, fed, n);
        fed += n;
        for (;;) {
            const std::string before = buffer;
            DdeFrame frame;
            const DdeFrame::Take take = DdeFrame::TakeFrom(buffer, frame);
            if (take == DdeFrame::Take::Broken)
                return 0;  // the conversation is dropped
            if (take == DdeFrame::Take::NeedMore) {
                if (buffer != before)
                    std::abort();
                break;
            }
            if (buffer.size() >= before.size())
                std::abort();
            std::string taken = before.substr(0, before.size() - buffer.size());
            // The three bytes after the kind are padding: read past, written as zeros.
            taken.replace(5, 3, 3, '\0');
            if (taken.size() > DdeFrame::kMaxBody + 4u || frame.Encode() != taken)
                std::abort();
        }
    }
    return 0;
}
