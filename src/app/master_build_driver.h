#pragma once

#include <cstdint>
#include <iosfwd>

namespace tallo {

class IPrompt;

// Build mode's driver: prepares the process-wide tables, loads the game's database from the
// installation folder and hands it to the game database builder on the calling thread.
// Every outcome is reported through `prompt` and the builder's own files.
void RunMasterBuild(int32_t language, uint32_t optionBits, IPrompt& prompt, std::ostream& err);

}  // namespace tallo
