#include "model/Snapshot.h"

#include "model/WordReader.h"

#include <cstdio>
#include <fstream>

namespace korvane::model {

namespace {

// Words beyond this length are cut; such a word is never the marker, and a
// number keeps its full value because digits are folded in as they stream by.
constexpr std::size_t MaxWordLength = 255;
constexpr std::string_view MarkerWord = "DIAG_UNLOCK";

void WriteField(std::ostream &out, unsigned value)
{
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%5u ", value);
    out.write(text, length);
}

}  // namespace

void WriteSnapshot(std::ostream &out, const ConfigImage &image, const AllFlags &flags)
{
    for (std::size_t i = 0; i < ImageSize; ++i) {
        WriteField(out, image[i]);
        if (i % 10 == 9) {
            out << "\r\n";
        }
        if (i % BlockSize == BlockSize - 1) {
            out << "\r\n";
        }
    }
    for (std::uint8_t flag : flags) {
        WriteField(out, flag);
    }
}

std::size_t ReadSnapshot(std::istream &in, ConfigImage &image, AllFlags &flags)
{
    WordReader words(in, MaxWordLength);
    const std::size_t total = ImageSize + flags.size();
    std::size_t count = 0;
    while (count < total) {
        const std::optional<Word> word = words.next();
        // Stopping at the first non-number keeps the remaining bytes as they
        // were rather than smearing the last number over them. A leading minus
        // gives the two's complement, as in the parameter file.
        if (!word || !word->number) {
            break;
        }
        const auto byte = static_cast<std::uint8_t>(*word->number & 0xFFu);
        if (count < ImageSize) {
            image[count] = byte;
        } else {
            flags[count - ImageSize] = byte;
        }
        ++count;
    }
    return count;
}

bool ReadDiagnosticMarker(std::istream &in)
{
    WordReader words(in, MaxWordLength);
    while (const std::optional<Word> word = words.next()) {
        if (word->equals(MarkerWord)) {
            return true;
        }
    }
    return false;
}

bool ReadDiagnosticMarker(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    return ReadDiagnosticMarker(in);
}

}  // namespace korvane::model
