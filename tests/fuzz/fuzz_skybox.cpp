// The skybox description: the count of labels matched is 0 to 6, only faces
// whose label matched get a name, every name is terminated within kMaxName
// characters, and nothing but the names is touched.
#include "fuzz_support.h"
#include "scene/skybox.h"

#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TrimFuzzLog();
    texture_t faces[Skybox::kFaces];
    const int matched =
        ParseSkyboxNames(std::string_view(reinterpret_cast<const char*>(data), size), faces);
    FUZZ_CHECK(matched >= 0 && matched <= Skybox::kFaces);
    for (int i = 0; i < Skybox::kFaces; ++i) {
        const texture_t& face = faces[i];
        FUZZ_CHECK(std::strlen(face.name) <= std::size_t(Skybox::kMaxName));
        FUZZ_CHECK(i < matched || face.name[0] == '\0');
        FUZZ_CHECK(face.sourceKind == 0 && face.width == 0 && face.height == 0 && face.bpp == 0 &&
                   face.glTexture == 0 && face.pixels == nullptr);
    }
    return 0;
}
