// Showing a row of the message catalog.
#include "resources/Messages.h"

#include "platform/Prompts.h"

namespace messages {

CString CaptionOf(const Message& message)
{
    return CString(message.caption == CaptionKind::Colon ? "morv9274 - Message: " : "morv9274 - Message ") +
        message.number;
}

int ShowText(HWND owner, const Message& message, const CString& text)
{
    return MessageBoxA(owner, text, CaptionOf(message), message.flags);
}

}  // namespace messages
