// The program's own DDE server: the drawing tool connects to "morv9274", pokes "ack" on topic "set" once it has
// carried out a handed-over command file, and disconnects.
#include "shell/CMorv9274App.h"

#include <cstdio>
#include <cstring>

namespace {

struct ServerState {
    DdeState* seen = nullptr;  // the application's, while registered
    DWORD instance = 0;
    HSZ service = nullptr;
    HSZ topic = nullptr;
    HSZ item = nullptr;
    DWORD requests = 0;
    BYTE reply[255] = {};
    BYTE poke[256] = {};
};

ServerState& Server()
{
    static ServerState state;
    return state;
}

constexpr size_t kPokeCopy = 80;
constexpr size_t kTokenMax = 254;
constexpr size_t kReplyNumberAt = 36;
constexpr size_t kReplyNumberLength = 5;

}  // namespace

bool CMorv9274App::RegisterDdeServer(DdeState& state)
{
    ServerState& s = Server();
    s.instance = 0;
    s.requests = 0;
    s.seen = &state;
    state.conv = nullptr;
    if (DdeInitializeA(&s.instance, &CMorv9274App::DdeCallback, APPCLASS_STANDARD, 0) != DMLERR_NO_ERROR) {
        s.instance = 0;
        return false;
    }
    s.service = DdeCreateStringHandleA(s.instance, "morv9274", CP_WINANSI);
    s.topic = DdeCreateStringHandleA(s.instance, "set", CP_WINANSI);
    s.item = DdeCreateStringHandleA(s.instance, "object", CP_WINANSI);
    // A service whose name cannot be registered is never reached by the drawing tool: the run goes on without a
    // server, as after a failed initialisation.
    if (!s.service || !s.topic || !s.item || !DdeNameService(s.instance, s.service, nullptr, DNS_REGISTER)) {
        UnregisterDdeServer();
        return false;
    }
    return true;
}

void CMorv9274App::UnregisterDdeServer()
{
    ServerState& s = Server();
    if (s.instance == 0)
        return;
    if (s.seen && s.seen->conv) {
        DdeDisconnect(s.seen->conv);
        s.seen->conv = nullptr;
    }
    for (HSZ* handle : {&s.service, &s.topic, &s.item}) {
        if (*handle)
            DdeFreeStringHandle(s.instance, *handle);
        *handle = nullptr;
    }
    DdeUninitialize(s.instance);
    s.instance = 0;
    s.seen = nullptr;
}

HDDEDATA CMorv9274App::DdeCallback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                                   ULONG_PTR, ULONG_PTR)
{
    ServerState& s = Server();
    switch (type) {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(DdeCmpStringHandles(hsz2, s.service) == 0));
    case XTYP_CONNECT_CONFIRM:
        if (s.seen)
            s.seen->conv = conv;
        return nullptr;
    case XTYP_DISCONNECT:
        if (s.seen)
            s.seen->conv = nullptr;
        return nullptr;
    case XTYP_REQUEST: {
        ++s.requests;
        char number[16] = {};
        std::snprintf(number, sizeof number, "%3lu.", static_cast<unsigned long>(s.requests));
        size_t length = std::strlen(number);
        for (size_t i = 0; i < kReplyNumberLength; ++i)
            s.reply[kReplyNumberAt + i] = i < length ? static_cast<BYTE>(number[i]) : 0;
        return DdeCreateDataHandle(s.instance, s.reply, sizeof s.reply, 0, s.item, format, 0);
    }
    case XTYP_POKE:
        if (DdeCmpStringHandles(hsz1, s.topic) != 0)
            return nullptr;
        // A short poke must not leave the bytes of an earlier one behind (they could complete a false "ack").
        std::memset(s.poke, 0, sizeof s.poke);
        DdeGetData(data, s.poke, kPokeCopy, 0);
        OnDdePoke(s.poke);
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(DDE_FACK));
    default:
        return nullptr;
    }
}

void CMorv9274App::OnDdePoke(const BYTE* buffer)
{
    size_t length = 0;
    while (length < kTokenMax && buffer[length] != 0 && buffer[length] != 0xA7)
        ++length;
    if (length == 3 && std::memcmp(buffer, "ack", 3) == 0 && Server().seen)
        Server().seen->ack = true;
}
