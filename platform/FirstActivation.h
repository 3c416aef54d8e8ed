// FirstActivation: a form that fills itself once, on its first activation. The frame that creates the form owns the
// flag that says whether the form's first activation is still to come and hands it to the form before the form's
// window is created; until a flag is handed in, the form uses one of its own (set).
//
// A form inherits it beside its view class and runs its fill through FillOnFirstActivation from OnActivateView.
#pragma once

namespace platform {

class FirstActivation {
public:
    FirstActivation() = default;
    FirstActivation(const FirstActivation&) = delete;
    FirstActivation& operator=(const FirstActivation&) = delete;
    virtual ~FirstActivation() = default;

    // The frame's flag of this form; it is the frame's and must outlive the form.
    void UseFirstActivation(bool* flag) { m_flag = flag; }

protected:
    // While the flag is set: runs fill, then clears the flag; true when fill ran.
    template <class Fill>
    bool FillOnFirstActivation(Fill fill)
    {
        if (!*m_flag)
            return false;
        fill();
        *m_flag = false;
        return true;
    }

private:
    bool m_ownFlag = true;
    bool* m_flag = &m_ownFlag;
};

}  // namespace platform
