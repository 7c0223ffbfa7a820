// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/sound/sdlfunctions.h"

#include "core/settings/settingmessages.h"
#include "skin/settings/commandline.h"

#include <dlfcn.h>

#include <bit>
#include <cstdio>
#include <map>
#include <mutex>

namespace {

// Sets `function` to the library's function `name`; false when it has none.
template <typename Function> bool find(void* library, const char* name, Function& function) {
    function = std::bit_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

} // namespace

const SdlFunctions* loadSdl(const std::string& soname) {
    static std::mutex mutex;
    static std::map<std::string, SdlFunctions> loaded;
    const std::lock_guard lock(mutex);
    if (const auto found = loaded.find(soname); found != loaded.end())
        return &found->second;

    void* library = dlopen(soname.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        std::fputs(noSoundLine(dlerror(), {}, localeLanguage()).c_str(), stderr);
        // The message stays allocated until the next call; free it now, since
        // a player's thread left behind at the end would otherwise keep it.
        dlerror();
        return nullptr;
    }
    SdlFunctions sdl;
    const char* missing = nullptr;
#define FRAZIONI_SDL_FIND(name)                                                                    \
    if (missing == nullptr && !find(library, "SDL_" #name, sdl.name))                              \
        missing = "SDL_" #name;
    FRAZIONI_SDL_FUNCTIONS(FRAZIONI_SDL_FIND)
#undef FRAZIONI_SDL_FIND
    if (missing != nullptr) {
        // An SDL2 older than 2.0.16.
        std::fputs(noSoundLine(soname, missing, localeLanguage()).c_str(), stderr);
        dlclose(library);
        return nullptr;
    }
    return &loaded.emplace(soname, sdl).first->second;
}
