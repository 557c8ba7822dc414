#pragma once

#include <cstdint>
#include <functional>

#include "app/longtime_operation.h"

namespace tallo {

// Writes the game database: runs the builder on the current database with the language, the
// option bits and the command-line marker, the operation being the builder's progress
// receiver. The builder sets the texts itself (entries below). The builder is the work given
// at construction.
class CLongtimeWriteDB : public CLongtimeOperation {
public:
    static constexpr int kTitleEntry = 833;       // write the current database for the game
    static constexpr int kDescriptionEntry = 834; // the database will be exported to the game
    static constexpr int kPhaseStatusEntry = 835; // "Phase %i: Exporting %s..."

    using Builder = std::function<bool(CLongtimeWriteDB&)>;

    CLongtimeWriteDB(int32_t language, uint32_t optionBits, bool commandLine, Builder builder);

    // With the command-line marker the builder runs on the calling thread (build mode has no
    // window and no worker); otherwise on a worker thread behind the progress display.
    LongtimeResult Start(IProgress& display, const ModalLoop& loop = {});

    int32_t Language() const { return language_; }
    uint32_t OptionBits() const { return optionBits_; }
    bool CommandLine() const { return commandLine_; }

protected:
    bool Execute() override;

private:
    int32_t language_;
    uint32_t optionBits_;
    bool commandLine_;
    Builder builder_;
};

} // namespace tallo
