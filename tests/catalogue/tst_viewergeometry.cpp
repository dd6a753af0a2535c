// SPDX-License-Identifier: GPL-3.0-or-later
// Every viewer window, opened from the real catalogue, must keep its controls inside the
// window, its blocks apart and its texts readable.
#include "platform/appfolder.h"
#include "platform/twips.h"
#include "platform/uifonts.h"

#include "catalogue/scriptviewerwindow.h"
#include "catalogue/viewerfactory.h"
#include "catalogue/viewerlayout.h"

#include "kit/appcontext.h"
#include "kit/entryactions.h"
#include "model/catalogue.h"
#include "model/installedtext.h"
#include "support/guitest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

QRect px(int l, int t, int w, int h) {
    return Twips::rect(l, t, w, h);
}

// A text measure of fixed line height and width per character, for layouts that do not
// depend on fonts.
ViewerLayout::Measure fixedMeasure() {
    auto wrapped = [](const QString& text, int width) {
        if (text.isEmpty())
            return 0;
        const int perLine = width / 75; // 5 pixels per character
        return int((text.size() + perLine - 1) / perLine) * 195;
    };
    ViewerLayout::Measure m;
    m.description = wrapped;
    m.instruction = wrapped;
    m.code = [](const QString& code, int) {
        return int(code.count(QLatin1Char('\n')) + 1) * 195 + 210;
    };
    return m;
}

ScriptEntry makeEntry(int height, const QList<EntryBlock::Kind>& kinds, bool sample = true) {
    ScriptEntry e;
    e.formName = QStringLiteral("frmTest");
    e.height = height;
    if (sample)
        e.samplePage = QStringLiteral("Test/sub1.htm");
    for (EntryBlock::Kind kind : kinds) {
        EntryBlock b;
        b.kind = kind;
        b.instruction = EntryBlock::standardInstruction(kind);
        if (b.instruction.isEmpty() && kind != EntryBlock::Kind::C)
            b.instruction = QStringLiteral("Own words");
        if (kind != EntryBlock::Kind::N)
            b.code = QStringLiteral("line\nline\nline");
        e.blocks.append(b);
    }
    return e;
}

QRect blockArea(const ViewerLayout::Block& b) {
    return b.label.united(b.box);
}

} // namespace

class TestViewerGeometry : public GuiTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void standardWindowKeepsItsDesign();
    void longDescriptionMovesTheCodeDown();
    void boxesShrinkToTheFixedHeight();
    void topButtonNeverSitsOnTheDescription();
    void allViewerWindows();

private:
    Catalogue m_catalogue;
};

void TestViewerGeometry::initTestCase() {
    UiFonts::install();
    QVERIFY(m_catalogue.errors().isEmpty());
}

void TestViewerGeometry::standardWindowKeepsItsDesign() {
    ScriptEntry e = makeEntry(5580, {EntryBlock::Kind::B});
    e.description = QStringLiteral("Short.");
    const ViewerLayout l = ViewerLayout::compute(e, fixedMeasure());
    QCOMPARE(l.descriptionHeading, QRect(240, 300, 1035, 195));
    QCOMPARE(l.description, QRect(540, 600, 5295, 915));
    QCOMPARE(l.codeHeading, QRect(180, 1800, 1935, 195));
    QCOMPARE(l.blocks.at(0).label, QRect(660, 2100, 5475, 255));
    QCOMPARE(l.blocks.at(0).box, QRect(660, 2340, 5355, 1155));
    QCOMPARE(l.demoHeading, QRect(240, 4680, 1515, 255));
    QCOMPARE(l.link, QRect(1380, 4980, 3495, 375));
    QVERIFY(l.fits);

    // Without a sample page nothing else moves.
    e.samplePage.clear();
    const ViewerLayout n = ViewerLayout::compute(e, fixedMeasure());
    QVERIFY(n.demoHeading.isNull() && n.link.isNull());
    QCOMPARE(n.blocks.at(0).box, l.blocks.at(0).box);
}

