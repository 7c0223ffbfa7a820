// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise as a web page: the functions the page's script (shell.js)
// calls. Each runs one event of the exercise to its end; those that may hold
// the thread for the feedback pause or the results window are called with
// ccall's async option, since ASYNCIFY lets them give the browser its thread
// back meanwhile.
#include "core/accessibility/accessiblenames.h"
#include "core/settings/settingsfiles.h"
#include "core/sound/audio.h"
#include "web/pageform1.h"
#include "web/webplatform.h"

#include <emscripten.h>
#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

using emscripten::val;

namespace {

struct Page {
    PageClock clock;
    PageRandom random;
    PageScreen screen;
    PageSoundPlayer player;
    PageSpeech speech;
    Audio audio{player, random, std::string()};
    std::unique_ptr<PagePause> pause;
    std::unique_ptr<PageForm1> form;
};

Page* page = nullptr;

std::optional<Ctl> controlNamed(std::string_view name) {
    for (const Form1ControlDesign& d : form1Design())
        if (d.name == name)
            return d.id;
    return std::nullopt;
}

// The settings the page's address gives, read as the desktop reads a settings
// file: the same names, values and checks. Whatever cannot be used is said in
// one line on the console.
ClassroomSettings settingsFromAddress() {
    val frazioni = val::global("frazioni");
    SettingsFileContent address;
    address.path = frazioni["indirizzo"].as<std::string>();
    const val pairs = frazioni["parametri"];
    const int n = pairs["length"].as<int>();
    for (int i = 0; i < n; ++i)
        address.entries.push_back({pairs[i][0].as<std::string>(), pairs[i][1].as<std::string>()});
    std::string locale = frazioni["lingua"].as<std::string>();
    for (char& c : locale)
        if (c == '-')
            c = '_';
    const ClassroomSetup setup = combineSettings({address}, {}, messageLanguage(locale, "", ""));
    std::string warning;
    for (const std::string& line : setup.warnings)
        warning += line;
    if (!warning.empty()) {
        if (warning.back() == '\n')
            warning.pop_back();
        val::global("console").call<void>("warn", warning);
    }
    return setup.settings;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_start() {
    if (page)
        return;
    const ClassroomSettings settings = settingsFromAddress();
    // The windows' names, as a screen reader announces them.
    val document = val::global("document");
    document.set("title", std::string(kExerciseWindowName));
    document.call<val>("getElementById", std::string("Form1"))
        .call<void>("setAttribute", std::string("aria-label"), std::string(kExerciseWindowName));
    document.call<val>("getElementById", std::string("Classifica"))
        .call<void>("setAttribute", std::string("aria-label"), std::string(kResultsWindowName));
    page = new Page;
    page->pause = std::make_unique<PagePause>(page->clock, [] {
        if (page->form)
            page->form->pump();
    });
    const bool touchScreen = val::global("frazioni")["schermoTattile"].as<bool>();
    page->form = std::make_unique<PageForm1>(page->clock, page->random, *page->pause, page->screen,
                                             page->audio, &page->speech, settings, touchScreen);
    page->form->start();
    page->speech.voicesChanged();
}

EMSCRIPTEN_KEEPALIVE void web_click(const char* name) {
    if (auto id = controlNamed(name))
        page->form->click(*id);
}

EMSCRIPTEN_KEEPALIVE void web_enter(const char* name, const char* text) {
    if (auto id = controlNamed(name))
        page->form->enter(*id, text);
}

EMSCRIPTEN_KEEPALIVE void web_edited(const char* name, const char* text) {
    if (auto id = controlNamed(name))
        page->form->edited(*id, text);
}

EMSCRIPTEN_KEEPALIVE void web_tick() {
    page->form->tick();
}

EMSCRIPTEN_KEEPALIVE void web_touched() {
    page->form->touched();
}

EMSCRIPTEN_KEEPALIVE void web_painted() {
    page->form->painted();
}

EMSCRIPTEN_KEEPALIVE void web_resized() {
    page->form->resized();
}

EMSCRIPTEN_KEEPALIVE void web_voices() {
    page->form->voicesChanged();
}

EMSCRIPTEN_KEEPALIVE int web_has_answers() {
    return page && page->form->hasAnswers() ? 1 : 0;
}

} // extern "C"
