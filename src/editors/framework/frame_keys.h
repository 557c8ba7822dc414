#pragma once

#include <functional>

class QDialog;
class QPushButton;

namespace tallo {

// The keys of a dialog that frames pages: the pages keep Enter and Escape for themselves (so
// that they close nothing), and the frame hears them first. Enter runs `confirm`, unless a
// button other than `ok` has the focus, which takes it as its own click, or a multi-line text,
// which takes it as a new line; Escape runs `cancel`.
void InstallFrameKeys(QDialog& frame, QPushButton& ok, std::function<void()> confirm,
                      std::function<void()> cancel);

} // namespace tallo
