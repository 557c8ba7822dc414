#pragma once

#include <cstdint>
#include <vector>

#include "editors/framework/dialog_b.h"

class QCheckBox;

namespace tallo {

// The parts chooser of the synchronisation: one box per part of a country (dialog 214) or of a
// club (dialog 215), ticked as the remembered mask; OK gives the mask of the ticked boxes.
class CDlgCopyParts : public CDialogB {
    Q_OBJECT

public:
    enum class Kind { Country, Club };

    CDlgCopyParts(Kind kind, uint32_t mask, QWidget* parent = nullptr);

    uint32_t Mask() const;
    const std::vector<QCheckBox*>& Boxes() const { return boxes_; }

private:
    std::vector<QCheckBox*> boxes_; // each carries its bit as the property "part"
};

} // namespace tallo
