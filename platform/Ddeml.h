// The DDEML calls the program uses, over Unix-domain sockets between the processes of one user.
//
// What is kept of the original library:
//  - Instances with a callback; a client-only instance (APPCMD_CLIENTONLY) cannot register services.
//  - String handles are shared by every instance of the process: equal texts that differ only in the case of ASCII
//    letters give the same handle value, so handles are compared with == or DdeCmpStringHandles; DdeQueryStringA
//    gives the text as first created. Each DdeCreateStringHandleA needs its DdeFreeStringHandle; handles passed to a
//    callback are valid during the callback.
//  - A service registered with DdeNameService listens on a socket in the per-user runtime folder named after the
//    service (case-insensitive; platform/LocalSocket.h), so no other user can take the name first. A socket file a
//    crashed run left behind is taken over, so such a run never blocks the next one. While
//    another live process still serves the name (an instance that is closing), the registration succeeds and takes
//    the name over as soon as it is free: it retries from the event loop.
//  - DdeConnect fails at once when no process serves the service, with DMLERR_NO_CONV_ESTABLISHED.
//  - Pokes and requests carry raw bytes (NUL and every other byte value included) with their item and format.
//    Transactions and the disconnect of a conversation reach the peer in the order they were made, so a poke sent
//    just before DdeDisconnect reaches the peer's XTYP_POKE before its XTYP_DISCONNECT. An asynchronous transaction
//    (TIMEOUT_ASYNC) returns at once; its XTYP_XACT_COMPLETE arrives later unless the conversation ended first.
//  - A data handle passed to DdeClientTransaction or returned from an XTYP_REQUEST callback belongs to the system
//    afterwards unless it was created with HDATA_APPOWNED. Data handles passed to a callback are valid during it.
//  - XTYP_DISCONNECT reaches the partner of the side that disconnects (or whose process ends), never the side that
//    called DdeDisconnect.
//
// Threads and loops: everything runs on the thread that called DdeInitializeA. Sockets are watched by that thread's
// platform::EventLoop, so callbacks run while any of its loops runs, the main loop and every nested modal loop.
// Synchronous calls (DdeConnect and DdeClientTransaction with a time-out) wait in a loop of their own that serves
// only this process's DDE sockets: callbacks of this process's DDE servers may run during the wait (a process can
// talk to itself, and two processes that wait on each other cannot lock up), but timers, posted tasks and windows do
// not. A synchronous call made during such a wait fails with DMLERR_REENTRANCY.
#pragma once

#include "platform/Types.h"

#include <cstdint>

struct HCONV__;
using HCONV = HCONV__*;
struct HSZ__;
using HSZ = HSZ__*;
struct HDDEDATA__;
using HDDEDATA = HDDEDATA__*;
struct CONVCONTEXT;
using PCONVCONTEXT = CONVCONTEXT*;
using ULONG_PTR = std::uintptr_t;
using LPBYTE = BYTE*;
using LPDWORD = DWORD*;

#ifndef CALLBACK
#define CALLBACK
#endif

using PFNCALLBACK = HDDEDATA (*)(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                                 ULONG_PTR data1, ULONG_PTR data2);

constexpr UINT CF_TEXT = 1;

// Code pages of string handles.
constexpr int CP_WINANSI = 1004;
constexpr int CP_WINUNICODE = 1200;

// Transaction classes, flags and types.
constexpr UINT XCLASS_BOOL = 0x1000;
constexpr UINT XCLASS_DATA = 0x2000;
constexpr UINT XCLASS_FLAGS = 0x4000;
constexpr UINT XCLASS_NOTIFICATION = 0x8000;
constexpr UINT XTYPF_NOBLOCK = 0x0002;
constexpr UINT XTYPF_NODATA = 0x0004;
constexpr UINT XTYPF_ACKREQ = 0x0008;

