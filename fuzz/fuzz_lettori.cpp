// Feeds arbitrary bytes to the file readers. The first byte picks the reader
// so that one corpus exercises all of them.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "io/BinaryReader.h"
#include "io/Cp1252.h"
#include "io/Real48.h"
#include "io/ShortString.h"
#include "io/TextList.h"

namespace {

void readPrimitives(ludo::io::BinaryReader& r) {
    std::uint32_t mask = 0;
    std::int32_t number = 0;
    double real = 0;
    std::string text;
    std::vector<std::string> lines;
    while (r.ok()) {
        r.read(mask);
        r.read(number);
        ludo::io::readReal48(r, real);
        ludo::io::readShortString(r, 20, text);
        ludo::io::readTextList(r, lines);
        r.read(real);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::istringstream in(bytes, std::ios::binary);
    ludo::io::BinaryReader r(in);
    std::vector<std::string> lines;
    std::string text;
    switch (data[0] % 4) {
        case 0:
            readPrimitives(r);
            break;
        case 1:
            ludo::io::readTextList(r, lines);
            break;
        case 2:
            ludo::io::readShortString(r, 255, text);
            break;
        default:
            ludo::io::utf8ToCp1252(ludo::io::cp1252ToUtf8(bytes));
            ludo::io::utf8ToCp1252(bytes);
            break;
    }
    return 0;
}
