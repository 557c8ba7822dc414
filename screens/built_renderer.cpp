#include "built_renderer.h"

namespace tallo::screens {

RenderManagerSetup BuiltRenderer() {
    RenderManagerSetup setup;
#ifdef TALLO_RENDERER_PLUGIN
    setup.candidates = {TALLO_RENDERER_PLUGIN};
#endif
    return setup;
}

} // namespace tallo::screens
