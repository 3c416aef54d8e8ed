// Progress bars of the window model.
#include "platform/CProgressCtrl.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

namespace {

struct ProgressState : platform::ControlState {
    int lower = 0;
    int upper = 100;
    int pos = 0;
    int step = 10;

    int Clamp(int value) const { return std::clamp(value, std::min(lower, upper), std::max(lower, upper)); }
};

}  // namespace

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateModelWindow(platform::WindowKind::Progress, "", style | WS_CHILD, 0, rect, parent, id,
                             std::make_unique<ProgressState>());
}

void CProgressCtrl::SetRange32(int lower, int upper)
{
    auto* state = StateAs<ProgressState>();
    if (!state)
        return;
    state->lower = lower;
    state->upper = upper;
    state->pos = state->Clamp(state->pos);
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Value);
}

void CProgressCtrl::GetRange(int& lower, int& upper) const
{
    auto* state = StateAs<ProgressState>();
    lower = state ? state->lower : 0;
    upper = state ? state->upper : 0;
}

int CProgressCtrl::SetPos(int pos)
{
    auto* state = StateAs<ProgressState>();
    if (!state)
        return 0;
    int old = state->pos;
    state->pos = state->Clamp(pos);
    if (old != state->pos)
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Value);
    return old;
}

int CProgressCtrl::GetPos() const
{
    auto* state = StateAs<ProgressState>();
    return state ? state->pos : 0;
}

int CProgressCtrl::OffsetPos(int delta)
{
    return SetPos(GetPos() + delta);
}

int CProgressCtrl::SetStep(int step)
{
    auto* state = StateAs<ProgressState>();
    if (!state)
        return 0;
    int old = state->step;
    state->step = step;
    return old;
}

int CProgressCtrl::StepIt()
{
    auto* state = StateAs<ProgressState>();
    if (!state)
        return 0;
    int next = state->pos + state->step;
    if (next > std::max(state->lower, state->upper))
        next = std::min(state->lower, state->upper);
    return SetPos(next);
}
