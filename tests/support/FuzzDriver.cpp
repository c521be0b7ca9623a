// Stand-in for libFuzzer where the compiler has none: replays the seed corpus,
// then feeds mutations of it from a fixed-seed generator, so runs repeat.
// Usage: fuzzer RUNS [CORPUS_DIR...]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    long runs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    std::vector<std::vector<uint8_t>> corpus;
    for (int i = 2; i < argc; ++i) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(entry.path(), std::ios::binary);
            corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    if (corpus.empty())
        corpus.emplace_back();
    for (const auto& seed : corpus)
        LLVMFuzzerTestOneInput(seed.data(), seed.size());

    std::mt19937 rng(1);
    for (long run = 0; run < runs; ++run) {
        std::vector<uint8_t> input = corpus[rng() % corpus.size()];
        int edits = 1 + rng() % 8;
        for (int e = 0; e < edits; ++e) {
            switch (rng() % 3) {
            case 0: if (!input.empty()) input[rng() % input.size()] = uint8_t(rng()); break;
            case 1: input.insert(input.begin() + (input.empty() ? 0 : rng() % input.size()), uint8_t(rng())); break;
            case 2: if (!input.empty()) input.erase(input.begin() + rng() % input.size()); break;
            }
        }
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("fuzz: %zu seeds, %ld runs, no failure\n", corpus.size(), runs);
    return 0;
}
