// FrameLevers.cpp -- the frame's levers as the environment chooses them.
#include "view/FrameLevers.h"

#include <cstdlib>
#include <sstream>
#include <string>

namespace {
struct LeverName
{
    const char* name;
    bool FrameLevers::*lever;
};

constexpr LeverName kLeverNames[] = {
    {"skip-covered-rays", &FrameLevers::skipCoveredRaySheet},
    {"fog-off", &FrameLevers::fogOffWhenClear},
    {"sheet-program", &FrameLevers::sheetProgram},
    {"opaque-no-blend", &FrameLevers::opaqueWithoutBlend},
    {"fish-arrays", &FrameLevers::fishArrays},
};
} // namespace

FrameLevers FrameLevers::FromEnvironment()
{
    FrameLevers levers;
    const char* value = std::getenv("KELPORA_FRAME");
    if (value == nullptr)
        return levers;
    std::istringstream words(value);
    std::string word;
    while (std::getline(words, word, ',')) {
        if (word == "plain") {
            levers = Plain();
            continue;
        }
        // "no-NAME" turns a lever off, "NAME" on again (after "plain": that lever alone).
        const bool off = word.rfind("no-", 0) == 0;
        const std::string name = off ? word.substr(3) : word;
        for (const LeverName& entry : kLeverNames)
            if (name == entry.name)
                levers.*entry.lever = !off;
    }
    return levers;
}
