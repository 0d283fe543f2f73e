// The find command over 99 panels of 1 MB, the text only in the last one, against a plain loop
// of std::u16string::find over the same panels, one after the other in the same process.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "bench/ConvertCorpus.h"
#include "find/PanelSearch.h"
#include "tests/unit/convert/ConvertTestSupport.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPanels = 99;
constexpr std::size_t kPanelUnits = 500'000;  // 1 MB of UTF-16
// Starts with a character the corpus is full of, so that both sides stop and compare often.
constexpr std::u16string_view kNeedle = u"的旧文字在剪贴板里等着PenWick";

template <typename F>
double Milliseconds(F&& f) {
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Each panel a different stretch of the corpus, the needle in the middle of the last one.
void FillPanels(pw::PanelStore& panels, const std::u16string& corpus) {
    for (int i = 1; i <= kPanels; ++i) {
        if (i > 1) panels.append();
        std::u16string text;
        text.reserve(kPanelUnits);
        for (std::size_t at = i * 7919 % corpus.size(); text.size() < kPanelUnits;) {
            const std::size_t take = std::min(corpus.size() - at, kPanelUnits - text.size());
            text.append(corpus, at, take);
            at = 0;
        }
        if (i == kPanels) text.replace(kPanelUnits / 2, kNeedle.size(), kNeedle);
        panels.setText(i, std::move(text));
    }
    panels.setCurrent(1);
}

std::optional<pw::FoundText> PlainLoop(const pw::PanelStore& panels) {
    const std::u16string needle(kNeedle);
    for (int i = 1; i <= panels.count(); ++i) {
        const std::size_t at = panels.text(i).find(needle);
        if (at != std::u16string::npos) return pw::FoundText{i, at, needle.size()};
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    std::string corpus8;
    for (const char* locale : {"zh_CN", "zh_TW"})
        corpus8 += pw::bench::LoadCorpus(PW_LOCALE_DIR, locale);
    const auto corpus = pw::convert_test::Utf8ToUtf16(corpus8);
    if (!corpus || corpus->empty()) {
        std::fprintf(stderr, "no usable corpus\n");
        return 1;
    }
    pw::PanelStore panels;
    FillPanels(panels, *corpus);
    const std::optional<pw::FoundText> expected = PlainLoop(panels);
    if (!expected || expected->panel != kPanels) {
        std::fprintf(stderr, "the needle is not only in the last panel\n");
        return 1;
    }
    std::printf("%d panels of %zu UTF-16 units (zh_CN + zh_TW gettext text); median of %d runs\n",
                kPanels, kPanelUnits, runs);

    const std::pair<const char*, pw::FindOptions> rows[] = {
        {"any case", {false, false}},
        {"any case, T/S alike", {false, true}},
    };
    bool allFound = true;
    for (const auto& [name, options] : rows) {
        std::vector<double> ours, plain;
        std::optional<pw::FoundText> found;
        for (int r = 0; r < runs; ++r) {
            // The search is made afresh each time, as each find command does.
            ours.push_back(Milliseconds([&] {
                found = pw::FindNextInPanels(panels, 0, pw::TextSearch(kNeedle, options));
            }));
            plain.push_back(Milliseconds([&] { PlainLoop(panels); }));
        }
        const bool same = found == expected;
        allFound = allFound && same;
        std::printf("%s: ours %.1f ms | plain find %.1f ms | ratio %.2fx | %s\n", name,
                    Median(ours), Median(plain), Median(ours) / Median(plain),
                    same ? "same match" : "DIFFERENT MATCH");
    }
    return allFound ? 0 : 1;
}
