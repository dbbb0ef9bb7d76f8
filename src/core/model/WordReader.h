#pragma once

// Splits a text stream into white-space separated words, one at a time, with
// bounded memory: a word longer than the cap keeps only its first characters
// and is flagged, and its numeric value is folded in as it streams past.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace korvane::model {

struct Word {
    std::string text;       // at most the reader's cap characters
    bool overlong = false;  // the word was longer than the cap; text is cut
    // Set when the whole word is an optional sign followed by decimal digits.
    // The value is the number modulo 2^32, a minus sign giving the two's
    // complement, so its low 16 or 8 bits equal those of the full number.
    std::optional<std::uint32_t> number;

    // Exact, case-sensitive; an overlong word never matches.
    [[nodiscard]] bool equals(std::string_view key) const { return !overlong && text == key; }
};

class WordReader {
public:
    WordReader(std::istream &in, std::size_t maxLength);

    // The next word, or nullopt at the end of the stream. Separators are the
    // classic white-space bytes: blank, tab, CR, LF, vertical tab, form feed.
    [[nodiscard]] std::optional<Word> next();

    // Hands the word back so that the following next() returns it again.
    void unread(Word word);

private:
    int getByte();

    std::streambuf *m_buffer;
    std::size_t m_maxLength;
    std::optional<Word> m_pending;
};

}  // namespace korvane::model
