// make_models: writes the demo's two MD2 models into a folder, each with its
// skin (a 24-bit TGA, so no colour is keyed out) and its description file:
//   cylinder.md2, cylinder.tga, cylinder.txt  the cylinder body's look
//   gem.md2, gem.tga, gem.txt                 the test model
// The description files name the model and skin as <folder>/<file>, so run
// the tool from the folder the demo starts in, with the folder given relative
// to it (scripts/assets.sh passes data/models).
//
// Usage: make_models <folder>
#include "tools/cylinder_model.h"
#include "tools/gem_model.h"
#include "tools/image_write.h"
#include "tools/md2_write.h"

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The demo reads each path of a description file into 50 characters.
constexpr std::size_t kMaxPath = 49;

std::vector<std::uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

bool writeModel(const std::string& folder, const std::string& name, const ModelAsset& asset) {
    const std::string model = folder + "/" + name + ".md2", skin = folder + "/" + name + ".tga";
    if (model.size() > kMaxPath || skin.size() > kMaxPath)
        throw std::invalid_argument("path longer than 49 characters: " + model);
    const std::string description =
        "MODELFILE: " + model + "\nMODELTEX: " + skin + "\nOVERBLEND BLACK?: 0\n";
    return WriteFile(model, EncodeMd2(asset.mesh)) && WriteFile(skin, EncodeTga(asset.skin)) &&
           WriteFile(folder + "/" + name + ".txt", bytesOf(description));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_models <folder>\n");
        return 2;
    }
    try {
        const bool ok = writeModel(argv[1], "cylinder", BuildCylinder()) &&
                        writeModel(argv[1], "gem", BuildGem());
        return ok ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_models: %s\n", error.what());
        return 1;
    }
}
