#pragma once

#include "editors/render/render_manager.h"
#include "world/club_kit.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

class QComboBox;
class QFormLayout;
class QFrame;
class QLabel;
class QSpinBox;

namespace tallo {

// A preview of the renderer plug-in: a club's kit (with a choice of the first or second kit) or
// a player's head (with the look values), drawn by the plug-in into the shared render window,
// which the preview places over its picture frame while it is shown. It uses the calls as the
// kit and look editors do: background, kit or head, and a frame every 50 ms.
class CRenderPreview : public QWidget {
public:
    enum class Subject { Kit, Head };

    // A kit preview.
    explicit CRenderPreview(const ClubKit& kit, QWidget* parent = nullptr);
    // A head preview with the collar of the club's first kit.
    CRenderPreview(const ClubKit& kit, const std::array<uint32_t, TALLO_LOOK_SIZE>& looks,
                   QWidget* parent = nullptr);
    ~CRenderPreview() override;

    Subject PreviewSubject() const { return subject_; }
    // The frame the render window covers.
    QWidget* Picture() const;

    // Kit preview: which kit is shown (0 first, 1 second).
    void ShowKit(int kit);
    // Kit preview: the kits changed (a kit editor's working copy); drawn at once while shown.
    void SetKit(const ClubKit& kit);
    const ClubKit& Kit() const { return kit_; }
    int ShownKit() const { return shownKit_; }
    // Kit preview: shows or hides the preview's own choice of the kit (an editor that has its
    // own choice hides it).
    void SetKitChoiceVisible(bool visible);
    // Head preview: new look values.
    void SetLooks(const std::array<uint32_t, TALLO_LOOK_SIZE>& looks);
    const std::array<uint32_t, TALLO_LOOK_SIZE>& Looks() const { return looks_; }
    // Head preview: the club kit whose colours the collar takes.
    void SetHeadKit(const ClubKit& kit);
    // Head preview: shows or hides the preview's own look spins (a page that edits the looks
    // with its own lists hides them).
    void SetLookSpinsVisible(bool visible);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Build();
    void AddLookSpin(int index, const QString& label, int minimum, int maximum);
    void SendSubject();

    Subject subject_;
    ClubKit kit_;
    int shownKit_ = 0;
    std::array<uint32_t, TALLO_LOOK_SIZE> looks_{};
    RenderManagerUse manager_;
    QFrame* picture_ = nullptr;
    QLabel* unavailable_ = nullptr;
    QFormLayout* form_ = nullptr;
    QComboBox* kitChoice_ = nullptr;
    std::array<QSpinBox*, TALLO_LOOK_SIZE> lookSpins_{};
    bool showing_ = false;
};

} // namespace tallo
