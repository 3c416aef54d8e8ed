// A DDE callback for tests that records every transaction it receives and answers as the test sets it up.
#pragma once

#include "platform/Ddeml.h"
#include "platform/EventLoop.h"

#include <string>
#include <vector>

namespace testsupport {

struct DdeEvent {
    UINT type = 0;
    UINT format = 0;
    HCONV conv = nullptr;
    HSZ hsz1 = nullptr;
    HSZ hsz2 = nullptr;
    std::string text1;
    std::string text2;
    std::string data;  // the bytes of the data handle, when there is one
    bool hasData = false;
    ULONG_PTR data1 = 0;
    ULONG_PTR data2 = 0;
    int depth = 0;  // modal depth of the loop that dispatched the callback
};

class DdeRecorder {
public:
    static inline std::vector<DdeEvent> events;
    static inline DWORD instance = 0;  // for reading the texts of string handles
    static inline bool acceptConnect = true;
    static inline UINT pokeAnswer = DDE_FACK;
    static inline std::string requestAnswer = "answer";
    static inline UINT reentrantError = DMLERR_NO_ERROR;  // set by a poke callback that tries a synchronous call
    static inline bool tryConnectInPoke = false;
    static inline HSZ connectService = nullptr;

    static void Reset()
    {
        events.clear();
        acceptConnect = true;
        pokeAnswer = DDE_FACK;
        requestAnswer = "answer";
        reentrantError = DMLERR_NO_ERROR;
        tryConnectInPoke = false;
    }

    static std::string Text(HSZ hsz)
    {
        char buffer[256] = "";
        if (hsz)
            DdeQueryStringA(instance, hsz, buffer, sizeof buffer, CP_WINANSI);
        return buffer;
    }

    static size_t Count(UINT type)
    {
        size_t n = 0;
        for (const DdeEvent& e : events)
            n += e.type == type;
        return n;
    }

    static const DdeEvent* Last(UINT type)
    {
        for (auto it = events.rbegin(); it != events.rend(); ++it)
            if (it->type == type)
                return &*it;
        return nullptr;
    }

    static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                                      ULONG_PTR data1, ULONG_PTR data2)
    {
        DdeEvent e;
        e.type = type;
        e.format = format;
        e.conv = conv;
        e.hsz1 = hsz1;
        e.hsz2 = hsz2;
        e.text1 = Text(hsz1);
        e.text2 = Text(hsz2);
        e.data1 = data1;
        e.data2 = data2;
        e.depth = platform::EventLoop::Current().ModalDepth();
        // A completed poke reports TRUE in place of a data handle.
        if (data && (type != XTYP_XACT_COMPLETE || reinterpret_cast<std::uintptr_t>(data) > 1)) {
            e.hasData = true;
            e.data.assign(DdeGetData(data, nullptr, 0, 0), '\0');
            DdeGetData(data, reinterpret_cast<LPBYTE>(e.data.data()), static_cast<DWORD>(e.data.size()), 0);
        }
        events.push_back(e);
        switch (type) {
        case XTYP_CONNECT:
            return reinterpret_cast<HDDEDATA>(static_cast<std::uintptr_t>(acceptConnect));
        case XTYP_POKE:
            if (tryConnectInPoke) {
                DWORD self = instance;
                HCONV nested = DdeConnect(self, connectService, nullptr, nullptr);
                reentrantError = nested ? DMLERR_NO_ERROR : DdeGetLastError(self);
                if (nested)
                    DdeDisconnect(nested);
            }
            return reinterpret_cast<HDDEDATA>(static_cast<std::uintptr_t>(pokeAnswer));
        case XTYP_REQUEST:
            return DdeCreateDataHandle(instance, reinterpret_cast<LPBYTE>(requestAnswer.data()),
                                       static_cast<DWORD>(requestAnswer.size()), 0, hsz2, format, 0);
        default:
            return nullptr;
        }
    }
};

}  // namespace testsupport