void TestViewerGeometry::longDescriptionMovesTheCodeDown() {
    ScriptEntry e = makeEntry(5580, {EntryBlock::Kind::H, EntryBlock::Kind::B});
    e.description = QString(441, QLatin1Char('x')); // 8 lines of 60 characters
    const ViewerLayout l = ViewerLayout::compute(e, fixedMeasure());
    QVERIFY(l.description.height() >= fixedMeasure().description(e.description, 5295));
    QVERIFY(l.description.height() > 915);
    QCOMPARE(l.codeHeading.y(), l.description.bottom() + 1 + 285);
    QVERIFY(l.blocks.at(0).label.y() > l.codeHeading.bottom());
    QVERIFY(l.fits);

    // Even the shortest window keeps a usable box under the longest description.
    ScriptEntry shortest = makeEntry(2880, {EntryBlock::Kind::C}, false);
    shortest.description = e.description;
    const ViewerLayout s = ViewerLayout::compute(shortest, fixedMeasure());
    QVERIFY(s.fits);
    QVERIFY(s.blocks.at(0).box.y() > s.codeHeading.bottom());
    QVERIFY(s.blocks.at(0).box.bottom() < 2880);
}

void TestViewerGeometry::boxesShrinkToTheFixedHeight() {
    ScriptEntry e = makeEntry(
        5580, {EntryBlock::Kind::H, EntryBlock::Kind::N, EntryBlock::Kind::X, EntryBlock::Kind::B});
    for (EntryBlock& b : e.blocks)
        if (b.hasCodeBox())
            b.code = QString(QStringLiteral("x\n")).repeated(60);
    const ViewerLayout l = ViewerLayout::compute(e, fixedMeasure());
    QVERIFY(l.fits);
    int previousBottom = 0;
    for (const ViewerLayout::Block& b : l.blocks) {
        const QRect area = blockArea(b);
        QVERIFY(area.y() > previousBottom);
        QVERIFY(b.box.isNull() || b.box.height() >= ViewerLayout::minimumBoxHeight);
        QVERIFY(b.box.isNull() || b.box.y() - b.label.y() >= 240);
        previousBottom = area.bottom();
    }
    QVERIFY(previousBottom < l.demoHeading.y());
    QCOMPARE(l.link.y() - l.demoHeading.y(), 300);
    QCOMPARE(l.link.bottom() + 1, 5580 - 225);
}

void TestViewerGeometry::topButtonNeverSitsOnTheDescription() {
    ScriptEntry e = makeEntry(5580, {EntryBlock::Kind::H, EntryBlock::Kind::B});
    e.extraWindow = QStringLiteral("frmAdditionalImage6");
    e.description = QStringLiteral("short");
    ViewerLayout l = ViewerLayout::compute(e, fixedMeasure());
    QCOMPARE(l.extraButton, QRect(3720, 1200, 2295, 315));
    QVERIFY(!l.extraButton.intersects(l.description));
    e.description = QString(400, QLatin1Char('x'));
    l = ViewerLayout::compute(e, fixedMeasure());
    QVERIFY(!l.extraButton.intersects(l.description));
    QVERIFY(l.extraButton.y() > l.description.bottom());
    QVERIFY(l.codeHeading.y() > l.extraButton.bottom());
}

