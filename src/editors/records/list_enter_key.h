#pragma once

#include <functional>

class QAbstractItemView;

namespace tallo {

// Enter (or Return) on a list with a current row runs `command` (the change of that row) and
// goes no further: neither a dialog's default button nor the Enter of a frame around the page
// takes it. Without a current row the key goes its usual way.
void RunOnEnter(QAbstractItemView& list, std::function<void()> command);

} // namespace tallo
