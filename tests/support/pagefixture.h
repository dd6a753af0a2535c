// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/testdoubles.h"
#include "support/testprogram.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// The program with a scripted file chooser and one page of the user's in a scratch folder: what
// every test of putting code into a page starts from.
struct PageFixture {
    std::unique_ptr<TestProgram> program;
    ScriptedFileChooser chooser;
    std::unique_ptr<QTemporaryDir> dir;
    QString page;

    void start(const QByteArray& pageBytes);
};
