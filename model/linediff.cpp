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

// Forward Myers with a saved frontier per round, then a walk back through the rounds.
QList<Step> script(const QStringList& a, const QStringList& b) {
    // Equal lines at either end are set aside first: pages change in a few places only.
    int prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a.at(prefix) == b.at(prefix))
        ++prefix;
    int suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a.at(a.size() - 1 - suffix) == b.at(b.size() - 1 - suffix))
        ++suffix;
    const int n = int(a.size()) - prefix - suffix;
    const int m = int(b.size()) - prefix - suffix;
    const int max = n + m;
    const int offset = max + 1;
    std::vector<int> v(size_t(2 * max + 3), 0);
    std::vector<std::vector<int>> trace;
    int found = -1;
    for (int d = 0; d <= max && found < 0; ++d) {
        // Only the diagonals this round reads are kept, so memory grows with the changes, not
        // with the page.
        trace.emplace_back(v.begin() + (offset - d), v.begin() + (offset + d + 1));
        for (int k = -d; k <= d; k += 2) {
            int x;
            if (k == -d || (k != d && v[size_t(offset + k - 1)] < v[size_t(offset + k + 1)]))
                x = v[size_t(offset + k + 1)];
            else
                x = v[size_t(offset + k - 1)] + 1;
            int y = x - k;
            while (x < n && y < m && a.at(prefix + x) == b.at(prefix + y)) {
                ++x;
                ++y;
            }
            v[size_t(offset + k)] = x;
            if (x >= n && y >= m) {
                found = d;
                break;
            }
        }
    }
    QList<Step> middle;
    int x = n;
    int y = m;
    for (int d = found; d > 0; --d) {
        const std::vector<int>& prev = trace[size_t(d)];
        const int k = x - y;
        int prevK;
        if (k == -d || (k != d && prev[size_t(d + k - 1)] < prev[size_t(d + k + 1)]))
            prevK = k + 1;
        else
            prevK = k - 1;
        const int prevX = prev[size_t(d + prevK)];
        const int prevY = prevX - prevK;
        while (x > prevX && y > prevY) {
            --x;
            --y;
            middle.prepend({Op::Same, prefix + x, prefix + y});
        }
        if (x == prevX)
            middle.prepend({Op::Added, -1, prefix + --y});
        else
            middle.prepend({Op::Removed, prefix + --x, -1});
    }
    while (x > 0 && y > 0) {
        --x;
        --y;
        middle.prepend({Op::Same, prefix + x, prefix + y});
    }
    QList<Step> steps;
    for (int i = 0; i < prefix; ++i)
        steps.append({Op::Same, i, i});
    steps.append(middle);
    for (int i = 0; i < suffix; ++i)
        steps.append({Op::Same, int(a.size()) - suffix + i, int(b.size()) - suffix + i});
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
