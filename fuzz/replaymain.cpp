// Replays a fuzz target's inputs without libFuzzer: every file named on the
// command line, and every file below every folder named there, goes once
// through LLVMFuzzerTestOneInput, in name order. A broken property or a crash
// ends the run like any failing test; so does an empty set of inputs, which
// would mean that the corpus went missing. The slowest input is named at the
// end, with its time, to be judged by a person (the machine may be busy).
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> inputsBelow(const fs::path &argument)
{
    std::vector<fs::path> inputs;
    if (fs::is_directory(argument)) {
        for (const fs::directory_entry &entry : fs::recursive_directory_iterator(argument)) {
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        }
        std::sort(inputs.begin(), inputs.end());
    } else if (fs::is_regular_file(argument)) {
        inputs.push_back(argument);
    } else {
        std::fprintf(stderr, "no such input: %s\n", argument.c_str());
    }
    return inputs;
}

} // namespace

int main(int argc, char **argv)
{
    std::size_t replayed = 0;
    std::chrono::duration<double, std::milli> slowest{0};
    fs::path slowestInput;
    for (int i = 1; i < argc; ++i) {
        const std::vector<fs::path> inputs = inputsBelow(argv[i]);
        if (inputs.empty())
            return 1;
        for (const fs::path &input : inputs) {
            std::ifstream file(input, std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
            if (!file.good() && !file.eof()) {
                std::fprintf(stderr, "cannot read %s\n", input.c_str());
                return 1;
            }
            // A copy of exactly the input's size, so that an address sanitizer
            // sees any read past its end.
            const std::vector<uint8_t> data(bytes.begin(), bytes.end());
            std::printf("%s\n", input.c_str());
            std::fflush(stdout);
            const auto start = std::chrono::steady_clock::now();
            LLVMFuzzerTestOneInput(data.empty() ? nullptr : data.data(), data.size());
            const auto took = std::chrono::steady_clock::now() - start;
            if (took > slowest) {
                slowest = took;
                slowestInput = input;
            }
            ++replayed;
        }
    }
    std::printf("replayed %zu inputs; slowest %.0f ms: %s\n", replayed, slowest.count(),
                slowestInput.c_str());
    return replayed > 0 ? 0 : 1;
}