void TestViewerGeometry::allViewerWindows() {
    AppContext context;
    EntryActions actions;
    context.catalogue = &m_catalogue;
    context.entryActions = &actions;
    int exactStandard = 0;
    for (const ScriptEntry* entry : m_catalogue.entries()) {
        const QByteArray name = entry->formName.toUtf8();
        std::unique_ptr<QWidget> widget(ViewerFactory::createViewer(entry->formName, context));
        auto* window = qobject_cast<ScriptViewerWindow*>(widget.get());
        QVERIFY2(window, name.constData());
        QCOMPARE(window->size(), Twips::size(6420, entry->height));
        QCOMPARE(window->windowTitle(), entry->caption);
        const QRect client = window->rect();

        QList<QWidget*> visible;
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isHidden())
                continue;
            visible.append(child);
            QVERIFY2(client.contains(child->geometry()),
                     (name + ": " + child->objectName().toUtf8() + " outside").constData());
        }

        // Texts fit: wrapped labels their height, single-line captions their width.
        for (QLabel* label : window->findChildren<QLabel*>()) {
            const QByteArray what = name + ": " + label->objectName().toUtf8();
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         what.constData());
            else
                QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
                             label->width(),
                         what.constData());
        }
        if (QPushButton* button = window->extraButton()) {
            QVERIFY2(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 4 <=
                         button->width(),
                     name.constData());
        }

        // Blocks: each instruction label with its own box; no two blocks share a pixel, and
        // nothing else overlaps anything.
        QList<QRect> blocks;
        const auto boxes = window->codeBoxes();
        int boxIndex = 0;
        int labelIndex = 0;
        const bool single = entry->blocks.size() == 1;
        for (const EntryBlock& block : entry->blocks) {
            QRect area;
            if (block.hasInstruction()) {
                auto* label = window->findChild<QLabel*>(
                    single ? QStringLiteral("Label4")
                           : QStringLiteral("Label4_%1").arg(labelIndex++));
                QVERIFY2(label, name.constData());
                QCOMPARE(label->text(),
                         InstalledText::resolveText(block.instruction, AppFolder::sampleBaseUrl(),
                                                    AppFolder::scriptsFolder()));
                QCOMPARE(label->textFormat(), Qt::PlainText);
                area = label->geometry();
                visible.removeOne(label);
            }
            if (block.hasCodeBox()) {
                QPlainTextEdit* box = boxes.at(boxIndex++);
                QCOMPARE(box->objectName(), single ? QStringLiteral("Text1")
                                                   : QStringLiteral("Text1_%1").arg(boxIndex - 1));
                // Pointer entries show the installed address of a bundled page, not its path.
                QCOMPARE(box->toPlainText(),
                         InstalledText::resolveText(block.code, AppFolder::sampleBaseUrl(),
                                                    AppFolder::scriptsFolder()));
                QVERIFY2(box->height() >= Twips::toPixels(ViewerLayout::minimumBoxHeight),
                         name.constData());
                if (!area.isNull())
                    QVERIFY2(box->y() - area.y() >= Twips::toPixels(240), name.constData());
                area = area.united(box->geometry());
                visible.removeOne(box);
            }
            blocks.append(area);
        }
        QCOMPARE(boxIndex, boxes.size());
        visible.append(nullptr); // marks where the blocks start in the list below
        QList<QRect> areas;
        for (QWidget* w : visible)
            if (w)
                areas.append(w->geometry());
        areas.append(blocks);
        for (int i = 0; i < areas.size(); ++i)
            for (int j = i + 1; j < areas.size(); ++j)
                QVERIFY2(!areas.at(i).intersects(areas.at(j)),
                         (name + ": overlap " + QByteArray::number(i) + "/" + QByteArray::number(j))
                             .constData());
        for (int i = 1; i < blocks.size(); ++i)
            QVERIFY2(blocks.at(i).top() > blocks.at(i - 1).bottom(), name.constData());

        // The headings and the link.
        auto* demo = window->findChild<QLabel*>(QStringLiteral("Label1_2"));
        auto* link = window->findChild<QLabel*>(QStringLiteral("Label2"));
        QCOMPARE(demo != nullptr, entry->hasSample());
        QCOMPARE(link != nullptr, entry->hasSample());
        if (link) {
            QCOMPARE(link->y() - demo->y(), Twips::toPixels(300));
            QCOMPARE(link->text(), QStringLiteral("click here for sample page!"));
            QVERIFY(demo->y() > blocks.last().bottom());
        }
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Label1_1")) != nullptr,
                 entry->formName != QLatin1String("frmSecurity12"));
        const QString hiddenName = entry->formName.startsWith(QLatin1String("frmBrowser"))
                                       ? QStringLiteral("Text2")
                                       : QStringLiteral("txtURL");
        auto* address = window->findChild<QLineEdit*>(hiddenName);
        QVERIFY2(address && address->isHidden(), name.constData());
        QCOMPARE(ViewerLayout::buttonName(entry->extraWindow).isEmpty(), !window->extraButton());

        if (single && entry->height == 5580 && entry->hasSample() && entry->extraWindow.isEmpty() &&
            window->findChild<QLabel*>(QStringLiteral("Label3"))->height() ==
                Twips::toPixels(915) &&
            entry->blocks.first().hasInstruction() &&
            window->findChild<QLabel*>(QStringLiteral("Label4"))->height() ==
                Twips::toPixels(255)) {
            ++exactStandard;
            QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Label1_1"))->geometry(),
                     px(180, 1800, 1935, 195));
            QCOMPARE(boxes.first()->geometry(), px(660, 2340, 5355, 1155));
            QCOMPARE(link->geometry(), px(1380, 4980, 3495, 375));
        }
    }
    QVERIFY(exactStandard > 0);
    qInfo("%d windows have exactly the standard layout", exactStandard);
}

QTEST_MAIN(TestViewerGeometry)
#include "tst_viewergeometry.moc"
