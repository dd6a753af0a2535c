// SPDX-License-Identifier: GPL-3.0-or-later
// The web elements gallery inside the whole program, driven with the mouse.
#include "platform/appfolder.h"
#include "platform/twips.h"

#include "shell/application.h"
#include "shell/frmmain.h"
#include "webtools/frmwe.h"
#include "webtools/galleryitems.h"

#include "kit/applifecycle.h"
#include "kit/windowregistry.h"
#include "support/guitest.h"
#include "support/testprogram.h"

#include <QFileInfo>
#include <QFrame>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabBar>
#include <QUrl>
#include <QtTest>

#include <memory>

namespace {

struct Program : TestProgram {
    frmWE* gallery() { return qobject_cast<frmWE*>(windows()->find(QStringLiteral("frmWE"))); }
    bool shown(QWidget* window) { return isShown(window); }
    void clickButton(const char* name) {
        auto* button = app->mainWindow()->findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void triggerMenu(const char* name) {
        QAction* action = menuAction(name);
        QVERIFY(action);
        action->trigger();
    }
};

void clickTab(QTabBar* tabs, int index) {
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

void clickLabel(QWidget* label) {
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
}

// Exactly one page is visible, and it is the selected tab's.
void verifyOnePage(frmWE* gallery) {
    const int selected = gallery->TabStrip1()->currentIndex();
    QCOMPARE(gallery->currentTab(), selected + 1);
    for (int page = 0; page < Gallery::PageCount; ++page)
        QCOMPARE(gallery->ChoiceFrame(page)->isVisible(), page == selected);
}

} // namespace

class TestGallery : public GuiTest {
    Q_OBJECT
private slots:
    void openingFromButtonHidesMainButMenuDoesNot();
    void windowAndTabStripAsDesigned();
    void tabClicksAlwaysLeaveOnePage();
    void backKeepsThePageForTheNextOpening();
    void everyDownloadOpensItsOwnExistingPage();
    void previewsHaveTheirListedSizes();
};

void TestGallery::openingFromButtonHidesMainButMenuDoesNot() {
    Program program;
    program.triggerMenu("mnuElements");
    QVERIFY(program.shown(program.gallery()));
    QVERIFY(program.shown(program.app->mainWindow()));

    clickLabel(program.gallery()->backLabel(0));
    QVERIFY(!program.shown(program.gallery()));
    QVERIFY(program.windows()->find(QStringLiteral("frmWE"))); // hidden, not destroyed

    program.clickButton("Command1");
    QVERIFY(program.shown(program.gallery()));
    QVERIFY(!program.shown(program.app->mainWindow()));
    clickLabel(program.gallery()->backLabel(0));
    QVERIFY(program.shown(program.app->mainWindow()));
    QVERIFY(!program.shown(program.gallery()));
}

void TestGallery::windowAndTabStripAsDesigned() {
    Program program;
    program.triggerMenu("mnuElements");
    frmWE* gallery = program.gallery();
    QCOMPARE(gallery->size(), Twips::size(5415, 5955));
    QCOMPARE(WindowRegistry::subWindowOf(gallery)->pos(), QPoint(0, 0));

    const QStringList captions{"Icons 1", "Icons 2", "Bullets 1", "Bullets 2", "Dividers"};
    const QStringList keys{"icon1", "icon2", "bullet1", "bullet2", "divider"};
    QTabBar* tabs = gallery->TabStrip1();
    QCOMPARE(tabs->count(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(tabs->tabText(i), captions.at(i));
        QCOMPARE(tabs->tabData(i).toString(), keys.at(i));
        // All pages lie on the first page's place.
        QCOMPARE(gallery->ChoiceFrame(i)->geometry(), Twips::rect(150, 780, 5070, 4875));
        QCOMPARE(gallery->ChoiceFrame(i)->palette().color(QPalette::Window), QColor(224, 224, 224));
        QLabel* back = gallery->backLabel(i);
        QCOMPARE(back->objectName(), QStringLiteral("Label%1").arg(86 + i));
        QCOMPARE(back->text(), QStringLiteral("<< Back"));
        QCOMPARE(back->geometry(), Twips::rect(120, 4620, 795, 195));
        QVERIFY(back->font().bold() && !back->font().underline());
    }
    verifyOnePage(gallery);
    QCOMPARE(gallery->currentTab(), 1);
}

void TestGallery::tabClicksAlwaysLeaveOnePage() {
    Program program;
    program.triggerMenu("mnuElements");
    frmWE* gallery = program.gallery();
    // The same tab twice, every neighbour, then a long random walk.
    QList<int> sequence{0, 0, 1, 2, 2, 3, 4, 4, 0, 4, 1};
    QRandomGenerator random(8);
    for (int i = 0; i < 60; ++i)
        sequence.append(int(random.bounded(5)));
    for (int tab : sequence) {
        clickTab(gallery->TabStrip1(), tab);
        QCOMPARE(gallery->TabStrip1()->currentIndex(), tab);
        verifyOnePage(gallery);
    }
}

void TestGallery::backKeepsThePageForTheNextOpening() {
    Program program;
    program.clickButton("Command1");
    frmWE* gallery = program.gallery();
    clickTab(gallery->TabStrip1(), 3);
    clickLabel(gallery->backLabel(3));
    QVERIFY(!program.shown(gallery));

    program.triggerMenu("mnuElements");
    QCOMPARE(program.gallery(), gallery);
    QCOMPARE(gallery->TabStrip1()->tabText(gallery->TabStrip1()->currentIndex()),
             QStringLiteral("Bullets 2"));
    verifyOnePage(gallery);

    // Closed and opened again, it starts over on the first page.
    WindowRegistry::closeWindow(gallery);
    QTRY_VERIFY(!program.gallery());
    program.triggerMenu("mnuElements");
    QCOMPARE(program.gallery()->currentTab(), 1);
    verifyOnePage(program.gallery());
}

void TestGallery::everyDownloadOpensItsOwnExistingPage() {
    Program program;
    program.triggerMenu("mnuElements");
    frmWE* gallery = program.gallery();
    const QList<GalleryItem>& items = Gallery::items();
    QCOMPARE(items.size(), 46);
    QSet<QString> addresses;
    for (int i = 0; i < items.size(); ++i) {
        const GalleryItem& item = items.at(i);
        clickTab(gallery->TabStrip1(), item.page);
        GalleryLink* label = gallery->downloadLabel(i);
        QCOMPARE(label->objectName(), item.labelName);
        QCOMPARE(label->text(), QStringLiteral("Download"));
        QVERIFY(label->isVisible());
        QVERIFY(label->font().bold() && label->font().underline());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(label->size(), Twips::size(915, 195));

        program.shell.result = (i % 2 == 0); // a failing shell changes nothing
        clickLabel(label);
        QCOMPARE(program.shell.opened.size(), i + 1);
        const QString address = program.shell.opened.last();
        QCOMPARE(program.shell.owners.last(), gallery);
        QCOMPARE(address, AppFolder::sampleBaseUrl() + QStringLiteral("/tagloom/icons/") +
                              item.pageName + QStringLiteral(".htm"));
        addresses.insert(address);
        const QString file = QUrl(address).toLocalFile();
        QVERIFY2(QFileInfo::exists(file), qPrintable(file));
        QVERIFY(program.shown(gallery));
        QVERIFY(program.messages.shown.isEmpty());
    }
    QCOMPARE(addresses.size(), 46);
    QVERIFY(program.shell.opened.first().endsWith(QLatin1String("/tagloom/icons/images1.htm")));
    QVERIFY(program.shell.opened.last().endsWith(QLatin1String("/tagloom/icons/dividers6.htm")));
}

void TestGallery::previewsHaveTheirListedSizes() {
    Program program;
    program.triggerMenu("mnuElements");
    frmWE* gallery = program.gallery();
    const QList<GalleryItem>& items = Gallery::items();
    for (int i = 0; i < items.size(); ++i) {
        const GalleryItem& item = items.at(i);
        QLabel* preview = gallery->preview(i);
        QCOMPARE(preview->pixmap().size(), item.size);
        QCOMPARE(preview->size(), item.size);
        QCOMPARE(preview->parentWidget(), gallery->ChoiceFrame(item.page));
        QLabel* download = gallery->downloadLabel(i);
        QVERIFY2(preview->geometry().bottom() < download->y(), qPrintable(item.pageName));
        if (item.page == 4)
            continue;
        // Four to a row: the number above the picture, the link below.
        QLabel* number = gallery->numberLabel(i);
        QCOMPARE(number->text(), QStringLiteral("%1.").arg(item.number));
        QVERIFY2(number->geometry().bottom() < preview->y(), qPrintable(item.pageName));
        QCOMPARE(number->x(), download->x());
        const int column = (item.number - 1) % 4;
        const int lefts[] = {180, 1440, 2820, 4080};
        QCOMPARE(download->x(), Twips::toPixels(lefts[column]));
    }
}

QTEST_MAIN(TestGallery)
#include "tst_gallery.moc"
