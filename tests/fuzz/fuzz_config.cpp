// Configuration text (data/config.txt) into a fresh store: every stored key
// and value must be a terminated token of at most kMaxToken characters, the
// table must stay within kMaxSets, and the look-ups must agree with the table.
#include "config/settings.h"
#include "fuzz_support.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

bool isToken(const char (&field)[150]) {
    const void* end = std::memchr(field, '\0', sizeof field);
    return end && static_cast<const char*>(end) - field <= Settings3D::kMaxToken;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TrimFuzzLog();
    auto store = std::make_unique<Settings3D>();
    store->addSets(std::string_view(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(store->numSets >= 0 && store->numSets <= Settings3D::kMaxSets);
    for (int i = 0; i < store->numSets; ++i)
        FUZZ_CHECK(isToken(store->sets[i].key) && isToken(store->sets[i].value));
    // Look-ups of the first and last few keys (all of them would make each input quadratic).
    const int last = store->numSets - 1;
    for (int i : {0, 1, 2, last - 2, last - 1, last}) {
        if (i < 0 || i > last) continue;
        // The first pair with a key wins, so the look-up finds a value no later than this one.
        const char* value = store->getSetting(store->sets[i].key);
        FUZZ_CHECK(value && value <= store->sets[i].value && store->IsSet(store->sets[i].key));
        FUZZ_CHECK(store->IsEnabled(store->sets[i].key) == (std::strcmp(value, "yes") == 0));
    }
    for (const char* key : {"ANTIALIAS", "SKYBOX_FILE", "BACKGROUND_MUSIC", ""}) {
        const char* value = store->getSetting(key);
        FUZZ_CHECK(store->IsSet(key) == (value != nullptr));
        FUZZ_CHECK(store->IsEnabled(key) == (value && std::strcmp(value, "yes") == 0));
    }
    return 0;
}
