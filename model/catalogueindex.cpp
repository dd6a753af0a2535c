// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogueindex.h"

#include <QHash>

#include <array>

namespace CatalogueIndex {

namespace {

struct CategoryRow {
    const char16_t* caption;
    const char16_t* folder;
};

constexpr std::array<CategoryRow, 17> kCategories{{
    {u"Status Bar Effects", u"StatusBar"},
    {u"Text Effects", u"TextEffects"},
    {u"Image and Sound Effects", u"ImageSound"},
    {u"Links Effects", u"Links"},
    {u"Mouse Cursors", u"MouseCursors"},
    {u"Random Effects", u"Random"},
    {u"Forms and Form Related", u"Forms"},
    {u"Math & Arithmetic Related", u"MathRelated"},
    {u"Clocks and Dates", u"Clocks"},
    {u"Security", u"Security"},
    {u"Search Engines", u"SearchEngines"},
    {u"Browser Window", u"Browser"},
    {u"Menus & Navigation Systems", u"Menus"},
    {u"Redirection", u"Redirection"},
    {u"Display User Information", u"UserInfo"},
    {u"Other", u"Other"},
    {u"My Scripts!", u""},
}};

struct TitleRow {
    int category;
    const char16_t* title;
    const char16_t* window;
};

// Titles are kept exactly as users know them, misspellings included.
constexpr TitleRow kTitles[] = {
    // 0
    {0, u"Status Bar Decrypter", u"frmStatus1"},
    {0, u"Slowly Coming Together Status Bar", u"frmStatus2"},
    {0, u"Typewriter Status Scroller", u"frmStatus3"},
    {0, u"Typewriter 'Title' Scroller", u"frmStatus4"},
    {0, u"Status Bar Scroller", u"frmStatus5"},
    {0, u"Status Bar Bubble Writing", u"frmStatus6"},
    {0, u"Flashing Status Bar", u"frmStatus7"},
    // 1
    {1, u"Roller Coaster Text", u"frmText1"},
    {1, u"Backwards Text", u"frmText2"},
    {1, u"Uphill Text", u"frmText3"},
    {1, u"Neon Lights Text", u"frmText4"},
    {1, u"Zooming Text Animation", u"frmText5"},
    {1, u"Text Alert", u"frmText6"},
    {1, u"Ticker Form Text", u"frmText7"},
    {1, u"Falling Text", u"frmText8"},
    {1, u"3D Text", u"frmText9"},
    {1, u"Shockwave Text", u"frmText10"},
    {1, u"Always on top Text", u"frmText11"},
    {1, u"Bouncy Message", u"frmText12"},
    {1, u"Typewriter Scroller", u"frmText13"},
    {1, u"Text Moving in Button *", u"frmText14"},
    {1, u"Dynamic Fader *", u"frmText15"},
    {1, u"ASCII Graphical Text *", u"frmText16"},
    // 2
    {2, u"Random Background Image", u"frmimage1"},
    {2, u"Different Background according to Time of Day", u"frmimage2"},
    {2, u"Photo Slider", u"frmimage3"},
    {2, u"Slide Show", u"frmimage4"},
    {2, u"Slide Show with Preloader", u"frmimage5"},
    {2, u"Drop Down Image Selector", u"frmimage6"},
    {2, u"Drop Down Image Selector 2", u"frmimage7"},
    {2, u"Pop-Up Image Selector", u"frmimage8"},
    {2, u"OnMouseOver Sound Effect", u"frmimage9"},
    {2, u"Midi Jukebox", u"frmimage10"},
    {2, u"Day-of-the-week Image Displayer", u"frmimage12"},
    {2, u"Random Background music player", u"frmimage13"},
    {2, u"Random Image", u"frmimage14"},
    {2, u"What's New! Image", u"frmimage15"},
    {2, u"Shake Image", u"frmimage16"},
    {2, u"Preload Image with Progress Bar", u"frmimage17"},
    {2, u"Dragable Elements!", u"frmimage18"},
    {2, u"Web Page Fireworks *", u"frmimage19"},
    {2, u"Web Page Fireworks II *", u"frmimage20"},
    {2, u"Splash Screen *", u"frmimage21"},
    {2, u"Web Page Stars *", u"frmimage22"},
    {2, u"Curtain Effects *", u"frmimage23"},
    {2, u"Snow Effect *", u"frmimage24"},
    {2, u"Bubble Effect *", u"frmimage25"},
    {2, u"Alien Spacecraft *", u"frmimage26"},
    {2, u"Ball Drop *", u"frmimage27"},
    {2, u"Scrolling Background *", u"frmimage28"},
    {2, u"Bouncing Image *", u"frmimage29"},
    {2, u"Rain *", u"frmimage30"},
    {2, u"Stubborn Image *", u"frmimage31"},
    {2, u"Background Color Selector *", u"frmimage32"},
    // 3
    {3, u"OnMouseOver Rollover", u"frmlinks1"},
    {3, u"Reload Link", u"frmlinks2"},
    {3, u"Print Link", u"frmlinks3"},
    {3, u"Random Link of the Day", u"frmlinks4"},
    {3, u"Follow Link upon MouseOver", u"frmlinks5"},
    {3, u"Spin the Wheel of Links", u"frmlinks6"},
    {3, u"View Page Source", u"frmlinks7"},
    {3, u"Go Back in History Link", u"frmlinks8"},
    {3, u"Flashing Links", u"frmlinks9"},
    {3, u"Tooltips", u"frmlinks10"},
    {3, u"Back to Home Keyboard Key", u"frmlinks11"},
    {3, u"Add to Favorites", u"frmlinks12"},
    {3, u"Make browser startup page", u"frmlinks13"},
    {3, u"Radio Button Warp *", u"frmlinks14"},
    {3, u"Textual Tooltip 2 *", u"frmlinks15"},
    {3, u"Fill in Email Subject Fields *", u"frmlinks16"},
    // 4
    {4, u"Cursor Trail", u"frmcursor1"},
    {4, u"Sparkler", u"frmcursor2"},
    {4, u"Swirling cursor Tail", u"frmcursor3"},
    {4, u"Roaming Cursor", u"frmcursor4"},
    {4, u"Magic Wand Cursor", u"frmcursor5"},
    {4, u"Cursor Trail Text", u"frmcursor6"},
    {4, u"Cursor Trail Text 2", u"frmcursor7"},
    {4, u"Elastic Tail Cursor", u"frmcursor8"},
    {4, u"Sniper Target Effect *", u"frmcursor9"},
    {4, u"Dancing Stars *", u"frmcursor10"},
    // 5
    {5, u"Random Link Generator", u"frmrandom1"},
    {5, u"Excellent Link Generator", u"frmrandom2"},
    {5, u"Random Quote (out of 3)", u"frmrandom3"},
    {5, u"Random Motivational Quote (out of 30)", u"frmrandom4"},
    {5, u"Random Quote in Form Box", u"frmrandom5"},
    // 6
    {6, u"Clear Form Field Value on Click!", u"frmforms1"},
    {6, u"Select All Form Value Script", u"frmforms2"},
    {6, u"Max # of Words Check", u"frmforms3"},
    {6, u"Max # of Characters Check", u"frmforms4"},
    {6, u"Loose Email Check", u"frmforms5"},
    {6, u"Advanced Email Check", u"frmforms6"},
    {6, u"Number Check", u"frmforms7"},
    {6, u"Current Date in Form Script", u"frmforms8"},
    {6, u"Undeletable Text", u"frmforms9"},
    {6, u"Email from Site", u"frmfrmforms10"},
    {6, u"Is Form Filled In?", u"frmforms11"},
    {6, u"Repossessed Form Box *", u"frmforms12"},
    {6, u"Triple Combo *", u"frmforms13"},
    {6, u"Drop Down Messages *", u"frmforms14"},
    // 7
    {7, u"Fake Counter Script!", u"frmMath1"},
    {7, u"Chmod Calculator", u"frmMath2"},
    {7, u"Javascript Dice Simulator", u"frmMath3"},
    {7, u"GPA Calculator", u"frmMath4"},
    {7, u"Numbers Converter", u"frmMath5"},
    {7, u"Decimal to Binary Converter", u"frmMath6"},
    {7, u"Scientific Calculator", u"frmMath7"},
    {7, u"Required Download Time Calculator", u"frmMath8"},
    {7, u"Calorie Calculator", u"frmMath9"},
    // 8
    {8, u"Corner Live Clock", u"frmClock1"},
    {8, u"Current Full Date", u"frmClock2"},
    {8, u"Current Date", u"frmClock3"},
    {8, u"Status Bar Date and Time Displayer", u"frmClock4"},
    {8, u"Live clock using Images", u"frmClock5"},
    {8, u"Live Date", u"frmClock6"},
    {8, u"Live Text Clock", u"frmClock7"},
    {8, u"Title Time", u"frmClock8"},
    {8, u"Title Date", u"frmClock9"},
    {8, u"Count Down then Redirect", u"frmClock10"},
    {8, u"Time spent on Web Page", u"frmClock11"},
    {8, u"Count Down to any Date", u"frmClock12"},
    {8, u"Count-up", u"frmClock13"},
    {8, u"Plain English Time *", u"frmClock14"},
    {8, u"Today's Date! *", u"frmClock15"},
    {8, u"Display Web page URL and Time *", u"frmClock16"},
    {8, u"StarTrek Date *", u"frmClock17"},
    {8, u"Current Year *", u"frmClock18"},
    {8, u"Curent Year: Day Highlighted *", u"frmClock19"},
    {8, u"Alarm Clock *", u"frmClock20"},
    {8, u"World Clock *", u"frmClock21"},
    // 9
    {9, u"Encrypted Password Generator", u"frmSecurity1"},
    {9, u"Multiple Logins Screen", u"frmSecurity2"},
    {9, u"Gate Keeper", u"frmSecurity3"},
    {9, u"Password Protect a Page", u"frmSecurity4"},
    {9, u"Login and Password Script", u"frmSecurity5"},
    {9, u"Advanced Login and Password Script", u"frmSecurity6"},
    {9, u"Keypad Password", u"frmSecurity7"},
    {9, u"Login and Password Script 2 *", u"frmSecurity8"},
    {9, u"Source Code Encrypter *", u"frmSecurity9"},
    {9, u"Password Generator *", u"frmSecurity10"},
    {9, u"Virginere Encrypter *", u"frmSecurity11"},
    {9, u"Veilcoder72 *", u"frmSecurity12"},
    // 10
    {10, u"Red Rose Search Engine", u"frmSearch1"},
    {10, u"Orlun's Search Engine", u"frmSearch2"},
    {10, u"all-in-one Search Engine", u"frmSearch3"},
    {10, u"Internal Site Search (IE)", u"frmSearch4"},
    {10, u"Internal Site Search (Netscape)", u"frmSearch5"},
    {10, u"XSearch", u"frmSearch7"},
    {10, u"Site Search 1", u"frmSearch8"},
    {10, u"Site Search 2", u"frmSearch6"},
    {10, u"Awesome Search Engine", u"frmSearch9"},
    {10, u"Site Search", u"frmSearch10"},
    // 11
    {11, u"Top-Down Window Scroller", u"frmBrowser1"},
    {11, u"Left-Right Window Scroller", u"frmBrowser2"},
    {11, u"Pop-Up Window Generator", u"frmBrowser3"},
    {11, u"Mini Window Script", u"frmBrowser4"},
    {11, u"Collapsible Left Frame", u"frmBrowser5"},
    {11, u"AutoCentering Pop-up Menu", u"frmBrowser6"},
    {11, u"Full Screen Window Opener", u"frmBrowser7"},
    {11, u"Animated Window Opener", u"frmBrowser8"},
    {11, u"Timed Close Window Script", u"frmBrowser9"},
    {11, u"Break out of Frames", u"frmBrowser10"},
    {11, u"Auto Maximize Window *", u"frmBrowser11"},
    {11, u"Colored Scrollbars *", u"frmBrowser12"},
    {11, u"Close Window Button *", u"frmBrowser13"},
    {11, u"Window Mover *", u"frmBrowser14"},
    // 12
    {12, u"Pull Down Menu", u"frmMenus2"},
    {12, u"Slide-In Menu Bar", u"frmMenus3"},
    {12, u"Slide-In Links", u"frmMenus4"},
    {12, u"Top Navigational Bar", u"frmMenus5"},
    {12, u"Static Menu Script", u"frmMenus6"},
    {12, u"Static Menu Script 2", u"frmMenus7"},
    {12, u"Static Menu Script 3", u"frmMenus8"},
    {12, u"Scrollable Menu Links", u"frmMenus9"},
    {12, u"Pop-up 3.0", u"frmMenus10"},
    {12, u"Smart Folding Menu Tree", u"frmMenus11"},
    {12, u"overLIB Pop-ups", u"frmMenus12"},
    {12, u"Microsoft Outlook Bar", u"frmMenus13"},
    {12, u"Portable Menu", u"frmMenus14"},
    {12, u"Remote Control", u"frmMenus15"},
    {12, u"Frame Navigation", u"frmMenus16"},
    {12, u"Must Visit Page *", u"frmMenus17"},
    {12, u"Tavros' Slide-in Menu *", u"frmMenus18"},
    // 13
    {13, u"HTML Redirect", u"frmRedirect1"},
    {13, u"Redirect with Link", u"frmRedirect2"},
    {13, u"Screen Size Redirect", u"frmRedirect3"},
    {13, u"Delay Load", u"frmRedirect4"},
    {13, u"Good Bye Page", u"frmRedirect5"},
    {13, u"Browser Check Redirection", u"frmRedirect6"},
    {13, u"Language Detect *", u"frmRedirect7"},
    {13, u"Fairwell Window *", u"frmRedirect8"},
    // 14
    {14, u"Browser Information", u"frmUserInfo1"},
    {14, u"Browser Name", u"frmUserInfo2"},
    {14, u"Browser Properties", u"frmUserInfo3"},
    {14, u"Visitor's Host Name (Computer Name)", u"frmUserInfo4"},
    {14, u"Browser Version", u"frmUserInfo5"},
    {14, u"Screen Resolution", u"frmUserInfo6"},
    {14, u"IP Grabber", u"frmUserInfo7"},
    {14, u"Visitor Monitor", u"frmUserInfo8"},
    {14, u"User Report", u"frmUserInfo9"},
    {14, u"User's Past History *", u"frmUserInfo10"},
    // 15
    {15, u"Drive Viewer (A, C, D...)", u"frmOther1"},
    {15, u"Born Which Day", u"frmOther2"},
    {15, u"ICQ Status", u"frmOther3"},
    {15, u"Virus Alert!", u"frmOther4"},
    {15, u"User Quiz", u"frmOther5"},
    {15, u"Psycho Button", u"frmOther6"},
    {15, u"Page Cache Remover", u"frmOther7"},
    {15, u"Javascript Error Remover", u"frmOther8"},
};

struct Index {
    QList<Title> titles;
    QHash<QString, int> byTitle; // first row of each title
    QHash<QString, int> byWindow;
};

const Index& index() {
    static const Index built = [] {
        Index result;
        for (const TitleRow& row : kTitles) {
            const int position = int(result.titles.size());
            result.titles.append(
                Title{row.category, QString::fromUtf16(row.title), QString::fromUtf16(row.window)});
            if (!result.byTitle.contains(result.titles.last().title))
                result.byTitle.insert(result.titles.last().title, position);
            result.byWindow.insert(result.titles.last().window, position);
        }
        return result;
    }();
    return built;
}

} // namespace

int categoryCount() {
    return int(kCategories.size());
}

int catalogueCategoryCount() {
    return int(kCategories.size()) - 1;
}

Category category(int i) {
    if (i < 0 || i >= categoryCount())
        return {};
    return Category{i, QString::fromUtf16(kCategories[size_t(i)].caption),
                    QString::fromUtf16(kCategories[size_t(i)].folder)};
}

const QList<Title>& titles() {
    return index().titles;
}

QStringList titlesOf(int categoryIndex) {
    QStringList result;
    for (const Title& title : index().titles) {
        if (title.category == categoryIndex)
            result.append(title.title);
    }
    return result;
}

QString windowOf(const QString& text) {
    // Titles are unique, so the hash gives the same answer as a scan in catalogue order.
    const auto it = index().byTitle.constFind(text);
    return it == index().byTitle.constEnd() ? QString() : index().titles.at(*it).window;
}

const Title* findWindow(const QString& window) {
    const auto it = index().byWindow.constFind(window);
    return it == index().byWindow.constEnd() ? nullptr : &index().titles.at(*it);
}

} // namespace CatalogueIndex
