// The import's compatibility check: functions, messages and network outputs of the source against the drawing.
#include "production/ImportCheck.h"

#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"
#include "store/ImageLayout.h"
#include "store/RecordFamilies.h"

#include <vector>

namespace production {

namespace {

using Pin = DrawingReader::PinCompletion;

// A network output's source as a record of its own: kind at 0, number at 1.
constexpr Pin kQuellePin[] = {{Pin::Source, 0, 0, 1}};

// The source's records as stored, the current ones completed from the drawing; both repaired, nothing written.
constexpr records::Walk kSource{CParaDaten::kDatFile, true};
constexpr records::Walk kCurrent{CParaDaten::kWorkFile, false};

CString Numbered(const char* format, int n)
{
    CString text;
    text.Format(format, n);
    return text;
}

// Used slots counted from slot 1 while a slot holds a type (0 and 255 end the count).
int UsedSlots(const FuncEntry (&entries)[layout::kFuncSlots])
{
    int count = 0;
    while (count < static_cast<int>(layout::kFuncSlots) && entries[count].type != 0 && entries[count].type != 255)
        ++count;
    return count;
}

}  // namespace

bool ImportCheck::Agree(std::span<const Pin> pins, const BYTE* current, const BYTE* source, int flagsStored)
{
    for (const Pin& p : pins) {
        int first = p.a;
        int count = 0;
        switch (p.kind) {
        case Pin::Source:
            if (current[p.a] != source[p.a])
                return false;
            if (current[p.a] != 0 && current[p.b] != source[p.b])
                return false;
            continue;
        case Pin::Flags16: count = flagsStored; break;
        case Pin::Flags6: count = 6; break;
        case Pin::Mixer: count = 1; break;
        }
        for (int k = first; k < first + count; ++k)
            if (current[k] != source[k])
                return false;
    }
    return true;
}

CheckResult ImportCheck::Run()
{
    CheckResult result = CheckFunktionen();
    if (result.Fits())
        result = CheckMeldungen();
    if (result.Fits())
        result = CheckNetzAusgaenge();
    return result;
}

CheckResult ImportCheck::CheckFunktionen()
{
    m_reporter.AddProgress(0, ui::kCheckFunctions);
    FuncEntry source[layout::kFuncSlots];
    FuncEntry current[layout::kFuncSlots];
    for (BYTE slot = 1; slot <= layout::kFuncSlots; ++slot) {
        m_para.GetFuncEntry(CParaDaten::kDatFile, slot, source[slot - 1]);
        m_para.GetFuncEntry(CParaDaten::kWorkFile, slot, current[slot - 1]);
    }
    const int used = UsedSlots(current);
    if (used != UsedSlots(source))
        return {Incompatibility::FunctionCount, 0};
    for (int n = 1; n <= used; ++n) {
        m_reporter.AddProgress(1, Numbered(ui::kCheckFunction, n));
        const FuncEntry& c = current[n - 1];
        const FuncEntry& s = source[n - 1];
        const functypes::FunctionType* type = functypes::FindFunctionType(c.type);
        // A type code of no function type cannot be taken over: refused like another type.
        if (c.type != s.type || c.number != s.number || !type)
            return {Incompatibility::Function, n};
        const BYTE slot = static_cast<BYTE>(n);
        const std::vector<BYTE> drawn =
            functypes::ReadRepairedFuncRecord(m_para, CParaDaten::kWorkFile, slot, c.type, true);
        const std::vector<BYTE> stored =
            functypes::ReadRepairedFuncRecord(m_para, CParaDaten::kDatFile, slot, s.type, false);
        if (!Agree(type->pins, drawn.data(), stored.data(), type->outputFlagsStored))
            return {Incompatibility::Parameters, n};
    }
    m_reporter.AddProgress(static_cast<int>(layout::kFuncSlots) - used, ui::kCheckUnusedFunctions);
    return {};
}

CheckResult ImportCheck::CheckMeldungen()
{
    for (int n = 1; n <= records::kMeldung.count; ++n) {
        m_reporter.AddProgress(1, Numbered(ui::kCheckMessage, n));
        // A record that cannot be read is judged as an unused message.
        MeldungParam source;
        MeldungParam current;
        records::Pass(records::kMeldung, m_para, n, source, kSource);
        records::Pass(records::kMeldung, m_para, n, current, kCurrent);
        const bool agree = current.type == kMeldungUnbenutzt
            ? source.type == kMeldungUnbenutzt
            : Agree(DrawingReader::MeldungPins(), reinterpret_cast<const BYTE*>(&current),
                    reinterpret_cast<const BYTE*>(&source));
        if (!agree)
            return {Incompatibility::Message, n};
    }
    return {};
}

CheckResult ImportCheck::CheckNetzAusgaenge()
{
    const struct {
        const records::Access<records::NetzQuellen>& family;
        const char* status;
        Incompatibility reason;
    } lists[] = {
        {records::kNetzAusgaengeDigital, ui::kCheckNetDigital, Incompatibility::NetDigital},
        {records::kNetzAusgaengeAnalog, ui::kCheckNetAnalog, Incompatibility::NetAnalog},
    };
    for (const auto& list : lists) {
        records::NetzQuellen source{};
        records::NetzQuellen current{};
        records::Pass(list.family, m_para, 1, source, kSource);
        records::Pass(list.family, m_para, 1, current, kCurrent);
        for (int n = 1; n <= 16; ++n) {
            m_reporter.AddProgress(1, Numbered(list.status, n));
            if (!Agree(kQuellePin, reinterpret_cast<const BYTE*>(&current[n - 1]),
                       reinterpret_cast<const BYTE*>(&source[n - 1])))
                return {list.reason, n};
        }
    }
    return {};
}

}  // namespace production
