// The DDEML calls: instances, string handles and data handles here; services and conversations in DdeRuntime.
#include "platform/Ddeml.h"

#include "platform/DdeRuntime.h"
#include "platform/EventLoop.h"

#include <cstring>

using platform::DdeRuntime;
using platform::KeyOf;
using platform::ToHandle;

namespace {

constexpr size_t kMaxStringLength = 255;

DdeRuntime::Data* FindData(HDDEDATA handle)
{
    auto& table = DdeRuntime::Get().data;
    auto it = table.find(KeyOf(handle));
    return it == table.end() ? nullptr : &it->second;
}

}  // namespace

UINT DdeInitializeA(LPDWORD instance, PFNCALLBACK callback, DWORD afCmd, DWORD)
{
    if (!instance || !callback)
        return DMLERR_INVALIDPARAMETER;
    if (*instance != 0)
        return DMLERR_DLL_USAGE;  // re-initialising an instance is not supported
    DdeRuntime& rt = DdeRuntime::Get();
    DWORD id = rt.NewInstanceId();
    DdeRuntime::Instance& inst = rt.instances[id];
    inst.callback = callback;
    inst.clientOnly = (afCmd & APPCMD_CLIENTONLY) != 0;
    inst.loop = &platform::EventLoop::Current();
    *instance = id;
    return DMLERR_NO_ERROR;
}

BOOL DdeUninitialize(DWORD instance)
{
    DdeRuntime& rt = DdeRuntime::Get();
    if (!rt.FindInstance(instance))
        return FALSE;
    rt.CloseInstance(instance);
    return TRUE;
}

UINT DdeGetLastError(DWORD instance)
{
    DdeRuntime::Instance* inst = DdeRuntime::Get().FindInstance(instance);
    if (!inst)
        return DMLERR_DLL_NOT_INITIALIZED;
    UINT error = inst->lastError;
    inst->lastError = DMLERR_NO_ERROR;
    return error;
}

HSZ DdeCreateStringHandleA(DWORD instance, LPCSTR text, int codePage)
{
    DdeRuntime& rt = DdeRuntime::Get();
    DdeRuntime::Instance* inst = rt.FindInstance(instance);
    if (!inst)
        return nullptr;
    size_t length = text ? std::strlen(text) : 0;
    if ((codePage != CP_WINANSI && codePage != 0) || length == 0 || length > kMaxStringLength) {
        inst->lastError = DMLERR_INVALIDPARAMETER;
        return nullptr;
    }
    std::uint64_t key = rt.strings.Add(std::string_view(text, length));
    ++inst->strings[key];
    return ToHandle<HSZ>(key);
}

BOOL DdeFreeStringHandle(DWORD instance, HSZ hsz)
{
    DdeRuntime& rt = DdeRuntime::Get();
    DdeRuntime::Instance* inst = rt.FindInstance(instance);
    if (!inst)
        return FALSE;
    auto it = inst->strings.find(KeyOf(hsz));
    if (it == inst->strings.end()) {
        inst->lastError = DMLERR_INVALIDPARAMETER;
        return FALSE;
    }
    if (--it->second == 0)
        inst->strings.erase(it);
    rt.strings.Release(KeyOf(hsz));
    return TRUE;
}

int DdeCmpStringHandles(HSZ hsz1, HSZ hsz2)
{
    // Equal texts share one handle value, so comparing values compares the texts without regard to case.
    std::uint64_t a = KeyOf(hsz1);
    std::uint64_t b = KeyOf(hsz2);
    return a == b ? 0 : (a < b ? -1 : 1);
}

DWORD DdeQueryStringA(DWORD instance, HSZ hsz, LPSTR buffer, DWORD size, int codePage)
{
    DdeRuntime& rt = DdeRuntime::Get();
    const std::string* text = rt.strings.Text(KeyOf(hsz));
    if (!rt.FindInstance(instance) || !text || (codePage != CP_WINANSI && codePage != 0))
        return 0;
    if (!buffer)
        return static_cast<DWORD>(text->size());
    if (size == 0)
        return 0;
    size_t count = std::min<size_t>(text->size(), size - 1);
    std::memcpy(buffer, text->data(), count);
    buffer[count] = '\0';
    return static_cast<DWORD>(count);
}

