// The command line: what a good line asks for, and each wrong one refused
// with one first line naming the fault, then the usage.
#include "app/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

OptionsResult parse(std::vector<std::string> words) {
    words.insert(words.begin(), "3d-varne");
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    return ParseOptions(int(words.size()), argv.data());
}

}  // namespace

TEST(Options, LinesRunStopOrAreRefusedWithTheirFaultOnTheFirstLine) {
    const struct {
        std::vector<std::string> words;
        int exitCode;
        std::string start;  // of the message
    } cases[] = {
        {{"--help"}, 0, "Usage: 3d-varne"},
        {{"--version", "--mode", "99"}, 0, "3D-Varne 1.4.0\n"},
        {{"--mode", "9"}, 2, "3d-varne: --mode: '9' is not an entry of the launcher (0-8)\n"},
        {{"--mode", " 3"}, 2, "3d-varne: --mode: ' 3' is not"},
        {{"--frames", "0"}, 2, "3d-varne: --frames: '0' is not"},
        {{"--frames", "100000001"}, 2, "3d-varne: --frames: '100000001' is not"},
        {{"--fixed-step", "nan"}, 2, "3d-varne: --fixed-step: 'nan' is not"},
        {{"--fixed-step", "1.0001"}, 2, "3d-varne: --fixed-step: '1.0001' is not"},
        {{"--boxes", "10001"}, 2, "3d-varne: --boxes: '10001' is not"},
        {{"--scene", "Pyramid"}, 2, "3d-varne: --scene: 'Pyramid' is not a scene (varne, pyramid"},
        {{"--replay", "a", "--scene", "wall"}, 2, "3d-varne: --replay cannot be used with --scene"},
        {{"--screenshot="}, 2, "3d-varne: --screenshot: '' is not a file name\n"},
        {{"--frame", "10"}, 2, "3d-varne: unrecognized option '--frame'\n"},
        {{"--frames"}, 2, "3d-varne: option '--frames' requires an argument\n"},
        {{"--shadows=yes"}, 2, "3d-varne: option '--shadows' does not take an argument\n"},
        {{"--frames", "5", "scene"}, 2, "3d-varne: unexpected argument 'scene'\n"},
        {{"--record", "a", "--replay", "b"}, 2, "3d-varne: --record and --replay cannot"},
        {{"--boxes", "0", "--replay", "a"}, 2, "3d-varne: --replay cannot be used with --boxes"},
    };
    for (const auto& c : cases) {
        const OptionsResult result = parse(c.words);
        EXPECT_TRUE(!result.run && result.exitCode == c.exitCode) << c.start;
        EXPECT_EQ(result.message.rfind(c.start, 0), 0u) << result.message;
        if (c.exitCode == 2) EXPECT_EQ(result.message.find('\n') + 1, result.message.find("Usage"));
    }
    EXPECT_TRUE(parse({}).run && parse({}).options == RunOptions());
    const RunOptions most{8, 100000000, "s.png", 1, 10000, 5, "r.rec", "", true};
    EXPECT_TRUE(parse({"--mode", "8", "--frames=100000000", "--screenshot", "s.png", "--fixed-step",
                       "1", "--boxes", "10000", "--scene", "wall", "--record", "r.rec",
                       "--shadows"})
                    .options == most);
}
