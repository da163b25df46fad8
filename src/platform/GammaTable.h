#pragma once

#include <QVector>

// Linear resampling of one channel of `count` levels to `size` entries (both ends kept): how
// Kavo's 256-entry ramps become a display's own table size, and back.
QVector<quint16> resampleGammaLevels(const quint16* levels, int count, int size);
