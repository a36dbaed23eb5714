// Prints the time per call of both scoring methods on a blank, a full and a random sheet.
#include "markarray.h"
#include "scoring.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <cstdio>

namespace {

volatile qint32 sink = 0; // keeps the optimiser from dropping the calls

template <typename F> double nanosecondsPerCall(F &&call)
{
    // Warm up, then take the best of several batches: the least disturbed one.
    for (int i = 0; i < 10000; ++i)
        call();
    constexpr int batch = 200000;
    double best = 1e30;
    for (int round = 0; round < 7; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < batch; ++i)
            call();
        best = std::min(best, double(timer.nsecsElapsed()) / batch);
    }
    return best;
}

} // namespace

int main()
{
    exam::AnswerKeyTable key;
    exam::LoadAnswerKey(0, key);

    exam::MarkArray blank, full, random;
    QRandomGenerator rng(7);
    for (qint32 q = 1; q <= exam::QuestionCount; ++q) {
        full.markChoice(q, key[q]);
        for (qint32 c = 1; c <= exam::ChoiceCount; ++c)
            random.mark(exam::ChoiceBoxNumber(q, c), rng.bounded(4u) == 0);
    }

    std::printf("%-8s %16s %16s\n", "sheet", "ScoreStandard", "ScoreAll");
    const std::pair<const char *, exam::MarkArray *> sheets[] = {
        {"blank", &blank}, {"full", &full}, {"random", &random}};
    for (const auto &[name, sheet] : sheets) {
        const double standard =
            nanosecondsPerCall([&] { sink = exam::ScoreStandard(*sheet, key).total; });
        quint8 score = 0;
        const double all = nanosecondsPerCall([&] { sink = exam::ScoreAll(*sheet, key, score); });
        std::printf("%-8s %13.1f ns %13.1f ns\n", name, standard, all);
    }
    return 0;
}
