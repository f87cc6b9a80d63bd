#pragma once

// UTF-16 text, as some editors save "Unicode", turned into the UTF-8 the reader takes.

#include <cstddef>
#include <optional>
#include <string_view>

namespace quadrelle {

enum class Utf16Order : unsigned char { LittleEndian, BigEndian };

// The byte order a UTF-16 byte-order mark at the start of `text` names; none without one.
std::optional<Utf16Order> Utf16ByteOrderMark(std::string_view text);

// UTF-16 to UTF-8 a piece at a time; a unit or a surrogate pair split between pieces waits for
// the rest. Unpaired surrogates become U+FFFD.
class Utf16Decoder {
public:
    explicit Utf16Decoder(Utf16Order order) : order_(order) { }

    // The most UTF-8 bytes that `size` bytes of UTF-16 give (with what waits from before).
    static constexpr std::size_t MostOutput(std::size_t size) { return (size + 4) / 2 * 3; }

    // Writes the UTF-8 of `bytes` to `out`, which holds MostOutput(bytes.size()); returns its length.
    std::size_t Decode(std::string_view bytes, char *out);

private:
    Utf16Order order_;
    // A byte waiting for the other half of its unit.
    std::optional<unsigned char> odd_;
    // A high surrogate waiting for its low one.
    char16_t high_ = 0;
};

} // namespace quadrelle
