// The templates of the function forms, generated from their tables: every parameter form has the same head (title,
// designation group, name and digit, the "..." button) above its groups of rows (caption, control, unit); every
// input-variable form one block per input; every output-variable form one group box of check boxes per output.
// So all function forms look alike, and a kind places no control by hand.
//
// Captions and words are set at run time; the templates carry the number lists, the unit texts and the "..." of
// the designations button. Generated templates are registered once, when the first form of the kind is built.
#pragma once

#include "forms/frame/FunctionFormTables.h"
#include "platform/DialogTemplate.h"

#include <functional>
#include <span>

namespace forms {

// With a head of its own, the head (and the rows above it) in place of the function head.
platform::DialogTemplate ParamTemplate(UINT id, std::span<const LayoutGroup> groups,
                                       std::span<const ValueControl> values, const DesignationHead* head = nullptr);
// With participants, a block of the count list and the place lists (places of them) follows the inputs.
platform::DialogTemplate VarInTemplate(UINT id, std::span<const InputRow> inputs,
                                       const ParticipantLists* participants = nullptr, int places = 0);
// A modal dialog of rows as a parameter form has them (without the designation head), OK and Cancel below.
platform::DialogTemplate DialogTemplateOf(UINT id, std::span<const LayoutGroup> groups,
                                          std::span<const ValueControl> values);
// With pages, their tab control above the groups, whose boxes are enabled.
platform::DialogTemplate VarOutTemplate(UINT id, std::span<const OutputGroup> groups,
                                        const OutputPages* pages = nullptr);

// Registers the template that make() builds unless one of that id is registered already.
void EnsureTemplate(UINT id, const std::function<platform::DialogTemplate()>& make);

}  // namespace forms
