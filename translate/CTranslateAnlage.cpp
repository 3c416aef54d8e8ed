// Translation of the plant objects: inputs, sensor status, outputs, network objects, signal transfers and messages.
#include "translate/CTranslate.h"

#include "resources/UiTexts.h"
#include "store/AusgangParam.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/DrawingCommands.h"
#include "texts/CTexte.h"

namespace T = ui::symbols;

namespace {

// The number text is rewritten only for an object without a number: an assigned number is the drawing's own and
// stays as it is.
void QueueUnassignedNumber(DrawingCommands& channel, int textId, bool assigned)
{
    if (!assigned) CTranslate::Queue(channel, textId, T::kUnassignedNumber);
}

CString Decimal(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

}  // namespace

void CTranslate::TranslateEingang(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                  const CString inputs[16])
{
    std::vector<int> v;  // number, "Index", "TypeZeichen"
    if (!ReadNumbers(file, 3, v)) return;
    const bool assigned = v[0] >= 1 && v[0] <= 16;
    Queue(channel, v[2], T::kLetterInput);
    QueueUnassignedNumber(channel, v[1], assigned);
    Queue(channel, header.designationTextId, assigned ? inputs[v[0] - 1] : CString(ui::kNotUsedShort));
}

void CTranslate::TranslateSensorstatus(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                       const CString inputs[16])
{
    std::vector<int> v;  // number (17 all sensors), "Index", "Type", "TypeZeichen"
    if (!ReadNumbers(file, 4, v)) return;
    const bool assigned = v[0] >= 1 && v[0] <= 17;
    Queue(channel, v[2], T::kSensorStatusTitle);
    Queue(channel, v[3], T::kLetterInput);
    QueueUnassignedNumber(channel, v[1], assigned);
    CString designation = ui::kNotUsedShort;
    if (v[0] >= 1 && v[0] <= 16)
        designation = inputs[v[0] - 1];
    else if (v[0] == 17)
        designation = T::kAllSensorsLabel;
    Queue(channel, header.designationTextId, designation);
}

void CTranslate::TranslateAusgang(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                  const CString outputs[14])
{
    std::vector<int> v;  // number, "Index", "TypeZeichen"
    if (!ReadNumbers(file, 3, v)) return;
    const bool assigned = v[0] >= 1 && v[0] <= 14;
    Queue(channel, v[2], T::kLetterOutput);
    QueueUnassignedNumber(channel, v[1], assigned);
    Queue(channel, header.designationTextId, assigned ? outputs[v[0] - 1] : CString(ui::kNotUsedShort));
}

void CTranslate::TranslateMischerAusgang(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                         const CString outputs[14])
{
    // first number, "Index_1", "Type_1", "TypeZeichen_1", second number, "Index_2", "Type_2", "TypeZeichen_2";
    // the second output is always the first plus one, so its own number plays no part.
    std::vector<int> v;
    if (!ReadNumbers(file, 8, v)) return;
    const int first = v[0];
    const bool assigned = IsMischerErsterAusgang(first);
    Queue(channel, v[2], T::kMixerOpen);
    Queue(channel, v[6], T::kMixerClosed);
    Queue(channel, v[3], T::kLetterOutput);
    Queue(channel, v[7], T::kLetterOutput);
    QueueUnassignedNumber(channel, v[1], assigned);
    QueueUnassignedNumber(channel, v[5], assigned);
    Queue(channel, header.designationTextId, assigned ? outputs[first - 1] : CString(ui::kNotUsedShort));
}

void CTranslate::TranslateAnalogAusgang(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header)
{
    std::vector<int> v;  // number, "Index", "Type", "TypeZeichen"
    if (!ReadNumbers(file, 4, v)) return;
    const bool assigned = v[0] == 15 || v[0] == 16;
    Queue(channel, v[2], T::kAnalogOutputTitle);
    Queue(channel, v[3], T::kLetterOutput);
    QueueUnassignedNumber(channel, v[1], assigned);
    Queue(channel, header.designationTextId, assigned ? T::kAnalogOutputDesignation : ui::kNotUsedShort);
}

void CTranslate::TranslateSignalUebergabe(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header)
{
    std::vector<int> v;  // "Type"
    if (!ReadNumbers(file, 1, v)) return;
    Queue(channel, v[0], header.kind == "Signal_Übergabe" ? T::kSignalHandOver : T::kSignalTakeOver);
}

void CTranslate::TranslateNetzwerk(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                   const TranslateNetzText table[32], const char* unassignedTitle, bool fixedTitle)
{
    // number, "Index", "Type", "TypeZeichen", "NWK_Txt", "NWK", "NWA_Txt", "NWA"
    std::vector<int> v;
    if (!ReadNumbers(file, 8, v)) return;
    const bool assigned = v[0] >= 1 && v[0] <= 32;
    const TranslateNetzText* entry = assigned ? &table[v[0] - 1] : nullptr;
    Queue(channel, v[2], entry && !fixedTitle ? entry->title : CString(unassignedTitle));
    Queue(channel, v[3], T::kLetterNetwork);
    QueueUnassignedNumber(channel, v[1], assigned);
    Queue(channel, header.designationTextId, entry ? entry->numberText : CString(ui::kNotUsedShort));
    Queue(channel, v[4], T::kNodeLabel);
    Queue(channel, v[5], entry ? Decimal(entry->node) : CString(T::kUnassignedNumber));
    Queue(channel, v[6], T::kNetworkOutputLabel);
    Queue(channel, v[7], entry ? Decimal(entry->output) : CString(T::kUnassignedNumber));
}

void CTranslate::TranslateNetzwerkeingang(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                          const TranslateNetzText netInputs[32])
{
    TranslateNetzwerk(file, channel, header, netInputs, ui::kNetworkInputTitle, false);
}

void CTranslate::TranslateNetzwerkausgang(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                          const TranslateNetzText netOutputs[32])
{
    TranslateNetzwerk(file, channel, header, netOutputs, T::kNetworkOutputTitle, true);
}

void CTranslate::TranslateNetzwerkstatus(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                         const TranslateNetzText netInputs[32])
{
    std::vector<int> v;  // number (33 all network inputs), "Index", "Type", "TypeZeichen"
    if (!ReadNumbers(file, 4, v)) return;
    const bool assigned = v[0] >= 1 && v[0] <= 33;
    Queue(channel, v[2], T::kNetworkStatusTitle);
    Queue(channel, v[3], T::kLetterNetwork);
    QueueUnassignedNumber(channel, v[1], assigned);
    CString designation = ui::kNotUsedShort;
    if (v[0] >= 1 && v[0] <= 32)
        designation = netInputs[v[0] - 1].numberText;
    else if (v[0] == 33)
        designation = ui::kNetworkAllInputs;
    Queue(channel, header.designationTextId, designation);
}

void CTranslate::TranslateMeldung(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                  CParaDaten& para, CParaCheck& check, CTexte& texte)
{
    const int work = CParaDaten::kWorkFile;
    // An id of 0 or below would find a free slot, not the object's.
    const BYTE slot = header.objectId > 0 ? para.FindMeldungSlot(work, header.objectId) : 0;
    MeldungParam record;
    const bool hasRecord = slot != 0 && para.GetMeldung(work, slot, record, false);
    if (hasRecord) check.CheckMeldung(record, 0);

    // "TypeTxt", "Type", "MeldungstypTxt", "Meldungstyp", "MeldungsursacheTxt", "EingangsvarTxt", "AusgangsvarTxt",
    // then the labels of the pins "Freigabe Meldung", "Meldung aktivieren", "Meldung löschen", "Meldung aktiv".
    std::vector<int> v;
    if (!ReadNumbers(file, 11, v)) return;

    Queue(channel, v[0], T::kTypeLabel);
    Queue(channel, v[1], T::kMessageTitle);
    Queue(channel, v[2], T::kMessageTypeLabel);
    if (hasRecord) Queue(channel, v[3], texte.GetMeldungsArt(work, record));
    Queue(channel, v[4], T::kMessageCauseLabel);
    if (hasRecord) Queue(channel, header.designationTextId, texte.GetMeldungBezeichnungText(work, record));
    Queue(channel, v[5], T::kInputVariablesLabel);
    Queue(channel, v[6], T::kOutputVariablesLabel);

    struct Pin {
        const char* name;
        const DigitalQuelle* source;
    };
    const Pin inputs[] = {{"Freigabe Meldung", &record.release},
                          {"Meldung aktivieren", &record.activate},
                          {"Meldung löschen", &record.cancel}};
    for (int i = 0; i < 3; ++i) {
        if (!hasRecord) continue;
        CString label = texte.GetPinText(header.kind, inputs[i].name);
        const DigitalQuelle& source = *inputs[i].source;
        AppendSuffix(label, source.kind, 0, source.inverted, source.number);
        Queue(channel, v[7 + i], label);
    }
    Queue(channel, v[10], texte.GetPinText(header.kind, "Meldung aktiv"));
}
