#pragma once

#include <QUrl>

#include <functional>

namespace quadrelle {

inline constexpr char HomePageAddress[] = "https://quadrelle.org/";

// Opens the home page at about one start in a hundred.
class HomePageVisit {
public:
    // A fraction 0 <= f < 1; the real one is seeded from the time of day.
    using RandomSource = std::function<double()>;
    // Starts the browser without waiting; false when it could not be started.
    using Opener = std::function<bool(const QUrl &)>;

    HomePageVisit(RandomSource random, Opener open) : random_(std::move(random)), open_(std::move(open)) { }

    // The real source and opener: a fresh seed each start, the desktop's URL handler.
    static RandomSource TimeSeededRandom();
    static Opener DesktopOpener();

    // Draws n in 1..100 and opens the page when n is 7. Throws "File not found" when the
    // browser cannot be started.
    void MaybeVisit();

private:
    RandomSource random_;
    Opener open_;
};

} // namespace quadrelle
