// Progress ranges: nested ranges map percentages into their enclosing range, the top level sets the position.
#include "texttables/CFortschritt.h"

#include "platform/CProgressCtrl.h"

#include <climits>
#include <cmath>
#include <utility>

CFortschritt::CFortschritt(CProgressCtrl* control, int from, int to) : m_control(control), m_from(from), m_to(to)
{
}

CFortschritt::CFortschritt(std::function<void(int)> setPosition, int from, int to)
    : m_setPosition(std::move(setPosition)), m_from(from), m_to(to)
{
}

CFortschritt::CFortschritt(CFortschritt* enclosing, int from, int to)
    : m_enclosing(enclosing), m_from(from), m_to(to)
{
}

void CFortschritt::SetProzent(float percent)
{
    SetProzentExact(percent);
}

void CFortschritt::SetProzentExact(double percent)
{
    // Multiplying before dividing keeps whole percentages exact, so 100 percent lands on "to" itself.
    const double span = (static_cast<double>(m_to) - m_from) * percent / 100.0;
    if (m_enclosing) {
        m_enclosing->SetProzentExact(m_from + span);
        return;
    }
    if (!m_control && !m_setPosition)
        return;
    // A position beyond the int range (or no number at all) would make the conversion undefined.
    double position = std::trunc(span) + m_from;
    if (std::isnan(position))
        position = m_from;
    if (position < INT_MIN)
        position = INT_MIN;
    if (position > INT_MAX)
        position = INT_MAX;
    if (m_control)
        m_control->SetPos(static_cast<int>(position));
    else
        m_setPosition(static_cast<int>(position));
}
