// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/systemregistry.h"

#include <QString>

#include <functional>
#include <stdexcept>

class MessageBoxes;
class ProgramLauncher;
class QWidget;

namespace SysInfo {

// A value that was found but cannot be turned into text (it has no bytes at all).
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr int BufferSize = 1024;

extern const QString kUnavailable;
extern const QString kInfoKey;
extern const QString kInfoValue;
extern const QString kLocationKey;
extern const QString kLocationValue;
extern const QString kProgramFile;

// Reads root\keyPath's value into text and returns true, or empties text and returns false
// when the key or value cannot be read. Strings replace text; 32-bit numbers are appended to
// it as "&h" and hexadecimal bytes; other types leave it as it was (and still return true).
// Throws ReadError for a value of size 0.
bool GetKeyValue(SystemRegistry& registry, SystemRegistry::Root root, const QString& keyPath,
                 const QString& valueName, QString& text);

struct Services {
    SystemRegistry* registry = nullptr;
    ProgramLauncher* launcher = nullptr;
    MessageBoxes* messages = nullptr;
    std::function<bool(const QString&)> fileExists; // a real file test when empty
};

// Finds the system information tool through the registry and starts it; every failure on
// the way ends in one message.
void StartSysInfo(const Services& services, QWidget* owner);

} // namespace SysInfo
