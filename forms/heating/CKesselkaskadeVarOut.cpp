// The boiler cascade's output-variable form: the outputs 1 to 15 that each boiler's demand drives; all three
// boilers show, whatever their number.
#include "forms/heating/CKesselkaskadeVarOut.h"

#include "forms/heating/CKesselkaskade.h"
#include "resources/UiTexts.h"
#include "store/KesselkaskadeParam.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CKesselkaskadeVarOut, FunctionVarOutForm)

namespace {

using namespace forms;
using R = KesselkaskadeParam;

constexpr UINT kGroups[3] = {1424, 1425, 1426};
constexpr UINT kBoxes[3][15] = {
    {1096, 1097, 1098, 1099, 1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109, 1110},
    {1029, 1041, 1049, 1063, 1082, 1120, 1154, 1509, 1215, 1280, 1327, 1341, 1361, 1380, 1413},
    {1030, 1042, 1050, 1064, 1083, 1121, 1155, 1510, 1216, 1281, 1328, 1342, 1362, 1381, 1414},
};

// "RICHIESTA CALDA A" .. "C".
const char* GroupName(int b)
{
    static CString names[3];
    names[b].Format(ui::kKaskOutputGroup, ui::kKaskOutput, ui::kKaskBoilerLetters[b]);
    return names[b].GetString();
}

std::vector<OutputGroup> Outputs()
{
    std::vector<OutputGroup> groups;
    for (unsigned b = 0; b < 3; ++b) {
        const unsigned demand =
            static_cast<unsigned>(offsetof(R, boilers) + b * sizeof(KesselBlock) + offsetof(KesselBlock, demand));
        std::vector<OutputBox> boxes;
        for (unsigned n = 1; n <= 15; ++n)
            boxes.push_back({kBoxes[b][n - 1], n == 15 ? BoxLabel::Analog : BoxLabel::Single, static_cast<int>(n),
                             record::ByteAt(demand + n - 1)});
        groups.push_back({kGroups[b], GroupName(static_cast<int>(b)), boxes});
    }
    return groups;
}

const std::vector<OutputGroup> kOutputs = Outputs();

}  // namespace

CKesselkaskadeVarOut::CKesselkaskadeVarOut()
    : FunctionVarOutForm(CKesselkaskade::kKind, kOutputs, &CKesselkaskade::Instance)
{}
