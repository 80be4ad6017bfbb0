#include "LineDifference.h"

#include <algorithm>
#include <cstdint>

namespace icfdump {

namespace {

using Lines = std::vector<std::string>;

// Matching the changed middle of two lists takes a table of one count per
// pair of lines. Past this many pairs the middle is shown as removed and
// added whole: still a true difference, only not the shortest, and the
// memory stays bounded however long the listings are.
constexpr size_t kMaxComparedPairs = size_t(1) << 22;

enum class Edit : char { Keep = ' ', Remove = '-', Add = '+' };

// The shortest edit of a[first, first + n) into b[first, first + m).
void appendMatchedEdits(const Lines& a, const Lines& b, size_t first, size_t n, size_t m, std::vector<Edit>& edits)
{
    const size_t width = m + 1;
    // common[i * width + j]: the longest common subsequence of a and b from
    // the i-th and j-th lines of the middle on.
    std::vector<uint32_t> common((n + 1) * width, 0);
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            common[i * width + j] = a[first + i] == b[first + j]
                                        ? common[(i + 1) * width + j + 1] + 1
                                        : std::max(common[(i + 1) * width + j], common[i * width + j + 1]);
    size_t i = 0;
    size_t j = 0;
    while (i < n && j < m) {
        if (a[first + i] == b[first + j]) {
            edits.push_back(Edit::Keep);
            ++i;
            ++j;
        } else if (common[(i + 1) * width + j] >= common[i * width + j + 1]) {
            edits.push_back(Edit::Remove);
            ++i;
        } else {
            edits.push_back(Edit::Add);
            ++j;
        }
    }
    edits.insert(edits.end(), n - i, Edit::Remove);
    edits.insert(edits.end(), m - j, Edit::Add);
}

std::vector<Edit> editScript(const Lines& a, const Lines& b)
{
    size_t prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    const size_t n = a.size() - prefix - suffix;
    const size_t m = b.size() - prefix - suffix;
    std::vector<Edit> edits(prefix, Edit::Keep);
    if (n + 1 <= kMaxComparedPairs / (m + 1)) {
        appendMatchedEdits(a, b, prefix, n, m, edits);
    } else {
        edits.insert(edits.end(), n, Edit::Remove);
        edits.insert(edits.end(), m, Edit::Add);
    }
    edits.insert(edits.end(), suffix, Edit::Keep);
    return edits;
}

std::string hunkRange(char sign, size_t before, size_t count)
{
    // An empty range names the line after which it stands.
    return sign + std::to_string(count ? before + 1 : before) + ',' + std::to_string(count);
}

} // namespace

std::string lineDifference(const Lines& expected, const Lines& actual, size_t context)
{
    const std::vector<Edit> edits = editScript(expected, actual);
    // Lines of each list before each edit.
    std::vector<size_t> expectedBefore{0};
    std::vector<size_t> actualBefore{0};
    for (const Edit edit : edits) {
        expectedBefore.push_back(expectedBefore.back() + (edit != Edit::Add));
        actualBefore.push_back(actualBefore.back() + (edit != Edit::Remove));
    }
    std::string text;
    size_t k = 0;
    while (k < edits.size()) {
        if (edits[k] == Edit::Keep) {
            ++k;
            continue;
        }
        const size_t start = k > context ? k - context : 0;
        size_t lastChange = k;
        for (size_t j = k; j < edits.size() && j - lastChange <= 2 * context + 1; ++j)
            if (edits[j] != Edit::Keep)
                lastChange = j;
        const size_t end = std::min(lastChange + context + 1, edits.size());
        if (text.empty())
            text = "--- expected\n+++ actual\n";
        text += "@@ " + hunkRange('-', expectedBefore[start], expectedBefore[end] - expectedBefore[start]) + ' ' +
                hunkRange('+', actualBefore[start], actualBefore[end] - actualBefore[start]) + " @@\n";
        for (size_t i = start; i < end; ++i) {
            const std::string& line = edits[i] == Edit::Add ? actual[actualBefore[i]] : expected[expectedBefore[i]];
            text += static_cast<char>(edits[i]) + line + '\n';
        }
        k = end;
    }
    return text;
}

} // namespace icfdump
