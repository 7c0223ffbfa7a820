// Writes the program's sound cues as <name>.wav into the folder given on the
// command line. Run by the build; the cues are made from their recipes, so the
// project holds no recordings.
#include "sound/cues/cuerecipes.h"
#include "sound/cues/synth.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const synth::CueRecipe& cue : synth::programCues()) {
        const auto bytes = synth::wavFile(cue.samples, 1);
        const std::filesystem::path file = folder / (cue.name + ".wav");
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            return 1;
        }
    }
    return 0;
}
