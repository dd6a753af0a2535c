// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/frmwe.h"

#include "platform/appfolder.h"
#include "platform/shellopen.h"
#include "platform/twips.h"
#include "platform/uifonts.h"

#include "webtools/galleryitems.h"

#include "kit/appcontext.h"
#include "kit/windowregistry.h"

#include <QCoreApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPixmap>
#include <QTabBar>

namespace {

const QColor kPageGrey(224, 224, 224);

constexpr int kFrameLeft = 150;
constexpr int kFrameTop = 780;
constexpr int kFrameWidth = 5070;
constexpr int kFrameHeight = 4875;

// Icon and bullet pages: four columns, up to three rows (twips within the page).
constexpr int kColumnLefts[] = {180, 1440, 2820, 4080};
constexpr int kNumberTops[] = {240, 1500, 2880};
constexpr int kDownloadTops[] = {1020, 2400, 3780};
constexpr int kRuleTops[] = {1380, 2760, 4140};
constexpr int kDividerTops[] = {480, 1140, 1800, 2580, 3240, 3960};
constexpr int kNumberHeight = 180;
// The preview sits centred over the word "Download".
constexpr int kDownloadTextCentre = 28;

const char* const kBackNames[] = {"Label86", "Label87", "Label88", "Label89", "Label90"};

void makeTransparent(QLabel* label, const QColor& colour) {
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

GalleryLink::GalleryLink(const QString& text, bool underlined, QWidget* parent)
    : LinkLabel(text, parent) {
    QFont underlinedFont = font();
    underlinedFont.setUnderline(underlined);
    setFont(underlinedFont);
}

frmWE::frmWE(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context) {
    setObjectName(QStringLiteral("frmWE"));
    setFont(UiFonts::normal());
    setFixedSize(designedClientSize());

    // The tab strip: tabs along the top of a raised panel that the pages lie on.
    const QRect strip = Twips::rect(30, 180, 5280, 5715);
    m_tabStrip = new QTabBar(this);
    m_tabStrip->setObjectName(QStringLiteral("TabStrip1"));
    m_tabStrip->setDrawBase(false);
    m_tabStrip->setExpanding(false);
    m_tabStrip->setFont(UiFonts::normal());
    for (int page = 0; page < Gallery::PageCount; ++page) {
        m_tabStrip->addTab(Gallery::tabCaption(page));
        m_tabStrip->setTabData(page, Gallery::tabKey(page));
    }
    m_tabStrip->move(strip.topLeft() + QPoint(2, 0));
    m_tabStrip->resize(strip.width() - 4, m_tabStrip->sizeHint().height());
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("TabStrip1_panel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    const int tabBottom = m_tabStrip->geometry().bottom() - 1;
    panel->setGeometry(strip.left(), tabBottom, strip.width(), strip.bottom() + 1 - tabBottom);
    panel->lower();

    m_downloads.resize(Gallery::items().size());
    m_previews.resize(Gallery::items().size());
    m_numbers.resize(Gallery::items().size());
    for (int page = 0; page < Gallery::PageCount; ++page)
        buildPage(page);

    connect(m_tabStrip, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
    // Clicking the tab that is already selected is a click all the same.
    connect(m_tabStrip, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == m_tabStrip->currentIndex())
            TabStrip1_Click();
    });
}

QSize frmWE::designedClientSize() {
    return Twips::size(5415, 5955);
}

void frmWE::buildPage(int page) {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("ChoiceFrame_%1").arg(page));
    frame->setFrameStyle(QFrame::NoFrame);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, kPageGrey);
    frame->setPalette(palette);
    // Laid out side by side as on the drawing board; Form_Load stacks them.
    frame->setGeometry(
        Twips::rect(kFrameLeft + page * (kFrameWidth + 120), kFrameTop, kFrameWidth, kFrameHeight));
    m_frames.append(frame);

