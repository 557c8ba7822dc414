#include "sample_script_folder.h"

#include "platform/path_resolver.h"

namespace tallo::sample {

bool WriteSampleScriptFolder(const std::string& scriptFolder,
                             const std::vector<SampleCountry>& countries, std::string& error) {
    if (!CreateFolders(scriptFolder)) {
        error = "cannot create the folder " + scriptFolder;
        return false;
    }
    const std::string schemes = scriptFolder + "/CupAlloc.txt";
    std::string problem;
    if (!CupAllocIsWritable(SampleCupSchemes(), &problem)) {
        error = "the sample's cup schemes cannot be written: " + problem;
        return false;
    }
    if (!WriteCupAllocFile(schemes, SampleCupSchemes())) {
        error = "cannot write " + schemes;
        return false;
    }
    const std::array<DefinitionFile, 5> definitions = MakeSampleInternationalDefinitions(countries);
    for (size_t i = 0; i < definitions.size(); ++i) {
        const InternationalDefinitionFileInfo& info = InternationalDefinitionFiles()[i];
        const std::string path = scriptFolder + "/" + std::string(info.fileName);
        if (!DefinitionFileIsWritable(definitions[i], SampleSchemeRoundCount, &problem)) {
            error = "the sample's " + std::string(info.fileName) + " cannot be written: " + problem;
            return false;
        }
        if (!WriteDefinitionFilePath(path, info.prefix, definitions[i], SampleSchemeRoundCount)) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

} // namespace tallo::sample
