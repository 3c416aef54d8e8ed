// The three ends of the plant forms that choose a number for their drawing object (input, output, network input,
// network output): save and close, assign, and save-assign and close. The sequences live here once; a form gives
// only its own steps (PlantEndForm), and the frame's form table names one routine per form and end
// (plant::Routine<...>).
//
//   save         the record into the working copy, commit, refresh the drawing's texts of the form's object
//                groups (every group after a confirmed designations dialog), end the process;
//   assign       the record into the working copy and the committed file, the number into the drawing object,
//                the object's number and designation texts; the form stays open;
//   save-assign  the record into the working copy, the number into the object, commit, the object's texts, the
//                other objects' texts (skipping this one), end the process.
//
// A write (for the assign: either write) or a commit that fails stops the end there: the save warning, nothing sent,
// the form stays open.
#pragma once

#include "link/StartContext.h"
#include "platform/Types.h"

class CParaDaten;
class CSCCmd;
class CTexte;
class CZeichnung;

namespace plant {

enum class PlantEnd { Save, Assign, SaveAssign };

// A plant form works on the run's object: the frame hands it the run's context.
class PlantEndForm : public UsesRunContext {
public:
    virtual ~PlantEndForm() = default;
    // Writes the form's record into working file `file` for the end; true when it was written or there is none to
    // write.
    virtual bool WriteRecord(CParaDaten& para, int file, PlantEnd end) = 0;
    // Stores the chosen number in the drawing object of the run.
    virtual void StoreNumber(CZeichnung& drawing) = 0;
    // Queues the number and designation texts of the run's object.
    virtual void SendObjectTexts(CSCCmd& channel, CZeichnung& drawing, CTexte& texte) = 0;
    // The UpdateZeichnung groups of the form's objects (the save-assign skips the run's object), and groups whose
    // texts the saves refresh besides, skipping nothing.
    virtual UINT OwnLabelGroups() const = 0;
    virtual UINT OtherLabelGroups() const { return 0; }
    virtual bool DesignationsChanged() const { return false; }
    // False when the assign must write nothing (the form has said why).
    virtual bool MayAssign() { return true; }
};

// Runs one end for the form; Save and SaveAssign end the process unless a write or the commit failed.
void RunPlantEnd(PlantEnd end, PlantEndForm& form);

// The form table's routine of one end of the form in `pointer` (its process-wide pointer); nothing without a form.
template <class Form, Form*& pointer, PlantEnd end>
void Routine()
{
    if (pointer)
        RunPlantEnd(end, *pointer);
}

}  // namespace plant
