// CMorv9274Doc: the document of the main frame's template. The command file is opened as the document, which holds
// no data and reads nothing.
#pragma once

#include "platform/CDocument.h"

class CMorv9274Doc : public CDocument {
    DECLARE_DYNCREATE(CMorv9274Doc)
public:
    CMorv9274Doc() = default;
    ~CMorv9274Doc() override = default;
};
