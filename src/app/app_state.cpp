#include "app/app_state.h"

namespace tallo {

AppState& AppState::Instance() {
    static AppState state;
    return state;
}

} // namespace tallo
