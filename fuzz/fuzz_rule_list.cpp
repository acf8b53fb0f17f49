// libFuzzer target for the run rules: the input's first line is a rule-list
// text as given to rules=, the rest a chart's values and lines. A text is
// either refused with the rule-list message or read to a set that "all" or its
// own numbers give back; the rules flag only counted points, in order, each
// with the chosen rules' numbers in ascending order, whatever the numbers
// (infinities, NaN, reversed or equal lines included).
#include "analysis/control/RunRules.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t eol = bytes.find('\n');
    const std::string_view text = bytes.substr(0, eol);
    const zel::Result<zel::RuleSet> read = zel::parseRuleSet(text);
    zel::RuleSet rules = zel::RuleSet::all();
    if (!read.isOk()) {
        if (read.status().message().find("判定ルール") == std::string::npos) std::abort();
    } else {
        rules = *read;
        if (rules.empty()) std::abort();
        // The set's own numbers read back to the same set.
        std::string numbers;
        for (int r = 1; r <= zel::kRunRuleCount; ++r)
            if (rules.contains(static_cast<zel::RunRule>(r)))
                numbers += (numbers.empty() ? "" : ",") + std::to_string(r);
        const zel::Result<zel::RuleSet> again = zel::parseRuleSet(numbers);
        if (!again.isOk() || !(*again == rules)) std::abort();
    }
    if (eol == std::string_view::npos) return 0;

    // The rest: one byte for the first counted point and whether the lines vary,
    // then doubles: values, and per point CL, UCL, LCL when they vary.
    const std::string_view rest = bytes.substr(eol + 1);
    if (rest.empty()) return 0;
    const auto flags = static_cast<unsigned char>(rest[0]);
    const bool varying = flags & 0x80u;
    std::vector<double> numbers((rest.size() - 1) / sizeof(double));
    if (!numbers.empty()) std::memcpy(numbers.data(), rest.data() + 1, numbers.size() * sizeof(double));
    zel::RunRuleInput in;
    in.firstPoint = flags & 0x3u;
    const std::size_t per = varying ? 4 : 1;
    const std::size_t fixed = varying ? 0 : 3;
    if (numbers.size() < fixed) return 0;
    for (std::size_t i = 0; i < fixed; ++i)
        in.lines[i] = numbers[i];
    for (std::size_t i = fixed; i + per <= numbers.size(); i += per) {
        in.values.push_back(numbers[i]);
        if (varying) {
            in.centre.push_back(numbers[i + 1]);
            in.upper.push_back(numbers[i + 2]);
            in.lower.push_back(numbers[i + 3]);
        }
    }
    int previous = 0;
    for (const zel::RuleSignal& s : zel::evaluateRunRules(in, rules)) {
        if (s.point <= previous || s.point > static_cast<int>(in.values.size()) ||
            static_cast<std::size_t>(s.point) <= in.firstPoint || s.rules.empty())
            std::abort();
        previous = s.point;
        int last = 0;
        for (int r : s.rules) {
            if (r <= last || r > zel::kRunRuleCount || !rules.contains(static_cast<zel::RunRule>(r))) std::abort();
            last = r;
        }
    }
    return 0;
}
