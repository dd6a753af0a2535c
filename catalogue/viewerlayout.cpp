// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/viewerlayout.h"

#include "model/secondarywindows.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

constexpr int kLineHeight = 195;          // one line of the 8.25 pt labels
constexpr int kStandardDescription = 915; // the description's height in the standard window
constexpr int kHeadingBelowDescription = 285;
constexpr int kFirstBlockBelowHeading = 300;
constexpr int kBoxBelowSingleLine = 240;
constexpr int kLabelHeight = 255;
constexpr int kDemoHeadingFromBottom = 900;
constexpr int kLinkFromBottom = 600;
constexpr int kGapAboveDemoHeading = 180;
constexpr int kMarginWithoutLink = 240;
constexpr int kButtonBelowDescription = 60;

// Twips are kept on whole pixels so that no two rectangles touch after rounding.
int pixelCeil(int twips) {
    return (twips + 14) / 15 * 15;
}

// The largest common cap (on whole pixels, at least the minimum) that makes the boxes fit.
QList<int> shrinkToFit(const QList<int>& preferred, int available, bool* fits) {
    int total = 0;
    for (int p : preferred)
        total += p;
    *fits = true;
    if (total <= available)
        return preferred;
    int cap = *std::max_element(preferred.begin(), preferred.end());
    auto sumWithCap = [&preferred](int c) {
        int sum = 0;
        for (int p : preferred)
            sum += std::min(p, c);
        return sum;
    };
    while (cap > ViewerLayout::minimumBoxHeight && sumWithCap(cap) > available)
        cap -= 15;
    cap = std::max(cap, ViewerLayout::minimumBoxHeight);
    if (sumWithCap(cap) > available)
        *fits = false;
    QList<int> result;
    for (int p : preferred)
        result.append(std::min(p, cap));
    return result;
}

bool isTopButton(const QString& extraWindow) {
    const SecondaryWindowDesign* design = SecondaryWindows::find(extraWindow);
    return design && design->buttonBesideDescription;
}

} // namespace

QRect ViewerLayout::designedButton(const QString& extraWindow) {
    const SecondaryWindowDesign* design = SecondaryWindows::find(extraWindow);
    return design ? design->button : QRect();
}

QString ViewerLayout::buttonCaption(const QString& extraWindow) {
    const SecondaryWindowDesign* design = SecondaryWindows::find(extraWindow);
    return design ? QCoreApplication::translate("ViewerLayout", design->buttonCaption) : QString();
}

QString ViewerLayout::buttonName(const QString& extraWindow) {
    const SecondaryWindowDesign* design = SecondaryWindows::find(extraWindow);
    return design ? design->buttonName : QString();
}

