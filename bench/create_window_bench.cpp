// The Create button as a user meets it: from the click to the grid painted on screen, for the
// largest puzzle (200 x 200, 201 words), in an offscreen window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <fstream>
#include <random>

#include "model/QuietHost.h"
#include "model/Puzzle.h"
#include "ui/GridView.h"
#include "ui/MainWindow.h"

namespace {

// 201 real English words of 5 to 15 letters, the same ones every run.
QString wordList() {
    std::ifstream in("/usr/share/dict/words");
    std::vector<std::string> words;
    for (std::string w; std::getline(in, w);) {
        if (w.size() < 5 || w.size() > 15) continue;
        bool plain = true;
        for (char c : w) plain = plain && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
        if (plain) words.push_back(w);
    }
    std::mt19937 pick(2026);
    QString text;
    for (int i = 0; i < 201 && !words.empty(); ++i)
        text += QString::fromStdString(words[pick() % words.size()]) + QLatin1Char('\n');
    return text;
}

void BM_CreateInWindow(benchmark::State& state) {
    lettermaze::QuietHost host;
    lettermaze::SeededRandom rnd(1);
    lettermaze::ui::MainWindow w(&host, &rnd);
    w.show();
    w.wordBox->setPlainText(wordList());
    w.columnsBox->setText(QStringLiteral("200"));
    w.rowsBox->setText(QStringLiteral("200"));
    w.difficultySlider->setValue(9);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        w.createButton->click();
        w.gridView->viewport()->repaint();
    }
    state.counters["listed"] = static_cast<double>(w.puzzle().hiddenWords.count());
}
BENCHMARK(BM_CreateInWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