HDDEDATA DdeNameService(DWORD instance, HSZ service, HSZ, UINT command)
{
    DdeRuntime& rt = DdeRuntime::Get();
    if (!rt.FindInstance(instance))
        return nullptr;
    if (command & DNS_REGISTER)
        return rt.Register(instance, KeyOf(service));
    if (command & DNS_UNREGISTER)
        return rt.Unregister(instance, KeyOf(service));
    if (command & (DNS_FILTERON | DNS_FILTEROFF))
        return ToHandle<HDDEDATA>(1);  // every connection reaches the callback anyway
    rt.Fail(instance, DMLERR_INVALIDPARAMETER);
    return nullptr;
}

HCONV DdeConnect(DWORD instance, HSZ service, HSZ topic, PCONVCONTEXT context)
{
    DdeRuntime& rt = DdeRuntime::Get();
    if (context) {
        rt.Fail(instance, DMLERR_INVALIDPARAMETER);
        return nullptr;
    }
    return rt.Connect(instance, KeyOf(service), KeyOf(topic));
}

BOOL DdeDisconnect(HCONV conv)
{
    return DdeRuntime::Get().Disconnect(KeyOf(conv)) ? TRUE : FALSE;
}

HDDEDATA DdeClientTransaction(LPBYTE data, DWORD size, HCONV conv, HSZ item, UINT format, UINT type, DWORD timeout,
                              LPDWORD result)
{
    return DdeRuntime::Get().Transact(data, size, KeyOf(conv), KeyOf(item), format, type, timeout, result);
}

HDDEDATA DdeCreateDataHandle(DWORD instance, LPBYTE source, DWORD size, DWORD offset, HSZ item, UINT format,
                             UINT flags)
{
    DdeRuntime& rt = DdeRuntime::Get();
    DdeRuntime::Instance* inst = rt.FindInstance(instance);
    if (!inst)
        return nullptr;
    if ((flags & ~HDATA_APPOWNED) != 0 || (item && !rt.strings.Text(KeyOf(item)))) {
        inst->lastError = DMLERR_INVALIDPARAMETER;
        return nullptr;
    }
    std::string bytes = source ? std::string(reinterpret_cast<const char*>(source) + offset, size)
                               : std::string(size, '\0');
    return ToHandle<HDDEDATA>(rt.NewData(instance, std::move(bytes), KeyOf(item), format,
                                         (flags & HDATA_APPOWNED) != 0));
}

DWORD DdeGetData(HDDEDATA handle, LPBYTE destination, DWORD size, DWORD offset)
{
    DdeRuntime::Data* d = FindData(handle);
    if (!d)
        return 0;
    if (!destination)
        return static_cast<DWORD>(d->bytes.size());
    if (offset >= d->bytes.size()) {
        DdeRuntime::Get().Fail(d->instance, DMLERR_INVALIDPARAMETER);
        return 0;
    }
    size_t count = std::min<size_t>(size, d->bytes.size() - offset);
    std::memcpy(destination, d->bytes.data() + offset, count);
    return static_cast<DWORD>(count);
}

LPBYTE DdeAccessData(HDDEDATA handle, LPDWORD size)
{
    DdeRuntime::Data* d = FindData(handle);
    if (!d)
        return nullptr;
    if (size)
        *size = static_cast<DWORD>(d->bytes.size());
    // The bytes stay where they are until the handle is freed; a zero byte follows them, as a convenience for text.
    return reinterpret_cast<LPBYTE>(d->bytes.data());
}

BOOL DdeUnaccessData(HDDEDATA handle)
{
    return FindData(handle) ? TRUE : FALSE;
}

BOOL DdeFreeDataHandle(HDDEDATA handle)
{
    if (!FindData(handle))
        return FALSE;
    DdeRuntime::Get().FreeData(KeyOf(handle));
    return TRUE;
}

namespace platform {

bool DdeServiceIsListening(DWORD instance, HSZ service)
{
    return DdeRuntime::Get().IsListening(instance, KeyOf(service));
}

}  // namespace platform
