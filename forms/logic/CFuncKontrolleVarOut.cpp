// The function control's output-variable form: the outputs 1 to 15 of "Errore Valore" and of "Errore Diff".
#include "forms/logic/CFuncKontrolleVarOut.h"

#include "forms/logic/CFuncKontrolle.h"
#include "resources/UiTexts.h"
#include "store/FuncKontrolleParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CFuncKontrolleVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = FuncKontrolleParam;

constexpr UINT kValueBoxes[15] = {1042, 1047, 1053, 1061, 1068, 1094, 1102, 1110,
                                  1116, 1122, 1131, 1137, 1142, 1145, 1151};
constexpr UINT kDifferenceBoxes[15] = {1014, 1019, 1022, 1024, 1027, 1031, 1034, 1038,
                                       1045, 1050, 1059, 1065, 1078, 1087, 1176};

// Outputs 1 to 15; output 16 has no stored flag.
std::vector<OutputBox> FifteenOutputs(const UINT (&ids)[15], unsigned firstField)
{
    std::vector<OutputBox> boxes;
    for (int n = 1; n <= 15; ++n)
        boxes.push_back({ids[n - 1], n == 15 ? BoxLabel::Analog : BoxLabel::Single, n,
                         record::ByteAt(firstField + static_cast<unsigned>(n - 1))});
    return boxes;
}

const std::vector<OutputGroup> kOutputs = {
    {1293, ui::kFuncKontrolleValueError, FifteenOutputs(kValueBoxes, offsetof(R, valueError))},
    {1294, ui::kFuncKontrolleDifferenceError, FifteenOutputs(kDifferenceBoxes, offsetof(R, differenceError))},
};

}  // namespace

CFuncKontrolleVarOut::CFuncKontrolleVarOut()
    : FunctionVarOutForm(CFuncKontrolle::kKind, kOutputs, &CFuncKontrolle::Instance)
{}