constexpr UINT XTYP_ERROR = 0x0000 | XCLASS_NOTIFICATION | XTYPF_NOBLOCK;
constexpr UINT XTYP_ADVDATA = 0x0010 | XCLASS_FLAGS;
constexpr UINT XTYP_ADVREQ = 0x0020 | XCLASS_DATA | XTYPF_NOBLOCK;
constexpr UINT XTYP_ADVSTART = 0x0030 | XCLASS_BOOL;
constexpr UINT XTYP_ADVSTOP = 0x0040 | XCLASS_NOTIFICATION;
constexpr UINT XTYP_EXECUTE = 0x0050 | XCLASS_FLAGS;
constexpr UINT XTYP_CONNECT = 0x0060 | XCLASS_BOOL | XTYPF_NOBLOCK;
constexpr UINT XTYP_CONNECT_CONFIRM = 0x0070 | XCLASS_NOTIFICATION | XTYPF_NOBLOCK;
constexpr UINT XTYP_XACT_COMPLETE = 0x0080 | XCLASS_NOTIFICATION;
constexpr UINT XTYP_POKE = 0x0090 | XCLASS_FLAGS;
constexpr UINT XTYP_REGISTER = 0x00A0 | XCLASS_NOTIFICATION | XTYPF_NOBLOCK;
constexpr UINT XTYP_REQUEST = 0x00B0 | XCLASS_DATA;
constexpr UINT XTYP_DISCONNECT = 0x00C0 | XCLASS_NOTIFICATION | XTYPF_NOBLOCK;
constexpr UINT XTYP_UNREGISTER = 0x00D0 | XCLASS_NOTIFICATION | XTYPF_NOBLOCK;
constexpr UINT XTYP_WILDCONNECT = 0x00E0 | XCLASS_DATA | XTYPF_NOBLOCK;

// Status flags of an acknowledgement, as returned by XTYP_POKE callbacks.
constexpr UINT DDE_FACK = 0x8000;
constexpr UINT DDE_FBUSY = 0x4000;
constexpr UINT DDE_FNOTPROCESSED = 0x0000;

constexpr DWORD TIMEOUT_ASYNC = 0xFFFFFFFFul;

// DdeInitializeA command flags.
constexpr DWORD APPCLASS_STANDARD = 0x00000000;
constexpr DWORD APPCMD_CLIENTONLY = 0x00000010;

// DdeNameService commands.
constexpr UINT DNS_REGISTER = 0x0001;
constexpr UINT DNS_UNREGISTER = 0x0002;
constexpr UINT DNS_FILTERON = 0x0004;
constexpr UINT DNS_FILTEROFF = 0x0008;

// DdeCreateDataHandle flags.
constexpr UINT HDATA_APPOWNED = 0x0001;

// Error codes of DdeGetLastError and DdeInitializeA.
constexpr UINT DMLERR_NO_ERROR = 0;
constexpr UINT DMLERR_ADVACKTIMEOUT = 0x4000;
constexpr UINT DMLERR_BUSY = 0x4001;
constexpr UINT DMLERR_DATAACKTIMEOUT = 0x4002;
constexpr UINT DMLERR_DLL_NOT_INITIALIZED = 0x4003;
constexpr UINT DMLERR_DLL_USAGE = 0x4004;
constexpr UINT DMLERR_EXECACKTIMEOUT = 0x4005;
constexpr UINT DMLERR_INVALIDPARAMETER = 0x4006;
constexpr UINT DMLERR_LOW_MEMORY = 0x4007;
constexpr UINT DMLERR_MEMORY_ERROR = 0x4008;
constexpr UINT DMLERR_NOTPROCESSED = 0x4009;
constexpr UINT DMLERR_NO_CONV_ESTABLISHED = 0x400A;
constexpr UINT DMLERR_POKEACKTIMEOUT = 0x400B;
constexpr UINT DMLERR_POSTMSG_FAILED = 0x400C;
constexpr UINT DMLERR_REENTRANCY = 0x400D;
constexpr UINT DMLERR_SERVER_DIED = 0x400E;
constexpr UINT DMLERR_SYS_ERROR = 0x400F;
constexpr UINT DMLERR_UNADVACKTIMEOUT = 0x4010;
constexpr UINT DMLERR_UNFOUND_QUEUE_ID = 0x4011;

