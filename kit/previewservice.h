// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;
struct ScriptEntry;

// What the viewers ask of the sandboxed preview (provided by webtools; absent, the commands
// are inert).
class PreviewService {
public:
    virtual ~PreviewService() = default;
    // The "Customise..." window for a catalogue entry: its settings as a form, the customised
    // code and a live preview.
    virtual void customise(const ScriptEntry& entry, QWidget* from) = 0;
    // A saved script's head and body code in the preview, with its errors listed.
    virtual void previewScript(const QString& name, const QString& head, const QString& body,
                               QWidget* from) = 0;
};
