// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ProcessGuard {

// A write past the file size limit then fails with an error the store reports,
// instead of the process being killed in the middle of a save.
void reportOversizedWritesAsErrors();

} // namespace ProcessGuard
