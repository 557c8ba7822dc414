#include "sample_game_archive.h"

#include <cstdint>
#include <vector>

#include "assets/big_writer.h"
#include "platform/atomic_file.h"
#include "platform/path_resolver.h"
#include "sample_badge_picture.h"

namespace tallo::sample {

namespace {

std::string VersionText(const SampleOptions& options) {
    return "Tallo sample data archive\r\nScale: " + std::string(ScaleName(options.scale)) +
           "\r\nSeed: " + std::to_string(options.seed) + "\r\n";
}

std::string SettingsText() {
    return "[Display]\r\nWidth=1024\r\nHeight=768\r\nDepth=32\r\n\r\n[Sound]\r\n"
           "Music=1\r\nCrowd=1\r\nCommentary=1\r\nVolume=80\r\n\r\n[Match]\r\n"
           "Camera=2\r\nHighlights=1\r\nSpeed=3\r\n";
}

std::string CreditsText() {
    std::string text = "Credits\r\n\r\n";
    for (const char* line : {"Programming", "Graphics", "Sound", "Database", "Testing"}) {
        text += std::string(line) + "\r\n    The sample team\r\n\r\n";
    }
    return text;
}

// A short whistle: 8-bit unsigned mono samples of a 2 kHz triangle tone at 22,050 Hz,
// fading out. Whole-number arithmetic only, so that every machine writes the same bytes.
std::string WhistleSound() {
    constexpr int kRate = 22050;
    constexpr int kTone = 2000;
    constexpr int kSamples = kRate / 5;
    std::string samples;
    samples.reserve(kSamples);
    for (int i = 0; i < kSamples; ++i) {
        const int phase = static_cast<int>((int64_t{i} * kTone * 256 / kRate) % 256);
        const int triangle = phase < 128 ? phase * 2 - 128 : 383 - phase * 2; // -128 to 127
        const int amplitude = triangle * (kSamples - i) / kSamples * 100 / 128;
        samples.push_back(static_cast<char>(128 + amplitude));
    }
    return samples;
}

} // namespace

bool WriteSampleGameArchive(const std::string& installFolder, const SampleOptions& options,
                            SampleFileSummary& summary, std::string& error) {
    const std::string path = installFolder + "/" + kGameArchive;
    const size_t slash = path.rfind('/');
    if (!CreateFolders(path.substr(0, slash))) {
        error = "cannot create the folder " + path.substr(0, slash);
        return false;
    }
    BadgeDesign splash;
    splash.pattern = BadgeDesign::kBand;
    splash.ground = BadgeColour{0, 40, 0};
    splash.first = BadgeColour{240, 240, 240};
    splash.second = BadgeColour{200, 30, 30};

    BigWriter archive;
    const bool added = archive.AddEntry("Data\\Version.txt", VersionText(options)) &&
                       archive.AddEntry("Data\\Config\\Game.ini", SettingsText(), true) &&
                       archive.AddEntry("Data\\Text\\eng\\Credits.txt", CreditsText(), true) &&
                       archive.AddEntry("Data\\Gfx\\Splash.tga", MakeBadgeTga(splash, 64)) &&
                       archive.AddEntry("Data\\Sound\\Whistle.raw", WhistleSound(), true);
    std::vector<uint8_t> bytes;
    if (!added || !archive.Build(bytes) ||
        !WriteFileAtomically(
            path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
        error = "cannot write " + path;
        return false;
    }
    summary.gameArchiveEntries = archive.Count();
    return true;
}

} // namespace tallo::sample
