#include "cli/answer_fields.h"

#include <charconv>
#include <vector>

namespace quadrelle {

namespace {

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    for (std::size_t start = 0; start < line.size();) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// A word, or nothing past the last.
std::string_view At(const std::vector<std::string_view> &words, std::size_t i)
{
    return i < words.size() ? words[i] : std::string_view();
}

void TakeSolve(AnswerFields &fields, const std::vector<std::string_view> &words)
{
    std::int32_t placements = 0;
    const std::string_view count = At(words, 1);
    std::from_chars(count.data(), count.data() + count.size(), placements);
    fields.placements = placements;
    (fields.status == "invalid" ? fields.reason : fields.grid) = At(words, 2);
}

void TakeVerdict(AnswerFields &fields, std::string_view summary, const std::vector<std::string_view> &words)
{
    if (fields.status == "invalid") {
        fields.reason = At(words, 1);
    } else if (fields.status == "rated" && words.size() >= 4) {
        fields.score = words[1];
        fields.grid = words.back();
        const std::size_t from = static_cast<std::size_t>(words[2].data() - summary.data());
        const std::size_t to = static_cast<std::size_t>(words.back().data() - summary.data()) - 1;
        fields.technique = summary.substr(from, to - from);
    } else {
        fields.grid = At(words, 1);
        fields.second = At(words, 2);
    }
}

} // namespace

AnswerFields FieldsOf(std::string_view text, BatchMode mode)
{
    // A hint is the first step alone, on a line of its own.
    const std::string_view first = text.substr(0, text.find(' '));
    if (mode == BatchMode::Hint && first.find('=') != std::string_view::npos) {
        AnswerFields fields;
        fields.counting = true;
        fields.status = "hint";
        fields.steps = text;
        return fields;
    }
    while (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    const std::size_t lastLine = text.rfind('\n');
    const std::string_view summary = lastLine == std::string_view::npos ? text : text.substr(lastLine + 1);
    AnswerFields fields;
    fields.counting = mode != BatchMode::Solve;
    if (lastLine != std::string_view::npos)
        fields.steps = text.substr(0, lastLine + 1);
    const std::vector<std::string_view> words = Words(summary);
    fields.status = At(words, 0);
    if (fields.counting)
        TakeVerdict(fields, summary, words);
    else
        TakeSolve(fields, words);
    return fields;
}

} // namespace quadrelle
