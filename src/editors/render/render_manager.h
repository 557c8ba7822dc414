#pragma once

#include "assets/renderer_plugin.h"
#include "platform/plugin_library.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tallo {

// How the shared render manager is made; only the first request's setup counts.
struct RenderManagerSetup {
    // The window the render window belongs to while no dialog shows it.
    QWidget* mainWindow = nullptr;
    // The plug-in files to look for, in order; the first that can be read is loaded. Empty:
    // DefaultRendererCandidates() of the current folder and the program's folder.
    std::vector<std::string> candidates;
    // Shows that a plug-in file exists but cannot be loaded (text, caption). Empty: a message
    // box with the stop icon over the main window.
    std::function<void(const std::string& text, const std::string& caption)> reportLoadFailure;
};

// "Renderer.so" in the installation folder, then our own plug-in beside the program, then in the
// library folder of an installed copy (InstalledPluginFolder).
std::vector<std::string> DefaultRendererCandidates(const std::string& installFolder,
                                                   const std::string& programFolder);

// The host of the renderer plug-in: one shared instance owns the library, the renderer object
// and the render window that the object draws into. The kit and look editors place the render
// window over a control of theirs, pass the kit or head to draw and let the frame timer draw.
class CRenderManager {
public:
    static constexpr int kRenderWindowId = 66600;
    static constexpr int kFrameIntervalMs = 50;
    // Background colours of the kit editor and the look editor.
    static constexpr uint32_t kKitBackground = 0x00C0C0C0;
    static constexpr uint32_t kLookBackground = 0xFF2020C0;

    // The shared instance: the first request makes it (use count 1), every further one counts
    // up; every Release counts down, and the last destroys it.
    static CRenderManager& Acquire(const RenderManagerSetup& setup = {});
    static void Release();
    static int UseCount();

    ~CRenderManager();
    CRenderManager(const CRenderManager&) = delete;
    CRenderManager& operator=(const CRenderManager&) = delete;

    // True when the plug-in was loaded and gave a renderer object.
    bool IsReady() const { return ready_; }
    // The plug-in file that was loaded or tried, empty when none was found.
    const std::string& LibraryPath() const { return libraryPath_; }

    // With a control: the render window takes its place in the control's parent and the control
    // is hidden. With none: the render window is hidden and goes back to the main window.
    void Place(QWidget* control);
    bool IsPlaced() const { return placed_; }
    QWidget* RenderWindow();

    // The calls of the renderer object; nothing happens while it is not ready.
    void SetKit(const TalloKitSelection& selection, const TalloKitData& kit);
    void ChangeKit(const std::array<uint32_t, TALLO_KIT_BLOCK_SIZE>& block,
                   const TalloKitData& kit);
    void SetHead(const std::array<uint32_t, TALLO_HEAD_COLOURS_SIZE>& kitColours,
                 const std::array<uint32_t, TALLO_LOOK_SIZE>& looks);
    void DrawFrame();
    void SetBackground(uint32_t colour);

    // The 50 ms timer that draws a frame on every tick while a preview shows.
    void StartFrameTimer();
    void StopFrameTimer();
    bool IsFrameTimerActive() const { return frameTimer_.isActive(); }

private:
    explicit CRenderManager(const RenderManagerSetup& setup);

    void Load(const std::vector<std::string>& candidates);
    void CreateRenderWindow();
    void ReleaseObject();
    const TalloRendererCalls* Calls() const;

    RenderManagerSetup setup_;
    QPointer<QWidget> mainWindow_;
    QPointer<QWidget> renderWindow_;
    PluginLibrary library_;
    std::string libraryPath_;
    TalloGetPlugin getPlugin_ = nullptr;
    TalloRendererSlot slot_{};
    bool placed_ = false;
    bool ready_ = false;
    QTimer frameTimer_;
};

// One use of the shared render manager for the life of a scope (a dialog's preview).
class RenderManagerUse {
public:
    explicit RenderManagerUse(const RenderManagerSetup& setup = {})
        : manager_(CRenderManager::Acquire(setup)) {}
    ~RenderManagerUse() { CRenderManager::Release(); }
    RenderManagerUse(const RenderManagerUse&) = delete;
    RenderManagerUse& operator=(const RenderManagerUse&) = delete;

    CRenderManager& operator*() const { return manager_; }
    CRenderManager* operator->() const { return &manager_; }

private:
    CRenderManager& manager_;
};

} // namespace tallo
