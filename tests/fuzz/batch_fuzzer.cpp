// The batch driver over any input: the same result lines and counts whatever the number of jobs
// and the read-ahead, in either mode. Zero bytes split the input into several inputs; the first
// byte picks the mode, the jobs and the read-ahead (1 to 9 lines) to compare with one job
// answering line by line. Either answers each puzzle the file reader finds, no more, no fewer.
#include "fuzz_check.h"

#include "cli/batch.h"
#include "formats/puzzle_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace quadrelle;

namespace {

// Low enough that a give-up costs milliseconds under the sanitizers.
constexpr std::int32_t Budget = 2000;

struct Run {
    std::string out;
    BatchCounts counts;
};

Run RunWith(const std::vector<std::string> &texts, BatchMode mode, unsigned jobs, std::size_t readAhead)
{
    std::vector<std::unique_ptr<std::istringstream>> streams;
    std::vector<std::istream *> inputs;
    for (const std::string &text : texts) {
        streams.push_back(std::make_unique<std::istringstream>(text));
        inputs.push_back(streams.back().get());
    }
    std::ostringstream out;
    std::ostringstream messages;
    BatchOptions options;
    options.mode = mode;
    options.jobs = jobs;
    options.readAhead = readAhead;
    options.placementLimit = Budget;
    Run run;
    run.counts = RunBatch(inputs, out, messages, options);
    run.out = out.str();
    return run;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const BatchMode mode = (data[0] & 2) != 0 ? BatchMode::Count : BatchMode::Solve;
    const unsigned jobs = 2 + data[0] % 3;
    const std::size_t readAhead = 1 + (data[0] >> 2) % 9;
    const std::string_view text(reinterpret_cast<const char *>(data) + 1, size - 1);
    std::vector<std::string> texts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\0', start);
        texts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }

    const Run one = RunWith(texts, mode, 1, 1);
    const Run many = RunWith(texts, mode, jobs, readAhead);
    FUZZ_CHECK(many.out == one.out);
    FUZZ_CHECK(many.counts.verdicts == one.counts.verdicts);
    FUZZ_CHECK(many.counts.readErrors == 0 && one.counts.readErrors == 0);
    FUZZ_CHECK(!many.counts.writeFailed && !one.counts.writeFailed);
    // One result line per answered puzzle line, and one answer per puzzle the reader finds.
    FUZZ_CHECK(static_cast<long>(std::count(one.out.begin(), one.out.end(), '\n')) == one.counts.total());
    std::size_t found = 0;
    for (const std::string &input : texts)
        found += ReadPuzzles(input).size();
    FUZZ_CHECK(one.counts.total() == static_cast<long>(found));
    return 0;
}
