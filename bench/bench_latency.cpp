// How fast the program feels: each handler from the click to the end of the repaint it causes, on
// a sheet with every correct box ticked; cold start from exec to the first painted selection
// window; and peak memory. A bare Qt program with one empty window, measured in the same run, is
// the floor. Runs on the X display in DISPLAY (start-up is only meaningful on a real display
// server), else on the offscreen platform.
//
//   bench_latency [RUNS]
#include "platform.h"
#include "program.h"

#include "markarray.h"
#include "scoring.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QScrollArea>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Counts paint events anywhere in the application.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Time of `action` plus the repaint it causes, in milliseconds (median of `runs`).
double clickToPaint(PaintCounter &counter, int runs, const std::function<void()> &before,
                    const std::function<void()> &action)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        before();
        QCoreApplication::processEvents(); // start from a quiet, painted state
        const int paintsBefore = counter.paints;
        QElapsedTimer timer;
        timer.start();
        action();
        while (counter.paints == paintsBefore && timer.elapsed() < 1000)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents(); // the rest of the same repaint
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

struct StartUp {
    double ms = 0;
    long peakKb = 0;
};

StartUp startUp(const QString &probe, int runs, const QStringList &arguments = {})
{
    std::vector<double> times;
    std::vector<double> peaks;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        timespec start{};
        clock_gettime(CLOCK_MONOTONIC, &start);
        process.start(probe, arguments);
        if (!process.waitForFinished(30000))
            qFatal("%s did not finish", qPrintable(probe));
        const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
        if (fields.size() != 2)
            qFatal("%s printed nothing", qPrintable(probe));
        const long long painted = fields[0].toLongLong();
        times.push_back(double(painted - (start.tv_sec * 1000000000LL + start.tv_nsec)) / 1e6);
        peaks.push_back(fields[1].toDouble());
    }
    return {median(times), long(median(peaks))};
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::Install();
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;

    PaintCounter counter;
    app.installEventFilter(&counter);

    std::printf("%-36s %10s\n", "handler (click to end of repaint)", "median ms");
    {
        Program p;
        p.form2.resize(1070, 651);
        const auto tickAllCorrect = [&] {
            for (qint32 q = 1; q <= exam::QuestionCount; ++q)
                p.choice(q, (q - 1) % 4 + 1)->setChecked(true);
        };
        const auto row = [&](const char *name, double ms) {
            std::printf("%-36s %10.2f\n", name, ms);
        };

        row("show the sheet (選択して開始)", clickToPaint(
                                                 counter, runs,
                                                 [&] {
                                                     if (p.form2.isVisible())
                                                         p.form2.close();
                                                 },
                                                 [&] { p.selectionButton(1)->click(); }));
        tickAllCorrect();
        // Each scoring run starts from the other method's score line, so that there is a change to
        // paint.
        row("standard scoring (通常採点)", clickToPaint(
                                               counter, runs, [&] { p.sheetButton(2)->click(); },
                                               [&] { p.sheetButton(1)->click(); }));
        row("all-question scoring (全採点)", clickToPaint(
                                                 counter, runs, [&] { p.sheetButton(1)->click(); },
                                                 [&] { p.sheetButton(2)->click(); }));
        row("highlighting on (正解表示)", clickToPaint(
                                              counter, runs,
                                              [&] {
                                                  if (p.form2.AnswersShown)
                                                      p.sheetButton(3)->click();
                                              },
                                              [&] { p.sheetButton(3)->click(); }));
        row("highlighting off (正解消去)", clickToPaint(
                                               counter, runs,
                                               [&] {
                                                   if (!p.form2.AnswersShown)
                                                       p.sheetButton(3)->click();
                                               },
                                               [&] { p.sheetButton(3)->click(); }));
        row("clear (回答クリア)",
            clickToPaint(counter, runs, tickAllCorrect, [&] { p.sheetButton(4)->click(); }));

        // What the name look-ups cost, against Qt's own recursive search.
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 100; ++i)
            for (qint32 n = 1; n <= exam::ChoiceBoxCount; ++n)
                Unit2::ChoiceBoxes[n] = p.box(n); // findChild, as a plain look-up would
        std::printf("%-36s %10.3f\n", "368 look-ups by findChild (ms)",
                    double(timer.nsecsElapsed()) / 1e6 / 100);
    }

    const QString dir = QCoreApplication::applicationDirPath();
    const StartUp program = startUp(dir + u"/startup_probe"_s, runs);
    const StartUp bare = startUp(dir + u"/bare_probe"_s, runs);
    const StartUp bareText = startUp(dir + u"/bare_probe"_s, runs, {u"--text"_s});
    std::printf("\n%-36s %10s %10s %8s\n", "cold start (exec to first paint)", "ms", "peak MiB",
                "vs bare");
    std::printf("%-36s %10.1f %10.1f\n", "bare Qt window (floor)", bare.ms, bare.peakKb / 1024.0);
    std::printf("%-36s %10.1f %10.1f %+7.0f%% time, %+.0f%% memory\n", "bare window, one line of the font",
                bareText.ms, bareText.peakKb / 1024.0, 100.0 * (bareText.ms / bare.ms - 1),
                100.0 * (double(bareText.peakKb) / double(bare.peakKb) - 1));
    std::printf("%-36s %10.1f %10.1f %+7.0f%% time, %+.0f%% memory\n", "orvanel", program.ms,
                program.peakKb / 1024.0, 100.0 * (program.ms / bare.ms - 1),
                100.0 * (double(program.peakKb) / double(bare.peakKb) - 1));
    return 0;
}
