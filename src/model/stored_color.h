#pragma once

#include <cstdint>

namespace quadrelle {

// A colour as the window stores it: either a fixed colour (&H00BBGGRR&) or a system colour
// (&H800000nn&, nn the index). Two colours are equal only when their stored values are, so
// the system window colour and fixed white differ even where both show white.
class StoredColor {
public:
    enum class SystemIndex : std::uint8_t { WindowBackground = 0x05, WindowText = 0x08, ButtonFace = 0x0F };

    constexpr StoredColor() = default;
    static constexpr StoredColor Fixed(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
    {
        return StoredColor(static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8
            | static_cast<std::uint32_t>(blue) << 16);
    }
    static constexpr StoredColor System(SystemIndex index)
    {
        return StoredColor(0x80000000u | static_cast<std::uint32_t>(index));
    }
    static constexpr StoredColor FromStored(std::uint32_t value) { return StoredColor(value); }

    constexpr std::uint32_t Stored() const { return value_; }
    constexpr bool IsSystem() const { return (value_ & 0x80000000u) != 0; }
    constexpr std::uint8_t SystemIndexValue() const { return static_cast<std::uint8_t>(value_ & 0xFF); }
    constexpr std::uint8_t Red() const { return static_cast<std::uint8_t>(value_ & 0xFF); }
    constexpr std::uint8_t Green() const { return static_cast<std::uint8_t>(value_ >> 8 & 0xFF); }
    constexpr std::uint8_t Blue() const { return static_cast<std::uint8_t>(value_ >> 16 & 0xFF); }

    friend constexpr bool operator==(StoredColor, StoredColor) = default;

private:
    constexpr explicit StoredColor(std::uint32_t value) : value_(value) { }
    std::uint32_t value_ = 0;
};

namespace colors {
constexpr StoredColor White = StoredColor::Fixed(0xFF, 0xFF, 0xFF);
constexpr StoredColor Black = StoredColor::Fixed(0, 0, 0);
constexpr StoredColor DarkRed = StoredColor::Fixed(192, 0, 0);
constexpr StoredColor WindowBackground = StoredColor::System(StoredColor::SystemIndex::WindowBackground);
constexpr StoredColor WindowText = StoredColor::System(StoredColor::SystemIndex::WindowText);
constexpr StoredColor ButtonFace = StoredColor::System(StoredColor::SystemIndex::ButtonFace);
} // namespace colors

} // namespace quadrelle
