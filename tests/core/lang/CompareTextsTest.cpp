#include "lang/CompareTexts.h"
#include "lang/Texts.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace korvane::lang {
namespace {

// Every row in four languages, each translation with the placeholders of the English one.
TEST(CompareTexts, EveryLanguageHasTheTextAndItsPlaceholders)
{
    for (std::size_t id = 0; id < static_cast<std::size_t>(CompareTextId::Count); ++id) {
        const auto text = static_cast<CompareTextId>(id);
        const std::string english = CompareText(text, English, {"\x01", "\x02"});
        for (std::uint8_t language = 0; language < LanguageCount; ++language) {
            const std::string filled = CompareText(text, language, {"\x01", "\x02"});
            EXPECT_FALSE(filled.empty()) << id << ' ' << int(language);
            EXPECT_EQ(filled.find('%'), std::string::npos) << filled;
            EXPECT_EQ(filled.find('\x01') != std::string::npos, english.find('\x01') != std::string::npos) << filled;
            EXPECT_EQ(filled.find('\x02') != std::string::npos, english.find('\x02') != std::string::npos) << filled;
        }
    }
    EXPECT_EQ(CompareText(CompareTextId::PageChanges, Czech, {"Předstih", "3"}), "Předstih: počet změn 3");
    EXPECT_EQ(CompareText(CompareTextId::Byte, 9), "byte %1") << "an unknown language reads as English";
}

}  // namespace
}  // namespace korvane::lang
