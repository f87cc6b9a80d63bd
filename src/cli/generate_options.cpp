#include "cli/generate_options.h"

#include "cli/command_line.h"

#include <charconv>
#include <optional>
#include <string>

namespace quadrelle {

namespace {

std::uint64_t ParseWhole(std::string_view option, std::string_view text, std::uint64_t lowest)
{
    std::uint64_t value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < lowest)
        throw UsageError(std::string(option) + " wants a whole number from " + std::to_string(lowest)
            + " upwards, not '" + std::string(text) + "'");
    return value;
}

// "3", "3.5": tenths, or nothing when the text is not such a number.
std::optional<int> ParseTenths(std::string_view text)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    int units = 0;
    const auto [ptr, ec] = std::from_chars(whole.data(), whole.data() + whole.size(), units);
    if (whole.empty() || ec != std::errc() || ptr != whole.data() + whole.size() || units > 100)
        return std::nullopt;
    if (point == std::string_view::npos)
        return units * 10;
    const std::string_view tenth = text.substr(point + 1);
    if (tenth.size() != 1 || tenth[0] < '0' || tenth[0] > '9')
        return std::nullopt;
    return units * 10 + (tenth[0] - '0');
}

generate::RatingRange ParseRatingRange(std::string_view text)
{
    const std::size_t dash = text.find('-');
    const auto lowest = ParseTenths(text.substr(0, dash));
    const auto highest = dash == std::string_view::npos ? std::nullopt : ParseTenths(text.substr(dash + 1));
    if (!lowest || !highest || *lowest > *highest)
        throw UsageError("--rating wants a range LO-HI such as 2.0-3.5 (ratings in tenths, LO up to HI), not '"
            + std::string(text) + "'");
    return {*lowest, *highest};
}

generate::Symmetry ParseSymmetry(std::string_view text)
{
    if (const auto symmetry = generate::SymmetryNamed(text))
        return *symmetry;
    throw UsageError("--symmetry wants none, central, diagonal or mirror, not '" + std::string(text) + "'");
}

void NoteOption(GenerateRequest &request, std::string_view option)
{
    if (request.firstOption.empty())
        request.firstOption = option;
}

std::string Tenths(int tenths)
{
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

} // namespace

void ApplyGenerateOption(std::string_view option, const char *value, GenerateRequest &request)
{
    if (option == "--generate") {
        request.count = ParseWhole(option, value, 1);
        return;
    }
    NoteOption(request, option);
    if (option == "--seed")
        request.seed = ParseWhole(option, value, 0);
    else if (option == "--symmetry")
        request.options.symmetry = ParseSymmetry(value);
    else if (option == "--rating")
        request.rating = ParseRatingRange(value);
    else
        request.options.minimal = false;
}

void CheckRatingRange(const generate::RatingRange &range)
{
    std::optional<generate::RatingRange> below, above;
    for (const generate::RatingRange &reachable : generate::ReachableRatings()) {
        if (reachable.lowest <= range.highest && range.lowest <= reachable.highest)
            return;
        if (reachable.highest < range.lowest)
            below = reachable;
        else if (!above)
            above = reachable;
    }
    const auto named = [](const generate::RatingRange &r) {
        return r.lowest == r.highest ? Tenths(r.lowest) : Tenths(r.lowest) + "-" + Tenths(r.highest);
    };
    std::string nearest;
    if (below)
        nearest = named(*below) + " below it";
    if (below && above)
        nearest += " and ";
    if (above)
        nearest += named(*above) + " above it";
    throw UsageError("no puzzle can be rated " + Tenths(range.lowest) + "-" + Tenths(range.highest)
        + ": the nearest ratings a puzzle can have are " + nearest);
}

} // namespace quadrelle