namespace {

// Spacing between the parts of the window; the compact set is for texts that would
// otherwise leave the code boxes too little room.
struct Spacing {
    int headingBelowDescription;
    int firstBlockBelowHeading;
    int gapAboveDemoHeading;
    int marginWithoutLink;
};
constexpr Spacing kDesigned{kHeadingBelowDescription, kFirstBlockBelowHeading, kGapAboveDemoHeading,
                            kMarginWithoutLink};
constexpr Spacing kCompact{150, 240, 90, 120};

// Places the description, the extra button beside it and the code heading; returns where the
// first block starts.
int placeTop(const ScriptEntry& entry, const ViewerLayout::Measure& measure, int descriptionMinimum,
             const Spacing& spacing, ViewerLayout* layout) {
    layout->descriptionHeading = QRect(240, 300, 1035, 195);
    const int descriptionText = pixelCeil(std::max(
        kLineHeight, measure.description(entry.description, ViewerLayout::descriptionWidth)));
    const QRect designedButton = ViewerLayout::designedButton(entry.extraWindow);
    const bool topButton = isTopButton(entry.extraWindow);
    // A button beside the description must not sit on its text, so there the label is
    // exactly as tall as its text and the button moves down when the text reaches it.
    const int descriptionHeight =
        topButton ? descriptionText : std::max(descriptionText, descriptionMinimum);
    layout->description = QRect(540, 600, ViewerLayout::descriptionWidth, descriptionHeight);
    int top = layout->description.y() + descriptionHeight;
    if (!designedButton.isNull()) {
        layout->extraButton = designedButton;
        if (topButton) {
            layout->extraButton.moveTop(
                std::max(designedButton.y(), top + kButtonBelowDescription));
            top = std::max(top, layout->extraButton.y() + layout->extraButton.height());
        }
    }
    // A window without a code heading shows its box right under the description.
    if (!entry.quirks.codeHeading)
        return top + 180;
    layout->codeHeading = QRect(180, top + spacing.headingBelowDescription, 1935, 195);
    return layout->codeHeading.y() + spacing.firstBlockBelowHeading;
}

// Places the sample link (or the lower extra button); returns where the code area ends.
int placeBottom(const ScriptEntry& entry, const Spacing& spacing, ViewerLayout* layout) {
    const int height = entry.height;
    int areaBottom = height - spacing.marginWithoutLink;
    if (entry.hasSample()) {
        layout->demoHeading = QRect(240, height - kDemoHeadingFromBottom, 1515, 255);
        layout->link = QRect(1380, height - kLinkFromBottom, 3495, 375);
        areaBottom = layout->demoHeading.y() - spacing.gapAboveDemoHeading;
    }
    if (!layout->extraButton.isNull() && !isTopButton(entry.extraWindow))
        areaBottom = std::min(areaBottom, layout->extraButton.y() - ViewerLayout::blockGap);
    return areaBottom;
}

// What a block needs besides its box, and how tall its box would like to be.
struct Pending {
    int labelHeight = 0;
    int boxOffset = 0;
    bool box = false;
};

QList<Pending> measureBlocks(const ScriptEntry& entry, const ViewerLayout::Measure& measure,
                             QList<int>* preferred, int* fixed) {
    QList<Pending> pending;
    const bool single = entry.blocks.size() == 1;
    *fixed = 0;
    for (const EntryBlock& block : entry.blocks) {
        Pending p;
        if (block.hasInstruction()) {
            const int text = pixelCeil(
                std::max(kLineHeight,
                         measure.instruction(block.instruction, ViewerLayout::instructionWidth)));
            p.labelHeight = std::max(kLabelHeight, text);
            p.boxOffset = block.hasCodeBox() ? std::max(kBoxBelowSingleLine, text + 45) : 0;
        }
        p.box = block.hasCodeBox();
        if (p.box) {
            *fixed += p.boxOffset;
            int want = ViewerLayout::standardBoxHeight;
            if (!single)
                want = std::clamp(pixelCeil(measure.code(block.code, ViewerLayout::codeBoxWidth)),
                                  ViewerLayout::minimumBoxHeight, ViewerLayout::maximumBoxHeight);
            preferred->append(want);
        } else {
            *fixed += p.labelHeight;
        }
        pending.append(p);
    }
    *fixed += ViewerLayout::blockGap * int(std::max<qsizetype>(0, entry.blocks.size() - 1));
    return pending;
}

void placeBlocks(const QList<Pending>& pending, const QList<int>& boxes, int y,
                 ViewerLayout* layout) {
    int boxIndex = 0;
    for (const Pending& p : pending) {
        ViewerLayout::Block block;
        if (p.labelHeight > 0)
            block.label =
                QRect(ViewerLayout::blockLeft, y, ViewerLayout::instructionWidth, p.labelHeight);
        if (p.box) {
            block.box = QRect(ViewerLayout::blockLeft, y + p.boxOffset, ViewerLayout::codeBoxWidth,
                              boxes.at(boxIndex++));
            y = block.box.y() + block.box.height();
        } else {
            y += p.labelHeight;
        }
        y += ViewerLayout::blockGap;
        layout->blocks.append(block);
    }
}

// Everything but the boxes has a fixed height; the boxes share what is left.
ViewerLayout layoutWith(const ScriptEntry& entry, const ViewerLayout::Measure& measure,
                        int descriptionMinimum, const Spacing& spacing, bool* shrunk) {
    ViewerLayout layout;
    layout.client = QSize(ViewerLayout::clientWidth, entry.height);
    const int y = placeTop(entry, measure, descriptionMinimum, spacing, &layout);
    const int areaBottom = placeBottom(entry, spacing, &layout);
    QList<int> preferred;
    int fixed = 0;
    const QList<Pending> pending = measureBlocks(entry, measure, &preferred, &fixed);
    const QList<int> boxes = shrinkToFit(preferred, areaBottom - y - fixed, &layout.fits);
    *shrunk = boxes != preferred;
    placeBlocks(pending, boxes, y, &layout);
    return layout;
}

} // namespace

ViewerLayout ViewerLayout::compute(const ScriptEntry& entry, const Measure& measure) {
    bool shrunk = false;
    ViewerLayout roomy = layoutWith(entry, measure, kStandardDescription, kDesigned, &shrunk);
    if (!shrunk)
        return roomy;
    // Short windows give the description only the lines it needs, so the code keeps its room.
    ViewerLayout tight = layoutWith(entry, measure, 0, kDesigned, &shrunk);
    if (tight.fits)
        return tight;
    return layoutWith(entry, measure, 0, kCompact, &shrunk);
}
