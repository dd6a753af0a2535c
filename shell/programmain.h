// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class Application;

// The whole program: real adapters, the frame and frmMain, then the event loop.
// started runs once everything is shown (the start-up benchmark hooks in there).
int tagloomMain(int argc, char* argv[], const std::function<void(Application&)>& started = {});