// *instance must be 0; it receives the new instance id. afCmd: APPCLASS_STANDARD or APPCMD_CLIENTONLY (other filter
// flags are accepted and ignored). Returns DMLERR_NO_ERROR or an error code.
UINT DdeInitializeA(LPDWORD instance, PFNCALLBACK callback, DWORD afCmd, DWORD reserved);
// Closes every conversation of the instance (their partners get XTYP_DISCONNECT), unregisters its services and
// frees its string and data handles.
BOOL DdeUninitialize(DWORD instance);
// The instance's last error, which is then reset to DMLERR_NO_ERROR.
UINT DdeGetLastError(DWORD instance);

// Code page CP_WINANSI (or 0); texts of 1 to 255 bytes. Null on failure.
HSZ DdeCreateStringHandleA(DWORD instance, LPCSTR text, int codePage);
BOOL DdeFreeStringHandle(DWORD instance, HSZ hsz);
// 0 when both handles stand for the same text (case aside); otherwise -1 or 1 by handle value, null counting lowest.
int DdeCmpStringHandles(HSZ hsz1, HSZ hsz2);
// The text's length without the terminating zero; with a buffer, copies at most size-1 bytes and a zero and returns
// the number copied. 0 for an invalid handle.
DWORD DdeQueryStringA(DWORD instance, HSZ hsz, LPSTR buffer, DWORD size, int codePage);

// DNS_REGISTER or DNS_UNREGISTER (service null: every service of the instance). Nonzero on success.
HDDEDATA DdeNameService(DWORD instance, HSZ service, HSZ reserved, UINT command);

// Connects to the process that serves `service`; its XTYP_CONNECT callback decides. Null when nobody serves the
// service (at once) or the server refuses or does not answer within 5 s. context must be null.
HCONV DdeConnect(DWORD instance, HSZ service, HSZ topic, PCONVCONTEXT context);
// Ends a conversation from either side. Transactions sent before still reach the peer first.
BOOL DdeDisconnect(HCONV conv);

// XTYP_POKE (data: bytes and their count, or a data handle with count 0xFFFFFFFF) or XTYP_REQUEST. With TIMEOUT_ASYNC
// returns nonzero at once and stores the transaction id in *result. Otherwise waits at most timeout ms: a poke
// returns nonzero when acknowledged (DDE_FACK), a request returns a new data handle owned by the caller; *result
// gets the peer's status flags. Null on failure, with DdeGetLastError telling why (DMLERR_NOTPROCESSED,
// DMLERR_BUSY, DMLERR_POKEACKTIMEOUT, DMLERR_DATAACKTIMEOUT, DMLERR_NO_CONV_ESTABLISHED, ...).
HDDEDATA DdeClientTransaction(LPBYTE data, DWORD size, HCONV conv, HSZ item, UINT format, UINT type, DWORD timeout,
                              LPDWORD result);

// A data handle holding `size` bytes taken from source + offset (zero bytes when source is null). flags: 0 or
// HDATA_APPOWNED.
HDDEDATA DdeCreateDataHandle(DWORD instance, LPBYTE source, DWORD size, DWORD offset, HSZ item, UINT format,
                             UINT flags);
// Copies at most `size` bytes from the data's byte `offset` on; returns the number copied, or the data's whole size
// when destination is null.
DWORD DdeGetData(HDDEDATA data, LPBYTE destination, DWORD size, DWORD offset);
LPBYTE DdeAccessData(HDDEDATA data, LPDWORD size);
BOOL DdeUnaccessData(HDDEDATA data);
BOOL DdeFreeDataHandle(HDDEDATA data);

namespace platform {

// Not a DDEML call: whether a service registered by the instance has its name already, rather than waiting for
// another live process to let go of it. Test peers use it to report that they are ready.
bool DdeServiceIsListening(DWORD instance, HSZ service);

}  // namespace platform
