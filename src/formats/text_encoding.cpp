#include "formats/text_encoding.h"

namespace quadrelle {

namespace {

char *PutUtf8(char32_t code, char *out)
{
    if (code < 0x80) {
        *out++ = static_cast<char>(code);
    } else if (code < 0x800) {
        *out++ = static_cast<char>(0xC0 | (code >> 6));
        *out++ = static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (code >> 12));
        *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (code & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (code >> 18));
        *out++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

constexpr char32_t Replacement = 0xFFFD;

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace

std::optional<Utf16Order> Utf16ByteOrderMark(std::string_view text)
{
    if (text.starts_with("\xFF\xFE"))
        return Utf16Order::LittleEndian;
    if (text.starts_with("\xFE\xFF"))
        return Utf16Order::BigEndian;
    return std::nullopt;
}

std::size_t Utf16Decoder::Decode(std::string_view bytes, char *out)
{
    char *const start = out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        unsigned char first = 0;
        if (odd_) {
            first = *odd_;
            odd_.reset();
        } else {
            first = static_cast<unsigned char>(bytes[i++]);
            if (i == bytes.size()) {
                odd_ = first;
                break;
            }
        }
        const auto second = static_cast<unsigned char>(bytes[i++]);
        const auto unit = static_cast<char16_t>(
            order_ == Utf16Order::LittleEndian ? first | (second << 8) : (first << 8) | second);
        if (high_ != 0) {
            const char16_t high = high_;
            high_ = 0;
            if (IsLow(unit)) {
                out = PutUtf8(0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (unit - 0xDC00), out);
                continue;
            }
            out = PutUtf8(Replacement, out);
        }
        if (IsHigh(unit))
            high_ = unit;
        else
            out = PutUtf8(IsLow(unit) ? Replacement : unit, out);
    }
    return static_cast<std::size_t>(out - start);
}

} // namespace quadrelle
