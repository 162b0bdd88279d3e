// Replays a fuzz target's saved inputs without libFuzzer: every file of the
// folders (or the files) named on the command line goes once through the
// target, so that an input that once crashed it stays part of the tests.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

void rigioca(const std::filesystem::path& file) {
    std::ifstream ingresso(file, std::ios::binary);
    const std::vector<char> dati{std::istreambuf_iterator<char>(ingresso),
                                 std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(dati.data()), dati.size());
}

} // namespace

int main(int argc, char** argv) {
    // A target may change the current folder when it starts.
    std::vector<std::filesystem::path> percorsi;
    for (int i = 1; i < argc; ++i)
        percorsi.push_back(std::filesystem::absolute(argv[i]));
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    std::size_t rigiocati = 0;
    for (const std::filesystem::path& percorso : percorsi) {
        if (std::filesystem::is_directory(percorso)) {
            for (const auto& voce : std::filesystem::directory_iterator(percorso))
                if (voce.is_regular_file()) {
                    rigioca(voce.path());
                    ++rigiocati;
                }
        } else {
            rigioca(percorso);
            ++rigiocati;
        }
    }
    std::printf("%zu ingressi rigiocati\n", rigiocati);
    return rigiocati ? 0 : 1;
}
