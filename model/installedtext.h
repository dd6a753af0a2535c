// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct ScriptEntry;

// Entry files name the bundled site's pages by their path below the site and speak of "the
// scripts folder"; shown to the user, both must say where they really are.
namespace InstalledText {

// A copy of the entry in which every code line that is a page of the bundled site
// ("tagloom/samples/...", "tagloom/tools/...") becomes its full address under siteBase, and every mention of the
// scripts folder names scriptsFolder.
ScriptEntry resolve(const ScriptEntry& entry, const QString& siteBase,
                    const QString& scriptsFolder);

QString resolveText(const QString& text, const QString& siteBase, const QString& scriptsFolder);

} // namespace InstalledText
