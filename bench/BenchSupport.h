#pragma once

// What the benchmarks share: the median of timings, a settings store in memory, and the
// largest puzzle users make.
#include "prefs/SettingsAccess.h"
#include "puzzle/PuzzleRecord.h"

#include <QElapsedTimer>
#include <QHash>

#include <algorithm>
#include <functional>
#include <vector>

namespace Bench {

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The median of runs of the work, in milliseconds.
inline double medianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

// Settings as they are at first, and whatever is written since.
class MemorySettings : public SettingsAccess {
public:
    SettingValue ReadSetting(const QString& name, const SettingValue& absent) const override {
        return m_values.value(name, absent);
    }
    void WriteSetting(const QString& name, const SettingValue& value) override {
        m_values.insert(name, value);
    }
    const ScreenMetrics& metrics() const override { return m_metrics; }
    int DefaultSquareSize() const override { return 37; }

private:
    QHash<QString, SettingValue> m_values;
    ScreenMetrics m_metrics;
};

// 31 x 12, every seventh square black; the letters dealt to 30 words in turn, each with an
// 80-character clue.
inline PuzzleRecord fullPuzzle() {
    PuzzleRecord record = PuzzleRecord::zeroed();
    record.ClearPuzzle(31, 12, "Ann Example");
    int n = 0;
    std::vector<int> next(kMaxWords + 1, 1);
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 31; ++c, ++n) {
            if (n % 7 == 6) {
                record.letter(c, r) = BlackSquare;
                record.code(c, r) = CodeBlack;
                continue;
            }
            record.letter(c, r) = quint8('A' + n % 26);
            const int w = n % kMaxWords + 1;
            record.setCode(c, r, qint16(next[size_t(w)]++ * 100 + w));
        }
    }
    const QByteArray clue = "Words of a clue (with \"quotes\") that runs on, as long as a clue "
                            "may be, eighty";
    for (int w = 1; w <= kMaxWords; ++w)
        record.clue(w).assign(clue.left(80));
    return record;
}

} // namespace Bench
