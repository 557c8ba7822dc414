#pragma once

#include "app/longtime_operation.h"

class QWidget;

namespace tallo {

class CLongtimeWriteDB;

// Runs `operation` on a worker thread behind a modal progress window owned by `parent` and
// returns when the work has ended (the window has closed by then). The window takes the
// operation's texts, its cancel permission, and whether it shows an estimate and itself.
//
// For the work that takes a display and a modal loop (the world export and import, the
// restore), make the window yourself:
//     CDlgLongtimeOperation window(parent);
//     ExportWorld(world, path, setup, window, prompt, caption, window.ModalLoop());
LongtimeResult RunWithProgressDialog(CLongtimeOperation& operation, QWidget* parent = nullptr);

// The game database build: behind the window, or on the calling thread without one when the
// operation carries the command-line marker.
LongtimeResult StartWithProgressDialog(CLongtimeWriteDB& operation, QWidget* parent = nullptr);

} // namespace tallo
