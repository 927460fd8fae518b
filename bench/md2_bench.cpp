// Loading the test model's MD2 file through the model class (without its
// skin) against only reading the file's bytes into memory.
#include "bench/ratio.h"
#include "io/file_bytes.h"
#include "render/md2.h"

namespace {

const char* const kModel = "data/models/gem.md2";

void loadMesh(benchmark::State& state) {
    for (auto _ : state) {
        CMD2Model model;
        benchmark::DoNotOptimize(model.LoadMesh(kModel));
    }
}

void readBytes(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ReadFileBytes(kModel, kMaxModelFile).data);
}

const bool added =
    varne_bench::check("the test model loads", [] { return CMD2Model().LoadMesh(kModel); }) &&
    varne_bench::compare("md2_vs_read", loadMesh, readBytes);

}  // namespace
