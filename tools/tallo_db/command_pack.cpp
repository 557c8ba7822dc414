// tallo-db pack|unpack: a file as one packed block (the coding of BIG entries and world archive
// chunks) and back.

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "assets/packed_block.h"
#include "commands.h"
#include "installation.h"
#include "path_check.h"
#include "platform/atomic_file.h"
#include "platform/output_target.h"
#include "terminal_progress.h"

namespace tallo::db {

namespace {

struct PackOptions {
    std::string input;
    std::string output;
};

// Reads the input after checking that the output may be written, so that a refused output
// is reported before any work is done.
bool ReadInput(const PackOptions& options, std::string& bytes, const char* command) {
    const std::string problem = FileProblem(options.input);
    if (!problem.empty()) {
        ReportFailure(command, "the file " + options.input + " " + problem);
        return false;
    }
    const std::string refusal = OutputRefusal(ClassifyOutput(options.output, {options.input}));
    if (!refusal.empty()) {
        ReportFailure(command, refusal);
        return false;
    }
    errno = 0;
    if (!ReadWholeFile(options.input, bytes, kMaxUnpackedSize)) {
        const int reason = errno;
        ReportFailure(command,
                      "the file " + options.input + " cannot be read: " +
                          (reason == EFBIG || reason == 0
                               ? "it is larger than " + std::to_string(kMaxUnpackedSize) + " bytes"
                               : std::string(std::strerror(reason))));
        return false;
    }
    return true;
}

bool WriteOutput(const PackOptions& options, const std::vector<uint8_t>& bytes,
                 const char* command) {
    std::string error;
    if (!WriteOutputFile(
            options.output,
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
            {options.input}, error)) {
        ReportFailure(command, error);
        return false;
    }
    return true;
}

void RunPack(const PackOptions& options) {
    const char* command = "pack";
    std::string input;
    if (!ReadInput(options, input, command)) {
        return;
    }
    TerminalProgress progress;
    progress.SetTitle("Packing " + options.input);
    progress.SetRange(0, 1);
    const std::vector<uint8_t> packed =
        PackBlock(reinterpret_cast<const uint8_t*>(input.data()), input.size());
    progress.SetPosition(1);
    progress.Finish();
    if (packed.empty()) {
        ReportFailure(command, "the file " + options.input + " is too large to pack");
        return;
    }
    if (!WriteOutput(options, packed, command)) {
        return;
    }
    std::cout << "Packed " << input.size() << " bytes into " << packed.size()
              << " bytes: " << options.output << "\n";
    SetExitStatus(0);
}

void RunUnpack(const PackOptions& options) {
    const char* command = "unpack";
    std::string input;
    if (!ReadInput(options, input, command)) {
        return;
    }
    const auto* data = reinterpret_cast<const uint8_t*>(input.data());
    TerminalProgress progress;
    progress.SetTitle("Unpacking " + options.input);
    progress.SetRange(0, 1);
    std::vector<uint8_t> unpacked;
    const bool ok = UnpackBlock(data, input.size(), unpacked);
    progress.SetPosition(1);
    progress.Finish();
    if (!ok) {
        ReportFailure(command, options.input +
                                   " is not a packed block, or it is damaged (its commands do "
                                   "not give the size its header announces)");
        return;
    }
    if (!WriteOutput(options, unpacked, command)) {
        return;
    }
    std::cout << "Unpacked " << input.size() << " bytes into " << unpacked.size()
              << " bytes: " << options.output << "\n";
    SetExitStatus(0);
}

} // namespace

void RegisterPackCommands(CLI::App& app) {
    auto packOptions = std::make_shared<PackOptions>();
    CLI::App* pack = app.add_subcommand("pack", "Pack a file as one packed block");
    pack->add_option("IN", packOptions->input, "File to pack")->required();
    pack->add_option("OUT", packOptions->output, "Packed file to write")->required();
    pack->callback([packOptions] { RunPack(*packOptions); });

    auto unpackOptions = std::make_shared<PackOptions>();
    CLI::App* unpack = app.add_subcommand("unpack", "Unpack a file that is one packed block");
    unpack->add_option("IN", unpackOptions->input, "Packed file")->required();
    unpack->add_option("OUT", unpackOptions->output, "File to write")->required();
    unpack->callback([unpackOptions] { RunUnpack(*unpackOptions); });
}

} // namespace tallo::db
