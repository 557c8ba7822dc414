#include "app/longtime_write_db.h"

#include <utility>

namespace tallo {

CLongtimeWriteDB::CLongtimeWriteDB(int32_t language, uint32_t optionBits, bool commandLine,
                                   Builder builder)
    : language_(language), optionBits_(optionBits), commandLine_(commandLine),
      builder_(std::move(builder)) {}

LongtimeResult CLongtimeWriteDB::Start(IProgress& display, const ModalLoop& loop) {
    if (commandLine_) {
        return RunHere(display);
    }
    return RunWithProgress(display, loop);
}

bool CLongtimeWriteDB::Execute() {
    if (!builder_) {
        SetFailureText("the game database builder is not available");
        return false;
    }
    return builder_(*this);
}

} // namespace tallo
