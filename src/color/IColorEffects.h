#pragma once

#include "color/ColorMatrix.h"

#include <QList>

// Full-screen colour effects through a colour matrix. Monitors are numbered from 1; 0 means
// all of them.
class IColorEffects
{
public:
    virtual ~IColorEffects() = default;

    // Shows colour effect `effect` (1..28) on the whole desktop; 0 or -1.
    virtual int set_effect(int effect)
    {
        Q_UNUSED(effect);
        return -1;
    }

    // The matrix of colour effect `effect` (the identity for unknown values).
    virtual void effect_matrix(ColorMatrix& out, int effect);

    // Removes every colour effect; 0 or -1.
    virtual int reset() { return -1; }

    // Shows `matrix` on `monitor_number`; ignored monitors show no effect.
    virtual void apply_matrix(const ColorMatrix& matrix, QList<int> ignored, int monitor_number)
    {
        Q_UNUSED(matrix);
        Q_UNUSED(ignored);
        Q_UNUSED(monitor_number);
    }
};
