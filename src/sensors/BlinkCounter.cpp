#include "sensors/BlinkCounter.h"

void BlinkCounter::observe(const std::vector<int>& eyes_per_face)
{
    if (eyes_per_face.empty()) {
        m_eyes_closed = false;
        return;
    }
    for (int eyes : eyes_per_face) {
        if (eyes == 2 && m_eyes_closed) {
            ++m_count;
            m_eyes_closed = false;
        } else if (eyes == 0) {
            m_eyes_closed = true;
        }
    }
}
