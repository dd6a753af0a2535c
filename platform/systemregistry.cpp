// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/systemregistry.h"

namespace {
class EmptyRegistry final : public SystemRegistry {};
} // namespace

std::unique_ptr<SystemRegistry> SystemRegistry::createDefault() {
    return std::make_unique<EmptyRegistry>();
}
