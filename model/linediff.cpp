// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/linediff.h"

#include <QList>

#include <vector>

namespace LineDiff {

namespace {

enum class Op { Same, Removed, Added };

struct Step {
    Op op;
    int a; // line in before (Same, Removed)
    int b; // line in after (Same, Added)
};

// The lines equal at either end, set aside first: pages change in a few places only.
struct CommonEnds {
    int prefix = 0;
    int suffix = 0;
};

CommonEnds commonEnds(const QStringList& a, const QStringList& b) {
    CommonEnds ends;
    while (ends.prefix < a.size() && ends.prefix < b.size() &&
           a.at(ends.prefix) == b.at(ends.prefix))
        ++ends.prefix;
    while (ends.suffix < a.size() - ends.prefix && ends.suffix < b.size() - ends.prefix &&
           a.at(a.size() - 1 - ends.suffix) == b.at(b.size() - 1 - ends.suffix))
        ++ends.suffix;
    return ends;
}

// The middle part that differs: a[from, from + n) against b[from, from + m).
struct Middle {
    const QStringList& a;
    const QStringList& b;
    int from;
    int n;
    int m;
};

// Whether the step onto diagonal k in round d comes down from k + 1 (an added line) rather
// than across from k - 1 (a removed one). frontier holds diagonal k at centre + k.
bool fromAbove(const std::vector<int>& frontier, int centre, int d, int k) {
    return k == -d ||
           (k != d && frontier[size_t(centre + k - 1)] < frontier[size_t(centre + k + 1)]);
}

// Forward Myers rounds; each round's frontier is saved for the walk back. Returns how many
// rounds there were, the length of the shortest edit script.
int forwardRounds(const Middle& mid, std::vector<std::vector<int>>* trace) {
    const int max = mid.n + mid.m;
    const int offset = max + 1;
    std::vector<int> v(size_t(2 * max + 3), 0);
    for (int d = 0; d <= max; ++d) {
        // Only the diagonals this round reads are kept, so memory grows with the changes, not
        // with the page.
        trace->emplace_back(v.begin() + (offset - d), v.begin() + (offset + d + 1));
        for (int k = -d; k <= d; k += 2) {
            int x = fromAbove(v, offset, d, k) ? v[size_t(offset + k + 1)]
                                               : v[size_t(offset + k - 1)] + 1;
            int y = x - k;
            while (x < mid.n && y < mid.m && mid.a.at(mid.from + x) == mid.b.at(mid.from + y)) {
                ++x;
                ++y;
            }
            v[size_t(offset + k)] = x;
            if (x >= mid.n && y >= mid.m)
                return d;
        }
    }
    return -1;
}

// Walks back from the end through the saved rounds, one edit and its run of equal lines a
// round.
QList<Step> walkBack(const Middle& mid, const std::vector<std::vector<int>>& trace, int rounds) {
    QList<Step> steps;
    int x = mid.n;
    int y = mid.m;
    for (int d = rounds; d > 0; --d) {
        const std::vector<int>& prev = trace[size_t(d)];
        const int k = x - y;
        const int prevK = fromAbove(prev, d, d, k) ? k + 1 : k - 1;
        const int prevX = prev[size_t(d + prevK)];
        const int prevY = prevX - prevK;
        while (x > prevX && y > prevY) {
            --x;
            --y;
            steps.prepend({Op::Same, mid.from + x, mid.from + y});
        }
        if (x == prevX)
            steps.prepend({Op::Added, -1, mid.from + --y});
        else
            steps.prepend({Op::Removed, mid.from + --x, -1});
    }
    while (x > 0 && y > 0) {
        --x;
        --y;
        steps.prepend({Op::Same, mid.from + x, mid.from + y});
    }
    return steps;
}

// Forward Myers with a saved frontier per round, then a walk back through the rounds.
QList<Step> script(const QStringList& a, const QStringList& b) {
    const CommonEnds ends = commonEnds(a, b);
    const Middle mid{a, b, ends.prefix, int(a.size()) - ends.prefix - ends.suffix,
                     int(b.size()) - ends.prefix - ends.suffix};
    std::vector<std::vector<int>> trace;
    const int rounds = forwardRounds(mid, &trace);
    QList<Step> steps;
    for (int i = 0; i < ends.prefix; ++i)
        steps.append({Op::Same, i, i});
    steps.append(walkBack(mid, trace, rounds));
    for (int i = 0; i < ends.suffix; ++i)
        steps.append({Op::Same, int(a.size()) - ends.suffix + i, int(b.size()) - ends.suffix + i});
    return steps;
}

} // namespace

QString unified(const QStringList& before, const QStringList& after, int context) {
    const QList<Step> steps = script(before, after);
    QString out;
    int i = 0;
    const int count = int(steps.size());
    while (i < count) {
        if (steps.at(i).op == Op::Same) {
            ++i;
            continue;
        }
        // A hunk runs from this change to the last change within 2 * context lines of the next.
        int start = qMax(0, i - context);
        int end = i;
        int lastChange = i;
        while (end < count) {
            if (steps.at(end).op != Op::Same)
                lastChange = end;
            else if (end - lastChange > 2 * context)
                break;
            ++end;
        }
        end = qMin(count, lastChange + context + 1);
        int firstA = -1, firstB = -1, lenA = 0, lenB = 0;
        for (int s = start; s < end; ++s) {
            const Step& step = steps.at(s);
            if (step.op != Op::Added) {
                if (firstA < 0)
                    firstA = step.a;
                ++lenA;
            }
            if (step.op != Op::Removed) {
                if (firstB < 0)
                    firstB = step.b;
                ++lenB;
            }
        }
        out += QStringLiteral("@@ -%1,%2 +%3,%4 @@\n")
                   .arg(firstA + 1)
                   .arg(lenA)
                   .arg(firstB + 1)
                   .arg(lenB);
        for (int s = start; s < end; ++s) {
            const Step& step = steps.at(s);
            switch (step.op) {
            case Op::Same:
                out += QLatin1Char(' ') + before.at(step.a) + QLatin1Char('\n');
                break;
            case Op::Removed:
                out += QLatin1Char('-') + before.at(step.a) + QLatin1Char('\n');
                break;
            case Op::Added:
                out += QLatin1Char('+') + after.at(step.b) + QLatin1Char('\n');
                break;
            }
        }
        i = end;
    }
    return out;
}

} // namespace LineDiff
