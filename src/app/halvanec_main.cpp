// halvanec: the console companion of Halvane.
#include <cstdio>
#include <cstring>

namespace {
void printHelp() {
    std::puts(
        "Usage: halvanec [--help]\n"
        "  --help   show this text");
}
}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        printHelp();
        return 0;
    }
    if (argc > 1) {
        std::fprintf(stderr, "halvanec: unknown argument '%s' (try --help)\n", argv[1]);
        return 2;
    }
    printHelp();
    return 0;
}
