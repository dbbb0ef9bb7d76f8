#include "model/WordReader.h"

#include <ios>
#include <utility>

namespace korvane::model {

namespace {

bool IsSeparator(int c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Tracks whether the characters seen so far form [+|-]digits and folds the
// digits into a value modulo 2^32; unsigned arithmetic wraps, never overflows.
class NumberScanner {
public:
    void feed(char c, bool first)
    {
        if (!m_valid) {
            return;
        }
        if (first && (c == '-' || c == '+')) {
            m_negative = c == '-';
            return;
        }
        if (c < '0' || c > '9') {
            m_valid = false;
            return;
        }
        m_value = m_value * 10u + static_cast<std::uint32_t>(c - '0');
        m_digits = true;
    }

    [[nodiscard]] std::optional<std::uint32_t> result() const
    {
        if (!m_valid || !m_digits) {
            return std::nullopt;
        }
        return m_negative ? 0u - m_value : m_value;
    }

private:
    bool m_valid = true;
    bool m_digits = false;
    bool m_negative = false;
    std::uint32_t m_value = 0;
};

}  // namespace

WordReader::WordReader(std::istream &in, std::size_t maxLength)
    : m_buffer(in.rdbuf()), m_maxLength(maxLength)
{
}

int WordReader::getByte()
{
    if (m_buffer == nullptr) {
        return std::char_traits<char>::eof();
    }
    // A failing read (a folder given as the file, an I/O error) throws from
    // inside the file buffer whatever the stream's exception mask says; it
    // ends the text like the end of the file.
    try {
        return m_buffer->sbumpc();
    } catch (const std::ios_base::failure &) {
        m_buffer = nullptr;
        return std::char_traits<char>::eof();
    }
}

std::optional<Word> WordReader::next()
{
    if (m_pending) {
        std::optional<Word> word = std::move(m_pending);
        m_pending.reset();
        return word;
    }

    constexpr int Eof = std::char_traits<char>::eof();
    int c = getByte();
    while (c != Eof && IsSeparator(c)) {
        c = getByte();
    }
    if (c == Eof) {
        return std::nullopt;
    }

    Word word;
    NumberScanner number;
    std::size_t length = 0;
    while (c != Eof && !IsSeparator(c)) {
        const char ch = static_cast<char>(c);
        number.feed(ch, length == 0);
        if (length < m_maxLength) {
            word.text += ch;
        } else {
            word.overlong = true;
        }
        ++length;
        c = getByte();
    }
    word.number = number.result();
    return word;
}

void WordReader::unread(Word word) { m_pending = std::move(word); }

}  // namespace korvane::model
