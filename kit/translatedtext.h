#pragma once

#include <QCoreApplication>
#include <QString>

// A text kept in a file-level constant and looked up in the translation catalogue each time it
// is used, so that a catalogue installed after static start-up still applies. Mark the source
// with QT_TRANSLATE_NOOP so that the catalogue tools find it.
struct TranslatedText {
    const char* context;
    const char* source;
    operator QString() const { return QCoreApplication::translate(context, source); }
};
