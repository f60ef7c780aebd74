// QuietAudio.cpp -- test programs play sound into SDL's dummy driver unless the caller chose one.
//
// Every scene a test initialises starts the ambient sound; on a developer's machine that would
// otherwise come out of the speakers, and on a machine without audio it would look for a device.
#include <cstdlib>

namespace {
const int quietAudio = setenv("SDL_AUDIODRIVER", "dummy", 0);
} // namespace
