// Reads a caption (UTF-8 bytes) from standard input and prints its stored,
// scrambled form for the program's source:
//   printf '%s' '新的标题' | cmake/wine-run build/bin/scramble_caption.exe
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <vector>

#include "app/caption.h"

int main() {
    _setmode(_fileno(stdin), _O_BINARY);
    std::vector<std::uint8_t> bytes;
    for (int c; (c = std::getchar()) != EOF;) bytes.push_back(static_cast<std::uint8_t>(c));
    if (bytes.empty()) {
        std::fputs("usage: printf '%s' CAPTION | scramble_caption.exe\n", stderr);
        return 1;
    }
    std::printf("%s\n", ToStoredHex(CaptionCipher(bytes, "")).c_str());
    return 0;
}
