#include "editors/render/render_manager.h"

#include "formats/dialog_text.h"
#include "platform/install_folder.h"
#include "platform/path_resolver.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QSizePolicy>
#include <QString>

#include <filesystem>
#include <fstream>
#include <memory>

namespace tallo {

namespace {

std::unique_ptr<CRenderManager> sharedManager;
int useCount = 0;

bool CanRead(const std::string& path) {
    const std::string resolved = ResolvePath(path);
    std::error_code error;
    if (resolved.empty() || !std::filesystem::is_regular_file(resolved, error)) {
        return false;
    }
    std::ifstream file(resolved, std::ios::binary);
    return file.is_open();
}

std::string ProgramFolder() {
    if (QCoreApplication::instance() != nullptr) {
        return QCoreApplication::applicationDirPath().toStdString();
    }
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

void ShowStopBox(QWidget* owner, const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, owner);
    box.exec();
}

// Keeps a placed render window over its control when the dialog's layout moves the control.
class PlacementFollower : public QObject {
public:
    PlacementFollower(QWidget* control, QWidget* window)
        : QObject(window), control_(control), window_(window) {
        if (control->parentWidget() != nullptr) {
            control->parentWidget()->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::Resize || type == QEvent::LayoutRequest || type == QEvent::Show) {
            // The layout places the children after the parent's own event; follow then.
            QPointer<QWidget> control = control_;
            QPointer<QWidget> window = window_;
            QTimer::singleShot(0, window, [control, window] {
                if (control && window && window->parentWidget() == control->parentWidget()) {
                    window->setGeometry(control->geometry());
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> control_;
    QPointer<QWidget> window_;
};

} // namespace

std::vector<std::string> DefaultRendererCandidates(const std::string& installFolder,
                                                   const std::string& programFolder) {
    std::vector<std::string> candidates;
    if (!installFolder.empty()) {
        candidates.push_back(installFolder + "/Renderer.so");
    }
    if (!programFolder.empty()) {
        candidates.push_back(programFolder + "/libtallo-renderer.so");
        // An installed copy keeps it in its library folder (bin/../lib/tallo).
        candidates.push_back(InstalledPluginFolder(programFolder) + "/libtallo-renderer.so");
    }
    return candidates;
}

CRenderManager& CRenderManager::Acquire(const RenderManagerSetup& setup) {
    if (!sharedManager) {
        sharedManager.reset(new CRenderManager(setup));
        useCount = 1;
    } else {
        ++useCount;
    }
    return *sharedManager;
}

void CRenderManager::Release() {
    if (useCount == 0) {
        return;
    }
    if (--useCount == 0) {
        sharedManager.reset();
    }
}

int CRenderManager::UseCount() {
    return useCount;
}

CRenderManager::CRenderManager(const RenderManagerSetup& setup)
    : setup_(setup), mainWindow_(setup.mainWindow) {
    frameTimer_.setInterval(kFrameIntervalMs);
    QObject::connect(&frameTimer_, &QTimer::timeout, [this] { DrawFrame(); });
    CreateRenderWindow();
    std::vector<std::string> candidates = setup.candidates;
    if (candidates.empty()) {
        std::error_code error;
        candidates = DefaultRendererCandidates(std::filesystem::current_path(error).string(),
                                               ProgramFolder());
    }
    Load(candidates);
}

CRenderManager::~CRenderManager() {
    frameTimer_.stop();
    ReleaseObject();
    delete renderWindow_.data();
    library_.Close();
}

void CRenderManager::CreateRenderWindow() {
    QWidget* window = new QWidget(mainWindow_);
    window->setObjectName(QStringLiteral("RenderWindow"));
    window->setProperty("controlId", kRenderWindowId);
    window->setGeometry(0, 0, 10, 10);
    window->hide();
    renderWindow_ = window;
    placed_ = false;
}

void CRenderManager::Load(const std::vector<std::string>& candidates) {
    for (const std::string& candidate : candidates) {
        if (CanRead(candidate)) {
            libraryPath_ = candidate;
            break;
        }
    }
    if (libraryPath_.empty()) {
        return; // no plug-in: the previews stay empty
    }
    if (!library_.Open(libraryPath_)) {
        const std::string text = FormatDialogText("render.load_failed.text", libraryPath_.c_str(),
                                                  library_.LastError().c_str());
        const std::string& caption = DialogText("render.load_failed.caption");
        if (setup_.reportLoadFailure) {
            setup_.reportLoadFailure(text, caption);
        } else {
            ShowStopBox(mainWindow_, text, caption);
        }
        return;
    }
    getPlugin_ = reinterpret_cast<TalloGetPlugin>(library_.Symbol(TALLO_RENDERER_ENTRY));
    if (getPlugin_ == nullptr) {
        return; // a library without the entry: no object, no message
    }
    ReleaseObject();
    getPlugin_(&slot_);
    const TalloRendererCalls* calls = Calls();
    if (calls == nullptr || calls->attach == nullptr) {
        return;
    }
    calls->attach(slot_.object, RenderWindow());
    ready_ = true;
}

void CRenderManager::ReleaseObject() {
    if (slot_.object != nullptr) {
        const TalloRendererCalls* calls = slot_.object->calls;
        if (calls != nullptr && calls->release != nullptr) {
            calls->release(slot_.object);
        }
        slot_.object = nullptr;
    }
    ready_ = false;
}

const TalloRendererCalls* CRenderManager::Calls() const {
    return slot_.object != nullptr ? slot_.object->calls : nullptr;
}

QWidget* CRenderManager::RenderWindow() {
    if (!renderWindow_) {
        // A dialog that was destroyed while it held the window took it along: make a new one
        // and give it to the renderer.
        CreateRenderWindow();
        const TalloRendererCalls* calls = Calls();
        if (calls != nullptr && calls->attach != nullptr) {
            calls->attach(slot_.object, renderWindow_.data());
        }
    }
    return renderWindow_.data();
}

void CRenderManager::Place(QWidget* control) {
    QWidget* window = RenderWindow();
    for (QObject* child : window->children()) {
        if (dynamic_cast<PlacementFollower*>(child) != nullptr) {
            delete child;
        }
    }
    if (control != nullptr && control->parentWidget() != nullptr) {
        window->setParent(control->parentWidget());
        window->setGeometry(control->geometry());
        // The control keeps its room in the dialog's layout while the window covers it.
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
        control->hide();
        new PlacementFollower(control, window);
        window->show();
        window->raise();
        placed_ = true;
    } else {
        window->hide();
        window->setParent(mainWindow_);
        placed_ = false;
    }
}

void CRenderManager::SetKit(const TalloKitSelection& selection, const TalloKitData& kit) {
    const TalloRendererCalls* calls = ready_ ? Calls() : nullptr;
    if (calls != nullptr && calls->set_kit != nullptr) {
        calls->set_kit(slot_.object, &selection, &kit);
    }
}

void CRenderManager::ChangeKit(const std::array<uint32_t, TALLO_KIT_BLOCK_SIZE>& block,
                               const TalloKitData& kit) {
    const TalloRendererCalls* calls = ready_ ? Calls() : nullptr;
    if (calls != nullptr && calls->change_kit != nullptr) {
        calls->change_kit(slot_.object, block.data(), &kit);
    }
}

void CRenderManager::SetHead(const std::array<uint32_t, TALLO_HEAD_COLOURS_SIZE>& kitColours,
                             const std::array<uint32_t, TALLO_LOOK_SIZE>& looks) {
    const TalloRendererCalls* calls = ready_ ? Calls() : nullptr;
    if (calls != nullptr && calls->set_head != nullptr) {
        calls->set_head(slot_.object, kitColours.data(), looks.data());
    }
}

void CRenderManager::DrawFrame() {
    const TalloRendererCalls* calls = ready_ ? Calls() : nullptr;
    if (calls != nullptr && calls->draw_frame != nullptr) {
        calls->draw_frame(slot_.object);
    }
}

void CRenderManager::SetBackground(uint32_t colour) {
    const TalloRendererCalls* calls = ready_ ? Calls() : nullptr;
    if (calls != nullptr && calls->set_background != nullptr) {
        calls->set_background(slot_.object, colour);
    }
}

void CRenderManager::StartFrameTimer() {
    frameTimer_.start();
}

void CRenderManager::StopFrameTimer() {
    frameTimer_.stop();
}

} // namespace tallo
