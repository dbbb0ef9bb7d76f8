// libFuzzer entry: the bytes go to the parameter file reader and to the
// snapshot reader; any broken invariant aborts so that the fuzzer keeps the input.

#include "model/ParameterFile.h"
#include "model/Snapshot.h"
#include "model/ValueLimits.h"

#include "FileLayout.h"
#include "ImageInvariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

using namespace korvane::model;

void Require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

ConfigImage PatternImage()
{
    ConfigImage image;
    for (std::size_t i = 0; i < ImageSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    return image;
}

std::string Written(const ConfigImage &image, bool extMonitor)
{
    std::ostringstream out(std::ios::binary);
    WriteParameterFile(out, image, extMonitor);
    return out.str();
}

void CheckParameterFile(const std::string &text)
{
    const ConfigImage before = PatternImage();
    ConfigImage image = before;
    bool extMonitor = true;
    std::istringstream in(text, std::ios::binary);
    if (!ReadParameterFile(in, image, extMonitor)) {
        Require(image == before && extMonitor, "an unmatched file changed the image");
        return;
    }
    for (std::size_t offset = 0; offset < ImageSize; ++offset) {
        Require(test::CarriedByFile(offset) || image[offset] == before[offset], "a byte not in the file changed");
    }
    NormaliseImage(image);
    Require(static_cast<bool>(test::SatisfiesValueLimits(image)), "value limits after normalising");
    ConfigImage twice = image;
    NormaliseImage(twice);
    Require(twice == image, "normalising twice differs");

    // What is saved reads back to the same file.
    const std::string saved = Written(image, extMonitor);
    ConfigImage reread = PatternImage();
    bool rereadExt = !extMonitor;
    std::istringstream again(saved, std::ios::binary);
    Require(ReadParameterFile(again, reread, rereadExt), "a saved file is not accepted");
    Require(Written(reread, rereadExt) == saved, "save, open, save differs");
}

void CheckSnapshot(const std::string &text)
{
    ConfigImage image = PatternImage();
    AllFlags flags{};
    std::istringstream in(text, std::ios::binary);
    Require(ReadSnapshot(in, image, flags) <= ImageSize + flags.size(), "snapshot count");
    NormaliseImage(image);
    Require(static_cast<bool>(test::SatisfiesValueLimits(image)), "value limits after a snapshot");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    CheckParameterFile(text);
    CheckSnapshot(text);
    std::istringstream marker(text, std::ios::binary);
    (void)ReadDiagnosticMarker(marker);
    return 0;
}
