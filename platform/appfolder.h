// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace AppFolder {

// The program's data folder: support files, the bundled web site, the scripts folder.
// Works from the build tree and after installation (bin/ beside share/tagloom/).
QString path();

// The scripts folder: support files that entries ask the user to put beside their pages.
QString scriptsFolder();

// Where the optional web plugin lives.
QString pluginPath();

// The maker's web site; by default the file: address of the bundled offline copy.
QString sampleBaseUrl();

} // namespace AppFolder
