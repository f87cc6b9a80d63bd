// Rates a collection on one thread and prints puzzles per second; where the lines carry a
// published rating (the last field), also how well ours agrees: same whole-point band, within
// 0.2, exactly equal, and the rank correlation (Spearman).
//
//   rating_agreement FILE [se|sukaku] [EFFORT] [MAX_PUZZLES]
//
// EFFORT is in thousandths of the default.
//
// RATING_DETAIL=1 adds the count per published score, our score and hardest technique;
// RATING_DUMP=PATH writes one line per puzzle: published, ours, technique, puzzle.

#include "logic/rating.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Row {
    std::array<std::uint8_t, 81> cells {};
    double published = -1;
};

std::vector<Row> Read(const char *path, std::size_t most)
{
    std::ifstream in(path);
    std::vector<Row> rows;
    std::string line;
    while (rows.size() < most && std::getline(in, line)) {
        std::istringstream fields(line);
        std::string field, puzzle, last;
        while (fields >> field) {
            if (puzzle.empty() && field.size() >= 81)
                puzzle = field.substr(0, 81);
            last = field;
        }
        if (puzzle.size() != 81)
            continue;
        Row row;
        for (int i = 0; i < 81; ++i)
            row.cells[i] = static_cast<std::uint8_t>(puzzle[i] >= '1' && puzzle[i] <= '9' ? puzzle[i] - '0' : 0);
        if (last != puzzle && last.find_first_not_of("0123456789.") == std::string::npos && last.size() <= 4)
            row.published = std::stod(last);
        rows.push_back(row);
    }
    return rows;
}

std::vector<double> Ranks(const std::vector<double> &values)
{
    std::vector<std::size_t> order(values.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
    std::vector<double> ranks(values.size());
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i;
        while (j < order.size() && values[order[j]] == values[order[i]])
            ++j;
        for (std::size_t k = i; k < j; ++k)
            ranks[order[k]] = (static_cast<double>(i + j) - 1) / 2;
        i = j;
    }
    return ranks;
}

double Pearson(const std::vector<double> &x, const std::vector<double> &y)
{
    const double n = static_cast<double>(x.size());
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < x.size(); ++i)
        mx += x[i] / n, my += y[i] / n;
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxy / std::sqrt(sxx * syy);
}

int Band(int tenths) { return std::min(tenths / 10, 9); }

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::cerr << "usage: rating_agreement FILE [se|sukaku] [EFFORT] [MAX_PUZZLES]\n";
        return 2;
    }
    quadrelle::RatingLimits limits;
    if (argc > 2) {
        const std::optional<quadrelle::Scale> scale = quadrelle::ScaleNamed(argv[2]);
        if (!scale) {
            std::cerr << "rating_agreement: no scale '" << argv[2] << "'\n";
            return 2;
        }
        limits.scale = *scale;
    }
    if (argc > 3)
        limits.effort = quadrelle::DefaultEffort * std::stoull(argv[3]) / 1000;
    const std::vector<Row> rows = Read(argv[1], argc > 4 ? std::stoul(argv[4]) : SIZE_MAX);

    std::vector<double> ours, theirs;
    long band = 0, near = 0, exact = 0, lower = 0, unrated = 0;
    std::map<std::string, long> hardest;
    std::map<std::pair<int, int>, long> confusion;
    std::map<std::pair<int, std::string>, long> hardestByBand;
    // Published score -> puzzles, and those we gave exactly.
    std::map<int, std::pair<long, long>> byPublished;
    double slowest = 0;
    std::uint64_t slowestWork = 0, mostWork = 0, totalWork = 0;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    // One line per puzzle for a closer look at the disagreements: published, ours, technique, puzzle.
    std::ofstream dump;
    if (const char *path = std::getenv("RATING_DUMP"))
        dump.open(path);
    for (const Row &row : rows) {
        const auto puzzleStart = std::chrono::steady_clock::now();
        const quadrelle::Rating rating = quadrelle::RatePuzzle(row.cells, limits);
        const double puzzleSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - puzzleStart).count();
        if (puzzleSeconds > slowest) {
            slowest = puzzleSeconds;
            slowestWork = rating.work;
        }
        mostWork = std::max(mostWork, rating.work);
        totalWork += rating.work;
        if (rating.status == quadrelle::Rating::Status::NotUnique) {
            ++unrated;
            continue;
        }
        lower += rating.status == quadrelle::Rating::Status::LowerBound;
        ++hardest[std::string(rating.hardest)];
        if (row.published < 0)
            continue;
        const int published = static_cast<int>(std::lround(row.published * 10));
        if (dump.is_open()) {
            dump << published << ' ' << rating.tenths << ' ' << rating.hardest << '\t';
            for (const std::uint8_t v : row.cells)
                dump << static_cast<char>('0' + v);
            dump << '\n';
        }
        ours.push_back(rating.tenths);
        theirs.push_back(published);
        band += Band(rating.tenths) == Band(published);
        near += std::abs(rating.tenths - published) <= 2;
        exact += rating.tenths == published;
        ++confusion[{Band(published), Band(rating.tenths)}];
        ++hardestByBand[{published, std::to_string(rating.tenths) + " " + std::string(rating.hardest)}];
        ++byPublished[published].first;
        byPublished[published].second += rating.tenths == published;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

    // CPU time too: on a busy machine the wall clock counts the other processes' turns.
    std::printf("%zu puzzles in %.2f s (%.2f s of CPU): %.0f puzzles/s, %.0f per CPU second (one thread); "
                "%ld lower bounds, %ld not unique\n",
        rows.size(), seconds, cpu, static_cast<double>(rows.size()) / seconds, static_cast<double>(rows.size()) / cpu,
        lower, unrated);
    std::printf("slowest puzzle %.3f s (%.2f of the default effort); most work %.2f of the default effort; "
                "%.1f million work units a CPU second\n",
        slowest, static_cast<double>(slowestWork) / quadrelle::DefaultEffort,
        static_cast<double>(mostWork) / quadrelle::DefaultEffort, static_cast<double>(totalWork) / cpu / 1e6);
    for (const auto &[name, n] : hardest)
        std::printf("  hardest %-45s %ld\n", name.c_str(), n);
    if (ours.empty())
        return 0;
    const double n = static_cast<double>(ours.size());
    std::printf("agreement over %zu published ratings: same band %.1f %%, within 0.2 %.1f %%, exact %.1f %%, "
                "Spearman %.3f\n",
        ours.size(), 100 * band / n, 100 * near / n, 100 * exact / n, Pearson(Ranks(ours), Ranks(theirs)));
    std::printf("bands (published -> ours):\n");
    for (const auto &[bands, count] : confusion)
        std::printf("  %d.x -> %d.x  %ld\n", bands.first, bands.second, count);
    // Per published score, so that a score that never comes out shows at once.
    std::printf("exact per published score (published: exact of puzzles):\n ");
    int column = 0;
    for (const auto &[published, counts] : byPublished) {
        std::printf(" %d.%d: %ld/%ld", published / 10, published % 10, counts.second, counts.first);
        if (++column % 8 == 0)
            std::printf("\n ");
    }
    std::printf("\n");
    if (std::getenv("RATING_DETAIL"))
        for (const auto &[key, count] : hardestByBand)
            std::printf("  published %d: ours %s  %ld\n", key.first, key.second.c_str(), count);
    return 0;
}
