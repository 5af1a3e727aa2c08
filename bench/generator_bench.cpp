// The Create button's core on four workloads, once with the bitset placement search the
// program uses and once with the literal cell-by-cell scan it must agree with. Every iteration
// makes the same puzzle (the random source is reseeded), so both searches do identical work;
// after the run the literal/bitset ratio of each workload's CPU time is printed (medians when
// repeated; CPU time because the machines these run on are often shared).
//   generator_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//   generator_bench --words=dense > dense.txt     (a workload's word list)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "model/QuietHost.h"
#include "model/Generator.h"
#include "model/Puzzle.h"
#include "model/Random.h"
#include "model/WordEntry.h"

namespace {

using namespace lettermaze;

struct Workload {
    const char* name;
    int cols, rows, level;
    int words, shortest, longest;
    bool randomLetters;  // random A-Z strings instead of dictionary words
};

const Workload kWorkloads[] = {
    {"typical", 20, 20, 3, 20, 4, 10, false},
    {"large", 200, 200, 9, 201, 5, 15, false},
    {"dense", 30, 30, 9, 150, 6, 12, false},
    {"adversarial", 200, 200, 9, 201, 120, 200, true},
};

// Dictionary words of plain letters A-Z after upper-casing, within the length range.
std::vector<std::string> dictionaryWords(int shortest, int longest) {
    std::ifstream in("/usr/share/dict/words");
    std::vector<std::string> words;
    for (std::string line; std::getline(in, line);) {
        std::string w;
        bool plain = !line.empty();
        for (char c : line) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            plain = plain && c >= 'A' && c <= 'Z';
            w += c;
        }
        const int L = static_cast<int>(w.size());
        if (plain && L >= shortest && L <= longest) words.push_back(w);
    }
    return words;
}

// The word box's text for a workload, the same on every run.
std::string wordText(const Workload& w) {
    std::mt19937 pick(20240601);
    std::vector<std::string> chosen;
    if (w.randomLetters) {
        for (int k = 0; k < w.words; ++k) {
            const int L = w.shortest + static_cast<int>(pick() % (w.longest - w.shortest + 1));
            std::string s;
            for (int i = 0; i < L; ++i) s += static_cast<char>('A' + pick() % 26);
            chosen.push_back(s);
        }
    } else {
        const std::vector<std::string> all = dictionaryWords(w.shortest, w.longest);
        std::set<std::size_t> taken;
        while (!all.empty() && static_cast<int>(chosen.size()) < w.words &&
               taken.size() < all.size()) {
            const std::size_t i = pick() % all.size();
            if (taken.insert(i).second) chosen.push_back(all[i]);
        }
    }
    std::string text;
    for (const std::string& s : chosen) text += s + "\r\n";
    return text;
}

void generate(benchmark::State& state, const Workload& w, SearchKind kind) {
    Puzzle p;
    GenerationScratch scratch;
    const PuzzleRequest request{filterWordText(wordText(w), 0).text, std::to_string(w.cols),
                                std::to_string(w.rows), w.level};
    if (request.wordText.empty()) {
        state.SkipWithError("no words: /usr/share/dict/words is missing (package wamerican)");
        return;
    }
    QuietHost host;
    SeededRandom rnd(1);
    GenerateOptions options;
    options.search = kind;
    for (auto _ : state) {
        rnd.reseed(1);
        if (generatePuzzle(p, scratch, request, host, rnd, options) != GenerateOutcome::Created) {
            state.SkipWithError("no puzzle was made");
            return;
        }
    }
    state.counters["listed"] = p.hiddenWords.count();
    state.counters["attempts"] = scratch.attemptsMade;
}

// Shows the results as usual and keeps each benchmark's time (its median when repeated) for
// the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            const std::string& name = r.run_name.function_name;
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
                times[name] = r.GetAdjustedCPUTime();
                medians.insert(name);
            } else if (r.run_type == Run::RT_Iteration && !medians.count(name)) {
                times[name] = r.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
    std::set<std::string> medians;
};

}  // namespace

int main(int argc, char** argv) {
    // --words=NAME prints that workload's word list, for timing lettermaze-cli batch on it.
    if (argc == 2 && std::string(argv[1]).starts_with("--words=")) {
        const std::string name = std::string(argv[1]).substr(8);
        for (const Workload& w : kWorkloads)
            if (name == w.name) {
                std::fputs(wordText(w).c_str(), stdout);
                return 0;
            }
        std::fprintf(stderr, "no workload %s\n", name.c_str());
        return 2;
    }
    for (const Workload& w : kWorkloads) {
        for (const SearchKind kind : {SearchKind::Bitset, SearchKind::Literal}) {
            const std::string name = std::string("generate/") + w.name +
                                     (kind == SearchKind::Bitset ? "/bitset" : "/literal");
            benchmark::RegisterBenchmark(name.c_str(), [&w, kind](benchmark::State& s) {
                generate(s, w, kind);
            })->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const Workload& w : kWorkloads) {
        const std::string base = std::string("generate/") + w.name;
        const auto fast = reporter.times.find(base + "/bitset");
        const auto literal = reporter.times.find(base + "/literal");
        if (fast == reporter.times.end() || literal == reporter.times.end() || fast->second <= 0)
            continue;
        std::printf("%-12s literal / bitset = %.2f (CPU %.4g ms / %.4g ms)\n", w.name,
                    literal->second / fast->second, literal->second, fast->second);
    }
    benchmark::Shutdown();
    return 0;
}
