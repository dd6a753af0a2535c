// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

// Read access to the machine-wide configuration registry (key paths and named values).
// The About box uses it to find the system information tool.
class SystemRegistry {
public:
    virtual ~SystemRegistry() = default;

    // The default adapter for this platform.
    static std::unique_ptr<SystemRegistry> createDefault();
};
