// SPDX-License-Identifier: GPL-3.0-or-later
// The page files around an insertion: what is refused, the backup, the check against changes
// made after the preview, support files and new pages.

#include "kit/diskpagefileaccess.h"
#include "model/pageeditor.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Place = PageSnippet::Place;

const QByteArray kPage = "<html>\n<head>\n</head>\n<body>\n<p>x</p>\n</body>\n</html>\n";

PageSnippet clockSnippet() {
    PageSnippet s;
    s.title = QStringLiteral("Digital Clock");
    s.pieces = {{Place::Head, QStringLiteral("<script src=\"clocks-digit0.svg\"></script>")},
                {Place::BodyEnd, QStringLiteral("<img src=\"clocks-am.svg\" alt=\"\">")}};
    s.byHand = {QStringLiteral("Upload the pictures.")};
    s.mentions = QStringLiteral("'clocks-digit' + n + '.svg' and clocks-am.svg");
    return s;
}

} // namespace

class TestPageEditor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void insertKeepsOneBackupAndRemovesCleanly();
    void pagesThatCannotBeChangedAreLeftAlone_data();
    void pagesThatCannotBeChangedAreLeftAlone();
    void changeOnDiskAfterThePreviewWritesNothing();
    void supportFilesAreOfferedAndNeverOverwrittenUnasked();
    void newPagesNeverReplaceAnExistingFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    DiskPageFileAccess m_files;
    QString m_page;
    QString m_scripts;
};

void TestPageEditor::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_page = m_dir->filePath(QStringLiteral("site/page.html"));
    m_scripts = m_dir->filePath(QStringLiteral("scripts"));
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("site"))));
    QVERIFY(QDir().mkpath(m_scripts));
    writeAll(m_page, kPage);
    for (const char* name :
         {"clocks-am.svg", "clocks-digit0.svg", "clocks-digit1.svg", "other.svg"})
        writeAll(m_scripts + QLatin1Char('/') + QLatin1String(name), name);
}

void TestPageEditor::insertKeepsOneBackupAndRemovesCleanly() {
    const PageEditor editor(m_files, m_scripts);
    PageEditor::Preview preview = editor.previewInsert(m_page, clockSnippet());
    QVERIFY2(preview.ok(), qPrintable(preview.error));
    QCOMPARE(preview.byHand, QStringList{QStringLiteral("Upload the pictures.")});
    QVERIFY(preview.change.diff().contains(QLatin1String("+<img src=\"clocks-am.svg\" alt=\"\">")));
    QVERIFY(!QFile::exists(m_page + QStringLiteral(".bak")));
    QVERIFY(editor.apply(preview).ok);
    QCOMPARE(readAll(m_page + QStringLiteral(".bak")), kPage);
    const QByteArray once = readAll(m_page);

    // A second insertion replaces the first; the backup still holds the page as it first was.
    preview = editor.previewInsert(m_page, clockSnippet());
    QVERIFY(preview.change.replacedEarlier);
    QVERIFY(editor.apply(preview).ok);
    QCOMPARE(readAll(m_page), once);
    QCOMPARE(readAll(m_page + QStringLiteral(".bak")), kPage);

    preview = editor.previewRemove(m_page, clockSnippet().title);
    QVERIFY(editor.apply(preview).ok);
    QCOMPARE(readAll(m_page), kPage);
    QCOMPARE(readAll(m_page + QStringLiteral(".bak")), kPage);

    preview = editor.previewRemove(m_page, clockSnippet().title);
    QVERIFY(!preview.ok());
    QVERIFY(!editor.apply(preview).ok);
}

void TestPageEditor::pagesThatCannotBeChangedAreLeftAlone_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing"
                             << "does not exist";
    QTest::newRow("folder") << "folder"
                            << "is a folder";
    QTest::newRow("read-only") << "read-only"
                               << "is read-only";
    QTest::newRow("binary") << "binary"
                            << "binary";
    QTest::newRow("too large") << "large"
                               << "larger than 20 MB";
}

