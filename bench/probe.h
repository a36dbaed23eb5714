#pragma once

// Shared by the two start-up probes: at the first paint of the watched window, print the
// monotonic clock and the peak resident memory, then quit.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QObject>

#include <cstdio>
#include <ctime>

class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QObject *watched)
        : QObject(watched)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // Report once this paint has finished and gone to the screen.
            QMetaObject::invokeMethod(this, &FirstPaintProbe::report, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        long peakKb = 0;
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n'))
                if (line.startsWith("VmHWM:"))
                    peakKb = line.mid(6).trimmed().split(' ').first().toLong();
        }
        std::printf("%lld %ld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec, peakKb);
        std::fflush(stdout);
        QApplication::quit();
    }

    bool m_done = false;
};
