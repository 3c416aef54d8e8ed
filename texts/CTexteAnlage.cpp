// CTexte: designations of the plant's inputs and outputs and of messages, from their decoded records.
#include "texts/CTexte.h"

#include "resources/UiTexts.h"
#include "store/AusgangParam.h"
#include "store/CParaDaten.h"
#include "store/EingangParam.h"
#include "store/ImageLayout.h"
#include "store/MeldungParam.h"
#include "texttables/BezeichnungsTexte.h"

#include <cstddef>

namespace {

using namespace texts;

// Item index (1-based) of a list with its head entry in g_BezeichnungsTexte; the head for 0 or beyond the list.
template <std::size_t N>
CString ListItem(int head, const char* const (&items)[N], int index)
{
    return index >= 1 && index <= static_cast<int>(N) ? items[index - 1] : g_BezeichnungsTexte[head];
}

// User-defined designation 1 to 16, taken straight from the record; "------------" for any other index.
CString UserItem(int file, int index)
{
    if (index < 1 || index > static_cast<int>(layout::kUserBezeichnungen))
        return ui::kNoDesignation;
    CParaDaten para;
    return para.GetUserBezeichnung(file, static_cast<BYTE>(index));
}

void AppendDigit(CString& text, int digit)
{
    if (digit >= 1 && digit <= 9)
        text += static_cast<char>('0' + digit);
}

// The temperature lists by group: inputs that measure directly and inputs that convert a voltage, current or
// resistance have heads of their own, with the same items.
enum TemperaturGruppe { kAllgemein = 0, kErzeuger = 1, kVerbraucher = 2, kLeistung = 3, kKlima = 4, kBenutzer = 5 };

CString TemperaturItem(int file, int group, int index, bool direct)
{
    namespace lists = ui::input_lists;
    switch (group) {
    case kErzeuger:
        return ListItem(direct ? kHeadProducerTemperaturesDirect : kHeadProducerTemperatures,
                        lists::kProducerTemperatures, index);
    case kVerbraucher:
        return ListItem(direct ? kHeadConsumerTemperaturesDirect : kHeadConsumerTemperatures,
                        lists::kConsumerTemperatures, index);
    case kLeistung:
        return ListItem(direct ? kHeadPerformanceTemperaturesDirect : kHeadPerformanceTemperatures,
                        lists::kPerformanceTemperatures, index);
    case kKlima:
        return ListItem(direct ? kHeadClimateTemperaturesDirect : kHeadClimateTemperatures,
                        lists::kClimateTemperatures, index);
    case kBenutzer:
        return UserItem(file, index);
    default:
        return ListItem(direct ? kHeadGeneralTemperaturesDirect : kHeadGeneralTemperatures,
                        lists::kGeneralTemperatures, index);
    }
}

// Process quantities of a converting input that name a temperature list.
bool IsTemperaturProzess(int processQuantity)
{
    return processQuantity == 1 || processQuantity == 6 || processQuantity == 7;
}
constexpr int kProzessStrahlung = 2;

}  // namespace

CString CTexte::GetEingangBezeichnung(int file, const EingangParam& input) const
{
    namespace lists = ui::input_lists;
    const bool user = input.group == 1;
    switch (input.type) {
    case kEingangDigital:
        return user ? UserItem(file, input.index) : ListItem(kHeadDigitalInputs, lists::kDigitalInputs, input.index);
    case kEingangImpuls:
        return user ? UserItem(file, input.index) : ListItem(kHeadImpulseInputs, lists::kImpulseInputs, input.index);
    case kEingangAnalog:
        break;
    default:
        return ui::kNoDesignation;
    }
    switch (input.quantity) {
    case kGroesseStrahlung:
        return user ? UserItem(file, input.index)
                    : ListItem(kHeadSolarRadiationDirect, lists::kSolarRadiation, input.index);
    case kGroesseSpannung:
    case kGroesseStrom:
    case kGroesseWiderstand:
        if (IsTemperaturProzess(input.processQuantity))
            return TemperaturItem(file, input.group, input.index, false);
        if (user)
            return UserItem(file, input.index);
        if (input.processQuantity == kProzessStrahlung)
            return ListItem(kHeadSolarRadiation, lists::kSolarRadiation, input.index);
        return ListItem(kHeadOtherQuantities, lists::kOtherQuantities, input.index);
    default:
        return TemperaturItem(file, input.group, input.index, true);
    }
}

CString CTexte::GetEingangText(int file, const EingangParam& input) const
{
    if (input.type == kEingangUnbenutzt)
        return ui::kNotUsedShort;
    CString text = GetEingangBezeichnung(file, input);
    AppendDigit(text, input.digit);
    return text;
}

CString CTexte::GetAusgangBezeichnung(int file, const AusgangParam& output) const
{
    namespace lists = ui::output_lists;
    switch (output.type) {
    case kAusgangSchalt:
    case kAusgangDrehzahl:
        if (output.group == 1)
            return ListItem(kHeadClimateOutputs, lists::kClimateOutputs, output.index);
        if (output.group == 2)
            return UserItem(file, output.index);
        return ListItem(kHeadGeneralOutputs, lists::kGeneralOutputs, output.index);
    case kAusgangMischer:
        return output.group == 1 ? UserItem(file, output.index)
                                 : ListItem(kHeadMixerOutputs, lists::kMixerOutputs, output.index);
    case kAusgangDatenleitung:
        return ListItem(kHeadDataLineOutputs, lists::kDataLineOutputs, output.index);
    default:
        return ui::kNoDesignation;
    }
}

CString CTexte::GetAusgangText(int file, const AusgangParam& output) const
{
    if (output.type == kAusgangUnbenutzt)
        return ui::kNotUsedShort;
    CString text = GetAusgangBezeichnung(file, output);
    AppendDigit(text, output.digit);
    return text;
}

CString CTexte::GetMeldungBezeichnung(int file, const MeldungParam& message) const
{
    return message.group == 1 ? UserItem(file, message.index)
                              : ListItem(kHeadMessages, ui::kMessageCauses, message.index);
}

CString CTexte::GetMeldungBezeichnungText(int file, const MeldungParam& message) const
{
    CString text = GetMeldungBezeichnung(file, message);
    AppendDigit(text, message.digit);
    if (text == ui::kNoDesignation)
        text = ui::kNoDesignationList;
    return "  " + text + "  ";
}

CString CTexte::GetMeldungsArt(int, const MeldungParam& message) const
{
    switch (message.type) {
    case kMeldungFehler:
        return ui::kMessageTypeError;
    case kMeldungWarnung:
        return ui::kMessageTypeWarning;
    case kMeldungProblem:
        return ui::kMessageTypeFault;
    case kMeldungNachricht:
        return ui::kMessageTypeMessage;
    default:
        return ui::kMessageTypeUnused;
    }
}
