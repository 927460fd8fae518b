#include "app/options.h"

#include "io/recording.h"
#include "physics/classic_scene.h"

#include <getopt.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>

namespace {

enum OptionId {
    kMode = 1,
    kFrames,
    kScreenshot,
    kFixedStep,
    kBoxes,
    kScene,
    kRecord,
    kReplay,
    kShadows,
    kHelp,
    kVersion
};

struct OptionText {
    const char *name, *argument, *meaning;
};
// Indexed by OptionId - 1; the usage lists them in this order.
constexpr OptionText kOptions[] = {
    {"mode", "N", "start in screen mode N (0-8) without the launcher"},
    {"frames", "N", "quit after N frames (1-100000000)"},
    {"screenshot", "FILE", "save the last frame as a PNG image"},
    {"fixed-step", "S", "make every frame S seconds long (0 < S <= 1) instead of real time"},
    {"boxes", "N", "drop N extra boxes of edge 2 in a grid above the floor (0-10000)"},
    {"scene", "NAME",
     "start in scene NAME: varne (the default), pyramid, tower, dominoes, bridge, wall"},
    {"record", "FILE", "record the run's input, frame by frame"},
    {"replay", "FILE", "play a recorded run again (its mode, boxes and scene with it)"},
    {"shadows", nullptr, "start with shadows from the light on (F10 turns them off)"},
    {"help", nullptr, "show this help and exit"},
    {"version", nullptr, "show the version and exit"},
};
constexpr int kOptionCount = int(std::size(kOptions));

std::string usage() {
    std::string text = "Usage: 3d-varne [OPTION]...\n"
                       "A real-time 3D physics demo; without options the launcher opens first.\n\n";
    for (const OptionText& option : kOptions) {
        std::string left = std::string("  --") + option.name;
        if (option.argument) left += std::string(" ") + option.argument;
        left.resize(std::max<std::size_t>(left.size() + 2, 22), ' ');
        text += left + option.meaning + "\n";
    }
    return text +
           "\nWhile the demo runs, hold F1 for the list of its keys, the F-keys among them.\n";
}

template <typename Number>
bool parseWhole(const char* text, Number& value) {
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    return error == std::errc() && stop == end;
}

template <typename Integer>
bool parseInRange(const char* text, long low, long high, Integer& value) {
    long number = 0;
    if (!parseWhole(text, number) || number < low || number > high) return false;
    value = Integer(number);
    return true;
}

// Stores the value of option `id`; an empty string when it is taken, else what is wrong with it.
std::string takeValue(int id, const char* value, RunOptions& options) {
    switch (id) {
    case kMode:
        if (parseInRange(value, 0, kLauncherEntries - 1, options.mode)) return "";
        return "is not an entry of the launcher (0-8)";
    case kFrames:
        if (parseInRange(value, 1, 100000000, options.frames)) return "";
        return "is not a frame count (1-100000000)";
    case kFixedStep: {
        double step = 0;
        if (!parseWhole(value, step) || !std::isfinite(step) || step <= 0 || step > 1)
            return "is not a time step in seconds (more than 0, at most 1)";
        options.fixedStep = step;
        return "";
    }
    case kBoxes:
        if (parseInRange(value, 0, kMaxExtraBoxes, options.boxes)) return "";
        return "is not a number of boxes (0-10000)";
    case kScene:
        options.scene = SceneIndex(value);
        if (options.scene >= 0) return "";
        return "is not a scene (varne, pyramid, tower, dominoes, bridge, wall)";
    }
    std::string& file = id == kScreenshot ? options.screenshot
                        : id == kRecord   ? options.record
                                          : options.replay;
    file = value;
    return file.empty() ? "is not a file name" : "";
}

// What the options given together cannot do (bit n of `given`: option n was
// given); empty when they can.
std::string conflictOf(unsigned given) {
    const auto has = [given](int id) { return (given >> id & 1) != 0; };
    if (!has(kReplay)) return "";
    if (has(kRecord)) return "--record and --replay cannot be used together";
    for (const int own : {kMode, kBoxes, kFixedStep, kScene})
        if (has(own))
            return std::string("--replay cannot be used with --") + kOptions[own - 1].name +
                   ": a recording carries its own";
    return "";
}

OptionsResult refuse(const std::string& what) {
    OptionsResult result;
    result.run = false;
    result.exitCode = 2;
    result.message = "3d-varne: " + what + "\n" + usage();
    return result;
}

OptionsResult stop(const std::string& message) {
    OptionsResult result;
    result.run = false;
    result.message = message;
    return result;
}

// An option as typed, without an attached "=value".
std::string typedName(const char* text) { return std::string(text, std::strcspn(text, "=")); }

}  // namespace

OptionsResult ParseOptions(int argc, char* const* argv) {
    option table[kOptionCount + 1] = {};
    for (int i = 0; i < kOptionCount; ++i)
        table[i] = {kOptions[i].name, kOptions[i].argument ? required_argument : no_argument,
                    nullptr, i + 1};
    OptionsResult result;
    unsigned given = 0;
    opterr = 0;
    optind = 0;  // a full reset, so every call reads its own command line
    for (;;) {
        const int at = optind ? optind : 1;
        int index = -1;
        // '+': stop at the first argument that is no option, so argv[at] is the option read.
        const int id = getopt_long(argc, argv, "+:", table, &index);
        if (id == -1) break;
        const std::string typed = typedName(argv[at]);
        // Which of the two an argument fault is comes from the table: MinGW's getopt_long
        // answers ':' for both, glibc's '?' for an argument given to an option without one.
        if ((id == ':' || id == '?') && optopt > 0 && optopt <= kOptionCount)
            return refuse("option '" + typed +
                          (kOptions[optopt - 1].argument ? "' requires an argument"
                                                         : "' does not take an argument"));
        // Abbreviations are not taken: a script that names an option names it whole.
        if (id == '?' || typed != std::string("--") + table[index].name)
            return refuse("unrecognized option '" + typed + "'");
        if (id == kHelp) return stop(usage());
        if (id == kVersion) return stop("3D-Varne " VARNE_VERSION "\n");
        given |= 1u << id;
        if (id == kShadows) {
            result.options.shadows = true;
            continue;
        }
        const std::string wrong = takeValue(id, optarg, result.options);
        if (!wrong.empty()) return refuse(typed + ": '" + optarg + "' " + wrong);
    }
    if (optind < argc) return refuse(std::string("unexpected argument '") + argv[optind] + "'");
    const std::string conflict = conflictOf(given);
    return conflict.empty() ? result : refuse(conflict);
}
