// Replays kept fuzz inputs without the fuzzer, so that any compiler and the
// sanitized build run them as an ordinary test. Arguments: files or folders.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti);

namespace {

void Ripeti(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> dati{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(dati.data(), dati.size());
}

} // namespace

int main(int argc, char** argv) {
    int quanti = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path percorso(argv[i]);
        if (!std::filesystem::exists(percorso)) {
            std::cerr << "no such input: " << percorso << '\n';
            return 2;
        }
        if (!std::filesystem::is_directory(percorso)) {
            Ripeti(percorso);
            ++quanti;
            continue;
        }
        for (const auto& voce : std::filesystem::directory_iterator(percorso)) {
            // Dot files only keep an empty folder in the repository.
            if (voce.is_regular_file() && voce.path().filename().string()[0] != '.') {
                Ripeti(voce.path());
                ++quanti;
            }
        }
    }
    std::cout << "replayed " << quanti << " inputs\n";
    return quanti > 0 ? 0 : 1;
}
