#pragma once

#include "editors/render/render_manager.h"

namespace tallo::screens {

// The set-up of the renderer plug-in this build made, for the pictures with previews.
RenderManagerSetup BuiltRenderer();

} // namespace tallo::screens
