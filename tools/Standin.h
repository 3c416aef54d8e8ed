// The drawing tool's part in a transfer, played by a test peer.
//
// It serves a DDE service (normally "vorna") with topic "set" and item "object". A poke "sendtcl§<path>" makes it
// read that command file and record its lines; any other text poked there (such as "settext§<id>§<text>") is
// recorded as it is. Each such poke is a transfer: the stand-in then connects to the reply service (normally
// "morv9274"), pokes "ack" on topic "set", item "object", and disconnects. A command file that cannot be read is
// reported on standard error and the transfer is still acknowledged. Pokes on another topic or item, or in another
// format than CF_TEXT, are answered "not processed" and neither recorded nor acknowledged. The options make it
// misbehave as a drawing tool could.
#pragma once

#include "platform/Ddeml.h"

#include <chrono>
#include <cstdio>
#include <string>

class Standin {
public:
    struct Options {
        std::string service = "vorna";
        std::string replyService = "morv9274";
        std::string recordPath;  // empty: standard output
        std::string readyPath;   // written once the service is registered, when given
        bool ack = true;
        bool keepOpen = false;     // acknowledge, but leave the conversation with the reply service open
        std::string ackText = "ack";
        std::chrono::milliseconds ackDelay {0};
        int exitAfter = 0;                    // transfers; 0: no limit
        std::chrono::milliseconds runFor {0};  // 0: no limit
    };

    explicit Standin(Options options);
    ~Standin();

    // Registers the service, reports readiness and serves until a limit is reached. Returns the exit code.
    int Run();

private:
    static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                                      ULONG_PTR data1, ULONG_PTR data2);
    HDDEDATA OnPoke(UINT format, HSZ topic, HSZ item, HDDEDATA data);
    void Record(const std::string& line);
    void RecordCommandFile(const std::string& path);
    void Acknowledge();
    void TransferDone();

    static Standin* s_current;

    Options m_options;
    DWORD m_instance = 0;
    HSZ m_service = nullptr;
    HSZ m_replyService = nullptr;
    HSZ m_topic = nullptr;
    HSZ m_item = nullptr;
    std::FILE* m_record = nullptr;
    int m_transfers = 0;
    bool m_done = false;
};
