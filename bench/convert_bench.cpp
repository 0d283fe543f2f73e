// Throughput of our Chinese converter against libopencc, one after the other in the same
// process on the same text, and how long each needs before it can convert.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "convert/ChineseConverter.h"
#include "convert/ConvertTables.h"
#include "bench/ConvertCorpus.h"
#include "tests/unit/convert/ConvertTestSupport.h"

namespace {

using Clock = std::chrono::steady_clock;
using pw::convert_test::OpenCC;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

template <typename F>
double Time(F&& f) {
    const auto start = Clock::now();
    f();
    return Seconds(Clock::now() - start);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::size_t TableBytes(const pw::convert_tables::Table& t) {
    return t.pageCount * sizeof(std::uint16_t) +
           t.entryCount * sizeof(pw::convert_tables::CodePointEntry) +
           (t.nodeCount + 1) * sizeof(std::uint32_t) + 2 * t.nodeCount * sizeof(std::uint32_t) +
           t.poolSize * sizeof(char16_t);
}

// Reads every byte of the tables: the most that paging them in can cost.
std::uint32_t TouchAll(const pw::convert_tables::Table& t) {
    std::uint32_t sum = 0;
    for (std::uint32_t i = 0; i < t.pageCount; ++i) sum += t.pages[i];
    for (std::uint32_t i = 0; i < t.entryCount; ++i) sum += t.entries[i].value + t.entries[i].node;
    for (std::uint32_t i = 0; i <= t.nodeCount; ++i) sum += t.childBegin[i];
    for (std::uint32_t i = 0; i < t.nodeCount; ++i) sum += t.nodeCodePoint[i] + t.nodeValue[i];
    for (std::uint32_t i = 0; i < t.poolSize; ++i) sum += t.pool[i];
    return sum;
}

struct Direction {
    const char* name;
    std::u16string (*ours)(std::u16string_view);
    const char* config;
};

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    // Start-up first, while nothing has touched the tables yet.
    std::u16string warm;
    const double firstT2S = Time([&] { warm = pw::TraditionalToSimplified(u"頭髮"); });
    const double firstS2T = Time([&] { warm = pw::SimplifiedToTraditional(u"头发"); });
    std::uint32_t checksum = 0;
    const double touch = Time([&] {
        checksum = TouchAll(pw::convert_tables::kTraditionalToSimplified) +
                   TouchAll(pw::convert_tables::kSimplifiedToTraditional);
    });
    const std::size_t tableBytes = TableBytes(pw::convert_tables::kTraditionalToSimplified) +
                                   TableBytes(pw::convert_tables::kSimplifiedToTraditional);
    std::printf("start-up, ours: no run-time initialisation (constant tables, %.2f MB)\n",
                tableBytes / 1e6);
    std::printf("  first call t2s %.1f us, s2t %.1f us; touching all tables %.2f ms (sum %u)\n",
                firstT2S * 1e6, firstS2T * 1e6, touch * 1e3, checksum);

    std::vector<std::unique_ptr<OpenCC>> openccs;
    const Direction directions[] = {{"t2s", &pw::TraditionalToSimplified, "t2s.json"},
                                    {"s2t", &pw::SimplifiedToTraditional, "s2t.json"}};
    for (const Direction& d : directions) {
        const double open = Time([&] { openccs.push_back(std::make_unique<OpenCC>(d.config)); });
        std::printf("start-up, libopencc: opencc_open(%s) %.2f ms\n", d.config, open * 1e3);
    }

    std::string corpus;
    for (const char* locale : {"zh_CN", "zh_TW"})
        corpus += pw::bench::LoadCorpus(PW_LOCALE_DIR, locale);
    const auto corpus16 = pw::convert_test::Utf8ToUtf16(corpus);
    if (!corpus16 || corpus.empty()) {
        std::fprintf(stderr, "no usable corpus\n");
        return 1;
    }
    const double mb = corpus.size() / 1e6;
    std::printf("corpus: zh_CN + zh_TW gettext translations, %.2f MB UTF-8, %zu UTF-16 units\n", mb,
                corpus16->size());
    std::printf("MB/s are MB of that UTF-8 corpus per second; median of %d runs\n", runs);

    bool allSame = true;
    for (std::size_t k = 0; k < std::size(directions); ++k) {
        const Direction& d = directions[k];
        const OpenCC& opencc = *openccs[k];
        std::u16string ours;
        std::string theirs, theirsRoundTrip;
        std::vector<double> oursTimes, theirsTimes, roundTripTimes;
        for (int r = 0; r < runs; ++r) {
            oursTimes.push_back(Time([&] { ours = d.ours(*corpus16); }));
            theirsTimes.push_back(Time([&] { theirs = opencc.Convert(corpus); }));
            // What the program would pay with libopencc: its text is UTF-16.
            roundTripTimes.push_back(Time([&] {
                theirsRoundTrip = pw::convert_test::Utf16ToUtf8(*pw::convert_test::Utf8ToUtf16(
                    opencc.Convert(pw::convert_test::Utf16ToUtf8(*corpus16))));
            }));
        }
        const bool same =
            pw::convert_test::Utf16ToUtf8(ours) == theirs && theirs == theirsRoundTrip;
        allSame = allSame && same;
        const double oursRate = mb / Median(oursTimes);
        const double theirsRate = mb / Median(theirsTimes);
        const double roundTripRate = mb / Median(roundTripTimes);
        std::printf(
            "%s: ours %8.1f MB/s | libopencc %6.1f MB/s (with UTF-16 round trip %6.1f) | "
            "ratio %.1fx (%.1fx) | outputs %s\n",
            d.name, oursRate, theirsRate, roundTripRate, oursRate / theirsRate,
            oursRate / roundTripRate, same ? "identical" : "DIFFER");
    }
    return allSame ? 0 : 1;
}
