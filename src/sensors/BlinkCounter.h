#pragma once

#include <atomic>
#include <vector>

// Counts blinks from what face detection finds in successive camera frames: a frame with a
// face and no eyes, followed (later) by a frame with a face and both eyes, is one blink. A
// frame with one eye changes nothing; a frame without a face forgets closed eyes.
//
// observe() belongs to the camera thread; count() and reset() may be called from any thread.
class BlinkCounter
{
public:
    // One frame: the number of eyes found in each face, in the order the faces were found.
    void observe(const std::vector<int>& eyes_per_face);

    int count() const { return m_count; }
    void reset() { m_count = 0; }

private:
    std::atomic<int> m_count{0};
    bool m_eyes_closed = false;
};
