// The table of record families.
#include "store/RecordFamilies.h"

#include "store/ImageLayout.h"

namespace records {

namespace {

constexpr BYTE Item(int n)
{
    return static_cast<BYTE>(n);
}

constexpr BYTE KeepLowBit(bool stored)
{
    return stored ? 1 : 0;
}

}  // namespace

const Access<ReglerEinstellungen> kReglerEinst{
    Family::ReglerEinst,
    1,
    true,
    [](CParaDaten& para, int file, int, ReglerEinstellungen& r, bool) { return para.GetReglerEinst(file, r); },
    [](CParaCheck& check, int, int, ReglerEinstellungen& r, bool) { check.CheckRegler(r); },
    [](CParaDaten& para, int file, int, const ReglerEinstellungen& r) { return para.SetReglerEinst(file, r); }};

// Not repaired, but written back: its write stores the fixed image of the rest of the record.
const Access<PotentiostatParam> kPotentiostat{
    Family::Potentiostat,
    1,
    true,
    [](CParaDaten& para, int file, int, PotentiostatParam& r, bool) { return para.GetPotentiostat(file, r); },
    nullptr,
    [](CParaDaten& para, int file, int, const PotentiostatParam& r) { return para.SetPotentiostat(file, r); }};

const Access<CString> kBezeichnung{Family::Bezeichnung,
                                   layout::kUserBezeichnungen,
                                   false,
                                   [](CParaDaten& para, int file, int n, CString& text, bool) {
                                       return para.ReadUserBezeichnung(file, Item(n), text);
                                   },
                                   nullptr,
                                   [](CParaDaten& para, int file, int n, const CString& text) {
                                       return para.SetUserBezeichnung(file, Item(n), text);
                                   }};

const Access<EingangParam> kEingang{
    Family::Eingang,
    layout::kEingaenge,
    true,
    [](CParaDaten& para, int file, int n, EingangParam& r, bool) { return para.GetEingang(file, Item(n), r); },
    [](CParaCheck& check, int, int n, EingangParam& r, bool) { check.CheckEingang(Item(n), r); },
    [](CParaDaten& para, int file, int n, const EingangParam& r) { return para.SetEingang(file, Item(n), r); }};

const Access<AusgangParam> kAusgang{
    Family::Ausgang,
    layout::kAusgaenge,
    true,
    [](CParaDaten& para, int file, int n, AusgangParam& r, bool) { return para.GetAusgang(file, Item(n), r); },
    [](CParaCheck& check, int, int n, AusgangParam& r, bool) { check.CheckAusgang(Item(n), r); },
    [](CParaDaten& para, int file, int n, const AusgangParam& r) { return para.SetAusgang(file, Item(n), r); }};

const Access<AntiblockierschutzParam> kAntiblockierschutz{
    Family::Antiblockierschutz,
    1,
    true,
    [](CParaDaten& para, int file, int, AntiblockierschutzParam& r, bool) {
        return para.GetAntiblockierschutz(file, r);
    },
    [](CParaCheck& check, int, int, AntiblockierschutzParam& r, bool) { check.CheckAntiblockierschutz(r); },
    [](CParaDaten& para, int file, int, const AntiblockierschutzParam& r) {
        return para.SetAntiblockierschutz(file, r);
    }};

const Access<FuncViewList> kFuncView{
    Family::FuncView,
    1,
    false,
    [](CParaDaten& para, int file, int, FuncViewList& r, bool) { return para.GetFuncView(file, r.data()); },
    nullptr,
    [](CParaDaten& para, int file, int, const FuncViewList& r) { return para.SetFuncView(file, r.data()); }};

// Completed from the drawing, the three sources come from the message's object.
const Access<MeldungParam> kMeldung{
    Family::Meldung,
    layout::kMeldungSlots,
    true,
    [](CParaDaten& para, int file, int n, MeldungParam& r, bool complete) {
        return para.GetMeldung(file, Item(n), r, complete);
    },
    [](CParaCheck& check, int, int, MeldungParam& r, bool stored) { check.CheckMeldung(r, KeepLowBit(stored)); },
    [](CParaDaten& para, int file, int n, const MeldungParam& r) { return para.SetMeldung(file, Item(n), r); }};

const Access<NetzwerkParam> kNetzSettings{
    Family::NetzSettings,
    1,
    true,
    [](CParaDaten& para, int file, int, NetzwerkParam& r, bool) { return para.GetNetzwerk(file, r); },
    [](CParaCheck& check, int, int, NetzwerkParam& r, bool) { check.CheckNetzKnoten(r); },
    [](CParaDaten& para, int file, int, const NetzwerkParam& r) { return para.SetNetzwerk(file, r); }};

const Access<NetzEingaenge> kNetzEingaengeDigital{
    Family::NetzEingaengeDigital,
    1,
    true,
    [](CParaDaten& para, int file, int, NetzEingaenge& r, bool) {
        return para.GetNetzEingaengeDigital(file, r.data());
    },
    [](CParaCheck& check, int, int, NetzEingaenge& r, bool) { check.CheckNetzEingaengeDigital(r.data()); },
    [](CParaDaten& para, int file, int, const NetzEingaenge& r) {
        return para.SetNetzEingaengeDigital(file, r.data());
    }};

const Access<NetzEingaenge> kNetzEingaengeAnalog{
    Family::NetzEingaengeAnalog,
    1,
    true,
    [](CParaDaten& para, int file, int, NetzEingaenge& r, bool) { return para.GetNetzEingaengeAnalog(file, r.data()); },
    [](CParaCheck& check, int, int, NetzEingaenge& r, bool) { check.CheckNetzEingaengeAnalog(r.data()); },
    [](CParaDaten& para, int file, int, const NetzEingaenge& r) {
        return para.SetNetzEingaengeAnalog(file, r.data());
    }};

const Access<NetzTimeouts> kNetzTimeouts{
    Family::NetzTimeouts,
    1,
    true,
    [](CParaDaten& para, int file, int, NetzTimeouts& r, bool) { return para.GetNetzTimeouts(file, r.data()); },
    [](CParaCheck& check, int, int, NetzTimeouts& r, bool) { check.CheckNetzTimeouts(r.data()); },
    [](CParaDaten& para, int file, int, const NetzTimeouts& r) { return para.SetNetzTimeouts(file, r.data()); }};

const Access<Sendebedingungen> kSendebedingungen{
    Family::Sendebedingungen,
    1,
    true,
    [](CParaDaten& para, int file, int, Sendebedingungen& r, bool) { return para.GetSendebedingungen(file, r); },
    [](CParaCheck& check, int, int, Sendebedingungen& r, bool) { check.CheckNetzZeiten(r); },
    [](CParaDaten& para, int file, int, const Sendebedingungen& r) { return para.SetSendebedingungen(file, r); }};

// Completed from the drawing, the sources come from its network-output objects.
const Access<NetzQuellen> kNetzAusgaengeDigital{
    Family::NetzAusgaengeDigital,
    1,
    true,
    [](CParaDaten& para, int file, int, NetzQuellen& r, bool complete) {
        return para.GetNetzAusgaengeDigital(file, r.data(), complete);
    },
    [](CParaCheck& check, int, int, NetzQuellen& r, bool) { check.CheckNetzAusgaengeDigital(r.data()); },
    [](CParaDaten& para, int file, int, const NetzQuellen& r) { return para.SetNetzAusgaengeDigital(file, r.data()); }};

const Access<NetzQuellen> kNetzAusgaengeAnalog{
    Family::NetzAusgaengeAnalog,
    1,
    true,
    [](CParaDaten& para, int file, int, NetzQuellen& r, bool complete) {
        return para.GetNetzAusgaengeAnalog(file, r.data(), complete);
    },
    [](CParaCheck& check, int, int, NetzQuellen& r, bool) { check.CheckNetzAusgaengeAnalog(r.data()); },
    [](CParaDaten& para, int file, int, const NetzQuellen& r) { return para.SetNetzAusgaengeAnalog(file, r.data()); }};

const Access<LoggingListen> kLogging{
    Family::Logging,
    1,
    true,
    [](CParaDaten& para, int file, int, LoggingListen& r, bool) { return para.GetLoggingListen(file, r); },
    [](CParaCheck& check, int, int, LoggingListen& r, bool) { check.CheckLogging(r); },
    [](CParaDaten& para, int file, int, const LoggingListen& r) { return para.SetLoggingListen(file, r); }};

// Taken as it is: a default screen stays the default mark.
const Access<BegruessungsText> kBegruessung{
    Family::Begruessung,
    1,
    false,
    [](CParaDaten& para, int file, int, BegruessungsText& r, bool) { return para.GetBegruessung(file, r); },
    nullptr,
    [](CParaDaten& para, int file, int, const BegruessungsText& r) { return para.SetBegruessung(file, r); }};

bool PassFunc(const functypes::FunctionType& type, CParaDaten& para, BYTE slot, std::vector<BYTE>& fields,
              const Walk& walk)
{
    fields.assign(type.recordSize, 0);
    type.blank(fields.data());
    const bool read = type.read(para, walk.from, slot, fields.data(), !walk.stored);
    if (walk.repair) {
        CParaCheck check;
        type.check(check, walk.from, fields.data(), KeepLowBit(walk.stored));
    }
    if (!read)
        return false;
    if (walk.writeBack)
        type.write(para, walk.from, slot, fields.data());
    return walk.to < 0 || type.write(para, walk.to, slot, fields.data());
}

namespace {

template <class>
struct RecordOf;
template <class Record>
struct RecordOf<Access<Record>> {
    using type = Record;
};

template <const auto& family>
bool CopyItem(CParaDaten& para, int n, const Walk& walk)
{
    typename RecordOf<std::remove_cvref_t<decltype(family)>>::type record{};
    return Pass(family, para, n, record, walk);
}

template <const auto& family>
FamilyRow RowOf()
{
    return {family.family, family.count, family.writesBack, &CopyItem<family>};
}

// In the order of Family.
const FamilyRow kRows[] = {
    RowOf<kReglerEinst>(),
    RowOf<kPotentiostat>(),
    RowOf<kBezeichnung>(),
    RowOf<kEingang>(),
    RowOf<kAusgang>(),
    RowOf<kAntiblockierschutz>(),
    {Family::Funktion, layout::kFuncSlots, true, nullptr},
    RowOf<kFuncView>(),
    RowOf<kMeldung>(),
    RowOf<kNetzSettings>(),
    RowOf<kNetzEingaengeDigital>(),
    RowOf<kNetzEingaengeAnalog>(),
    RowOf<kNetzTimeouts>(),
    RowOf<kSendebedingungen>(),
    RowOf<kNetzAusgaengeDigital>(),
    RowOf<kNetzAusgaengeAnalog>(),
    RowOf<kLogging>(),
    RowOf<kBegruessung>(),
};
static_assert(std::size(kRows) == kFamilyCount);

}  // namespace

std::span<const FamilyRow> Families()
{
    return kRows;
}

const FamilyRow& Row(Family family)
{
    return kRows[static_cast<int>(family)];
}

}  // namespace records