void TestPageEditor::pagesThatCannotBeChangedAreLeftAlone() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QString path = m_page;
    QByteArray before = kPage;
    if (kind == QLatin1String("missing")) {
        path = m_dir->filePath(QStringLiteral("site/none.html"));
    } else if (kind == QLatin1String("folder")) {
        path = m_dir->filePath(QStringLiteral("site"));
    } else if (kind == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser));
    } else if (kind == QLatin1String("binary")) {
        before = QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        writeAll(path, before);
    } else {
        before = QByteArray(PageInsertion::kMaxPageBytes + 1, 'a');
        writeAll(path, before);
    }
    const PageEditor editor(m_files, m_scripts);
    const PageEditor::Preview preview = editor.previewInsert(path, clockSnippet());
    QVERIFY(!preview.ok());
    QVERIFY2(preview.error.contains(reason), qPrintable(preview.error));
    const PageEditor::Outcome outcome = editor.apply(preview);
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.message, preview.error);
    if (QFileInfo(path).isFile())
        QCOMPARE(readAll(path), before);
    QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));
}

void TestPageEditor::changeOnDiskAfterThePreviewWritesNothing() {
    const PageEditor editor(m_files, m_scripts);
    const PageEditor::Preview preview = editor.previewInsert(m_page, clockSnippet());
    QVERIFY(preview.ok());
    const QByteArray edited = QByteArray(kPage).replace("<p>x</p>", "<p>edited meanwhile</p>");
    writeAll(m_page, edited);
    const PageEditor::Outcome outcome = editor.apply(preview);
    QVERIFY(!outcome.ok);
    QVERIFY(outcome.message.contains(QLatin1String("changed by another program")));
    QCOMPARE(readAll(m_page), edited);
    QVERIFY(!QFile::exists(m_page + QStringLiteral(".bak")));
}

void TestPageEditor::supportFilesAreOfferedAndNeverOverwrittenUnasked() {
    const PageEditor editor(m_files, m_scripts);
    const PageEditor::Preview preview = editor.previewInsert(m_page, clockSnippet());
    QCOMPARE(preview.supportFiles,
             (QStringList{"clocks-am.svg", "clocks-digit0.svg", "clocks-digit1.svg"}));
    const QString mine = m_dir->filePath(QStringLiteral("site/clocks-am.svg"));
    writeAll(mine, "my own picture");
    QCOMPARE(editor.supportFilesPresent(preview), QStringList{"clocks-am.svg"});
    QCOMPARE(editor.supportFilesMissing(preview),
             (QStringList{"clocks-digit0.svg", "clocks-digit1.svg"}));

    QVERIFY(editor.copySupportFiles(preview, preview.supportFiles, false).ok);
    QCOMPARE(readAll(mine), QByteArray("my own picture"));
    QCOMPARE(readAll(m_dir->filePath(QStringLiteral("site/clocks-digit1.svg"))),
             QByteArray("clocks-digit1.svg"));
    QVERIFY(editor.copySupportFiles(preview, {"clocks-am.svg"}, true).ok);
    QCOMPARE(readAll(mine), QByteArray("clocks-am.svg"));
}

void TestPageEditor::newPagesNeverReplaceAnExistingFile() {
    const PageEditor editor(m_files, m_scripts);
    const QString path = m_dir->filePath(QStringLiteral("site/new.htm"));
    QVERIFY(editor.saveNewPage(path, QStringLiteral("<html>\u20AC</html>"), false).ok);
    QCOMPARE(readAll(path), QByteArray("<html>\xE2\x82\xAC</html>\n"));
    const PageEditor::Outcome again = editor.saveNewPage(path, QStringLiteral("<p>"), false);
    QVERIFY(!again.ok);
    QVERIFY(again.message.contains(QLatin1String("already exists")));
    QCOMPARE(readAll(path), QByteArray("<html>\xE2\x82\xAC</html>\n"));
}

QTEST_GUILESS_MAIN(TestPageEditor)
#include "tst_pageeditor.moc"
