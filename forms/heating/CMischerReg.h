// The parameter form of the mixer control (function type 19, "Mischerregelfunktion"): setpoint, difference, the
// action direction and what the mixer does while the release is off; the release, control temperature and setpoint
// inputs and the mixer output pair are its variable forms (CMischerRegVarIn, CMischerRegVarOut). All of it is table
// data of the function form frame.
#pragma once

#include "forms/frame/FunctionParamForm.h"

class CMischerReg : public FunctionParamForm {
    DECLARE_DYNCREATE(CMischerReg)
public:
    CMischerReg();

    // The rows of the frame's form table: new forms, the process-wide pointer and the save command.
    static CView* CreateForm();
    static CView* CreateVarIn();
    static CView* CreateVarOut();
    static void Publish(CView* form);
    static void Save();

    // The type, shared by its three forms, and the parameter form of the run (its g_p pointer).
    static const forms::FunctionKind kKind;
    static FunctionParamForm* Instance();
};

// The parameter form of the run, once the shell created it.
extern CMischerReg* g_pMischerReg;
