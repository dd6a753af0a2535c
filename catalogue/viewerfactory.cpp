// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/viewerfactory.h"

#include "platform/appfolder.h"

#include "catalogue/scriptviewerwindow.h"
#include "catalogue/secondarywindow.h"

#include "kit/appcontext.h"
#include "model/catalogue.h"
#include "model/installedtext.h"

namespace ViewerFactory {

QWidget* createViewer(const QString& name, AppContext& context) {
    if (!context.catalogue)
        return nullptr;
    const ScriptEntry* entry = context.catalogue->entry(name);
    if (!entry)
        return nullptr;
    return new ScriptViewerWindow(
        InstalledText::resolve(*entry, AppFolder::sampleBaseUrl(), AppFolder::scriptsFolder()),
        context);
}

QWidget* createSecondary(const QString& name, AppContext& context) {
    return SecondaryWindow::create(name, context.catalogue, &context);
}

} // namespace ViewerFactory
