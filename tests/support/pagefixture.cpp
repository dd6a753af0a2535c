// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pagefixture.h"

#include "shell/application.h"

#include "support/testfiles.h"

void PageFixture::start(const QByteArray& pageBytes) {
    program = std::make_unique<TestProgram>();
    chooser = ScriptedFileChooser();
    program->app->context().fileChooser = &chooser;
    dir = std::make_unique<QTemporaryDir>();
    page = dir->filePath(QStringLiteral("page.htm"));
    writeAll(page, pageBytes);
}
