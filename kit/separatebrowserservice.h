// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Browser windows of their own, opened on behalf of another window (the calorie calculator's
// sample link).
class SeparateBrowserService {
public:
    virtual ~SeparateBrowserService() = default;
    // Opens a new browser window on address, 440 x 400 at screen position 270, 105. The
    // service remembers only the latest window opened for owner and closes that one when
    // owner is destroyed; earlier ones stay open. Failures are silent.
    virtual void openFor(QWidget* owner, const QString& address) = 0;
};