    const QList<GalleryItem>& items = Gallery::items();
    int onPage = 0;
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).page != page)
            continue;
        if (page == 4)
            addDivider(frame, i, items.at(i));
        else
            addItem(frame, i, items.at(i), onPage % 4, onPage / 4);
        ++onPage;
    }
    if (page != 4) {
        const int rows = (onPage + 3) / 4;
        for (int row = 0; row < rows; ++row) {
            auto* rule = new QFrame(frame);
            rule->setObjectName(QStringLiteral("Line_%1_%2").arg(page).arg(row));
            rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
            rule->setGeometry(Twips::rect(60, kRuleTops[row] - 15, kFrameWidth - 120, 30));
        }
    }

    auto* back = new GalleryLink(QCoreApplication::translate("frmWE", "<< Back"), false, frame);
    back->setObjectName(QString::fromLatin1(kBackNames[page]));
    back->setGeometry(Twips::rect(120, 4620, 795, 195));
    connect(back, &GalleryLink::clicked, this, &frmWE::back);
    m_backs.append(back);
}

void frmWE::addItem(QFrame* frame, int index, const GalleryItem& item, int column, int row) {
    const int left = Twips::toPixels(kColumnLefts[column]);

    auto* number = new QLabel(QStringLiteral("%1.").arg(item.number), frame);
    number->setObjectName(QStringLiteral("Number_%1").arg(item.pageName));
    number->setFont(UiFonts::normal());
    makeTransparent(number, Qt::black);
    number->setGeometry(Twips::rect(kColumnLefts[column], kNumberTops[row], 450, kNumberHeight));
    m_numbers[index] = number;

    auto* download = new GalleryLink(QCoreApplication::translate("frmWE", "Download"), true, frame);
    download->setObjectName(item.labelName);
    download->setGeometry(Twips::rect(kColumnLefts[column], kDownloadTops[row], 915, 195));
    connect(download, &GalleryLink::clicked, this, [this, index] { this->download(index); });
    m_downloads[index] = download;

    const int bandTop = number->geometry().bottom() + 1;
    const int band = download->y() - bandTop;
    auto* picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("Image_%1").arg(item.pageName));
    picture->setPixmap(QPixmap(item.picture));
    picture->setGeometry(qMax(left, left + kDownloadTextCentre - item.size.width() / 2),
                         bandTop + qMax(0, (band - item.size.height()) / 2), item.size.width(),
                         item.size.height());
    m_previews[index] = picture;
}

void frmWE::addDivider(QFrame* frame, int index, const GalleryItem& item) {
    // The dividers are wider than the page and are cut off at its right edge.
    const int top = Twips::toPixels(kDividerTops[item.number - 1]);
    auto* picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("Image_%1").arg(item.pageName));
    picture->setPixmap(QPixmap(item.picture));
    picture->setGeometry(Twips::toPixels(120), top, item.size.width(), item.size.height());
    m_previews[index] = picture;

    auto* download = new GalleryLink(QCoreApplication::translate("frmWE", "Download"), true, frame);
    download->setObjectName(item.labelName);
    download->setGeometry(Twips::toPixels(120), top + item.size.height() + 2, Twips::toPixels(915),
                          Twips::toPixels(195));
    connect(download, &GalleryLink::clicked, this, [this, index] { this->download(index); });
    m_downloads[index] = download;
}

void frmWE::Form_Load() {
    // The frame child is put at the frame's corner by the window registry.
    m_frames.first()->setGeometry(Twips::rect(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));
    for (int i = 1; i < m_frames.size(); ++i) {
        m_frames.at(i)->setGeometry(m_frames.first()->geometry());
        m_frames.at(i)->hide();
    }
    m_current = 1;
    {
        const QSignalBlocker quiet(m_tabStrip);
        m_tabStrip->setCurrentIndex(0);
    }
    m_frames.at(m_current - 1)->show();
}

void frmWE::TabStrip1_Click() {
    m_frames.at(m_current - 1)->hide();
    m_current = m_tabStrip->currentIndex() + 1;
    m_frames.at(m_current - 1)->show();
}

void frmWE::download(int index) {
    // Whether the desktop could open the page is not the gallery's concern.
    m_context.shell->open(Gallery::items().at(index).address(AppFolder::sampleBaseUrl()), this);
}

void frmWE::back() {
    m_context.windows->show(QStringLiteral("frmMain"));
    WindowRegistry::hideWindow(this);
}
