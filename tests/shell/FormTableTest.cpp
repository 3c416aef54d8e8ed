// The form table against the catalogs it is derived from: every function type and every object kind with records
// has its "param" row, and the command accepts exactly those kinds.
#include "drawing/ObjectKinds.h"
#include "forms/frame/FunctionParamForm.h"
#include "shell/CMorv9274App.h"
#include "shell/FormTable.h"
#include "store/FunctionTypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

const FormEntry* Entry(const FormRow& row, FormSlot slot)
{
    const auto it = std::find_if(row.forms.begin(), row.forms.end(), [&](const FormEntry& e) { return e.slot == slot; });
    return it != row.forms.end() ? &*it : nullptr;
}

TEST(FormTableTest, EveryFunctionTypeHasItsFormsPointerAndSave)
{
    for (const functypes::FunctionType& type : functypes::AllFunctionTypes()) {
        const FormRow& row = FindFormRow("param", type.names.kind);
        ASSERT_STREQ(row.command, "param") << type.names.kind;
        EXPECT_EQ(row.start, FormSlot::Parameter) << type.names.kind;
        EXPECT_NE(row.save, nullptr) << type.names.kind;
        const FormEntry* parameters = Entry(row, FormSlot::Parameter);
        ASSERT_NE(parameters, nullptr) << type.names.kind;
        EXPECT_NE(parameters->create, nullptr) << type.names.kind;
        EXPECT_NE(parameters->publish, nullptr) << type.names.kind;
        // The forms are the type's own: the parameter form names the row's type code.
        const std::unique_ptr<CView> form(parameters->create());
        const auto* own = dynamic_cast<const FunctionParamForm*>(form.get());
        ASSERT_NE(own, nullptr) << type.names.kind;
        EXPECT_EQ(own->Kind().code, type.code) << type.names.kind;
        const FormEntry* inputs = Entry(row, FormSlot::VarIn);
        ASSERT_NE(inputs, nullptr) << type.names.kind;
        EXPECT_NE(inputs->create, nullptr) << type.names.kind;
        // The output-variable form exists exactly where the catalog names its template.
        const FormEntry* outputs = Entry(row, FormSlot::VarOut);
        EXPECT_EQ(outputs != nullptr, type.forms.outputs != 0) << type.names.kind;
        if (outputs) {
            EXPECT_NE(outputs->create, nullptr) << type.names.kind;
        }
    }
}

TEST(FormTableTest, ParamAcceptsExactlyTheDrawingKindsWithRecords)
{
    int accepted = 0;
    for (const drawing::KindInfo& kind : drawing::AllKinds()) {
        EXPECT_EQ(CMorv9274App::IsParamKind(kind.name), kind.WritesRecords()) << kind.name;
        accepted += CMorv9274App::IsParamKind(kind.name) ? 1 : 0;
    }
    EXPECT_EQ(accepted, 11 + static_cast<int>(functypes::AllFunctionTypes().size()))
        << "the plant, message and network kinds and the function kinds";
    for (const char* other : {"zähler", "", "Zähler$1", "Knotenpunkt", "param"})
        EXPECT_FALSE(CMorv9274App::IsParamKind(other)) << other;
}

}  // namespace
