// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/searchindex.h"

#include "model/catalogue.h"
#include "model/catalogueindex.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// Scores of one typed word, best first; the tiers group them.
enum Score {
    TitleWord = 0,
    TitleWordPrefix = 1,
    TitleAcrossWords = 2, // "popup" for "Pop-Up"
    TitleTypo = 3,
    TitlePrefixTypo = 4,
    TitleInsideWord = 5,
    DescriptionWord = 6,
    DescriptionInside = 7,
    Placement = 8,
    Code = 9,
};

SearchIndex::Tier tierOf(int score) {
    if (score <= TitleWord)
        return SearchIndex::Tier::TitleWord;
    if (score <= TitleAcrossWords)
        return SearchIndex::Tier::TitlePrefix;
    if (score <= TitleInsideWord)
        return SearchIndex::Tier::TitleFuzzy;
    if (score <= DescriptionInside)
        return SearchIndex::Tier::Description;
    return SearchIndex::Tier::Code;
}

bool isWordChar(QChar c) {
    return c.isLetterOrNumber();
}

// Shorter words would match too much with a typo allowed.
constexpr int kMinTypoLength = 4;
constexpr int kMinCodeLength = 3;

} // namespace

QStringList SearchIndex::words(const QString& text) {
    QStringList result;
    QString current;
    for (const QChar c : text) {
        if (isWordChar(c)) {
            current += c.toLower();
        } else if (!current.isEmpty()) {
            result.append(current);
            current.clear();
        }
    }
    if (!current.isEmpty())
        result.append(current);
    return result;
}

int SearchIndex::typoDistance(QStringView a, QStringView b) {
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    if (std::abs(n - m) > 1)
        return 2;
    if (a == b)
        return 0;
    // Optimal string alignment over three rows kept on the stack: it runs for every title word
    // at every keystroke. Words longer than this are never taken for typos.
    constexpr qsizetype kLongest = 63;
    if (m > kLongest || n > kLongest)
        return 2;
    std::array<int, kLongest + 1> before{}, previous{}, current{};
    for (qsizetype j = 0; j <= m; ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        current[0] = int(i);
        int rowBest = current[0];
        for (qsizetype j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int value = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                value = std::min(value, before[j - 2] + 1);
            current[j] = value;
            rowBest = std::min(rowBest, value);
        }
        if (rowBest >= 2)
            return 2;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return std::min(previous[m], 2);
}

SearchIndex::Entry SearchIndex::prepare(const SearchDocument& document, int order) {
    Entry entry;
    entry.document = document;
    entry.order = order;
    entry.titleLower = document.title.toLower();
    entry.categoryLower = document.category.toLower();
    entry.descriptionLower = document.description.toLower();
    entry.placementsLower = document.placements.join(QLatin1Char('\n')).toLower();
    entry.codeLower = document.code.toLower();
    const QString& title = entry.titleLower;
    for (int i = 0; i < title.size();) {
        if (!isWordChar(title.at(i))) {
            ++i;
            continue;
        }
        int end = i;
        while (end < title.size() && isWordChar(title.at(end)))
            ++end;
        entry.titleWords.append({title.mid(i, end - i), i});
        i = end;
    }
    return entry;
}

SearchIndex SearchIndex::fromCatalogue(const Catalogue& catalogue) {
    SearchIndex index;
    for (const ScriptEntry* entry : catalogue.entries()) {
        SearchDocument document;
        document.key = entry->formName;
        document.title = entry->title;
        if (const CatalogueIndex::Title* indexed = CatalogueIndex::findWindow(entry->formName))
            document.category = CatalogueIndex::category(indexed->category).caption;
        document.description = entry->description;
        QStringList code;
        for (const EntryBlock& block : entry->blocks) {
            if (!block.instruction.isEmpty())
                document.placements.append(block.instruction);
            if (!block.code.isEmpty())
                code.append(block.code);
        }
        document.code = code.join(QLatin1Char('\n'));
        index.add(document);
    }
    return index;
}

void SearchIndex::add(const SearchDocument& document) {
    m_documents.append(prepare(document, int(m_documents.size())));
}

void SearchIndex::setUserEntries(const QList<SearchDocument>& documents) {
    m_documents.erase(std::remove_if(m_documents.begin(), m_documents.end(),
                                     [](const Entry& entry) {
                                         return entry.document.source ==
                                                SearchDocument::Source::MyScript;
                                     }),
                      m_documents.end());
    for (SearchDocument document : documents) {
        document.source = SearchDocument::Source::MyScript;
        add(document);
    }
}

// The steps of matching one typed word, best kind of match first.
struct SearchIndex::TokenMatcher {
    TokenMatcher(const Entry& e, const QString& t)
        : entry(e)
        , token(t) {}

    const Entry& entry;
    const QString& token;
    const int n = int(token.size());
    TokenMatch match;

    bool beats(int score) const { return match.score < 0 || match.score > score; }
    void take(int score, QList<QPair<int, int>> marks) {
        if (match.score < 0 || score < match.score) {
            match.score = score;
            match.titleMarks = std::move(marks);
        }
    }

    void titleWordOrPrefix() {
        for (const Word& word : entry.titleWords) {
            if (word.text == token) {
                take(TitleWord, {{word.start, n}});
                break;
            }
            if (word.text.startsWith(token))
                take(TitleWordPrefix, {{word.start, n}});
        }
    }

    // Across the punctuation between words: "popup" for "Pop-Up".
    void acrossTitleWords() {
        for (int w = 0; w < entry.titleWords.size() && match.score != TitleAcrossWords; ++w) {
            int matched = 0;
            QList<QPair<int, int>> marks;
            for (int v = w; v < entry.titleWords.size() && matched < n; ++v) {
                const QString& text = entry.titleWords.at(v).text;
                const int length = std::min(int(text.size()), n - matched);
                if (QStringView(text).left(length) != QStringView(token).mid(matched, length))
                    break;
                marks.append({entry.titleWords.at(v).start, length});
                matched += length;
                if (length < text.size())
                    break;
            }
            if (matched == n && marks.size() > 1)
                take(TitleAcrossWords, marks);
        }
    }

    void titleTypo() {
        for (const Word& word : entry.titleWords) {
            if (typoDistance(token, word.text) <= 1) {
                take(TitleTypo, {{word.start, int(word.text.size())}});
                break;
            }
            if (word.text.size() > n)
                prefixTypo(word);
        }
    }

    void prefixTypo(const Word& word) {
        for (int length = n - 1; length <= n + 1 && length <= word.text.size(); ++length) {
            if (typoDistance(token, QStringView(word.text).left(length)) <= 1) {
                take(TitlePrefixTypo, {{word.start, length}});
                break;
            }
        }
    }

    void title() {
        titleWordOrPrefix();
        if (beats(TitleWordPrefix))
            acrossTitleWords();
        if (beats(TitleTypo) && n >= kMinTypoLength)
            titleTypo();
        if (beats(TitleInsideWord)) {
            const int at = int(entry.titleLower.indexOf(token));
            if (at >= 0)
                take(TitleInsideWord, {{at, n}});
        }
    }

    // Description and category: a word start beats the inside of a word.
    void descriptionOrCategory() {
        int inside = -1;
        for (qsizetype at = entry.descriptionLower.indexOf(token); at >= 0;
             at = entry.descriptionLower.indexOf(token, at + 1)) {
            if (at == 0 || !isWordChar(entry.descriptionLower.at(at - 1))) {
                match.score = DescriptionWord;
                match.descriptionMarks = {{int(at), n}};
                return;
            }
            if (inside < 0)
                inside = int(at);
        }
        if (entry.categoryLower.contains(token)) {
            match.score = DescriptionWord;
        } else if (inside >= 0) {
            match.score = DescriptionInside;
            match.descriptionMarks = {{inside, n}};
        }
    }

    // One or two letters are in nearly every piece of code; matching them there only slows
    // the first keystrokes down.
    void placementOrCode() {
        if (n < kMinCodeLength)
            return;
        if (entry.placementsLower.contains(token))
            match.score = Placement;
        else if (entry.codeLower.contains(token))
            match.score = Code;
    }
};

SearchIndex::TokenMatch SearchIndex::matchToken(const Entry& entry, const QString& token) {
    TokenMatcher matcher(entry, token);
    matcher.title();
    if (matcher.match.score < 0)
        matcher.descriptionOrCategory();
    if (matcher.match.score < 0)
        matcher.placementOrCode();
    return matcher.match;
}

QList<SearchIndex::Hit> SearchIndex::search(const QString& query, int limit) const {
    const QStringList tokens = words(query);
    QList<Hit> hits;
    if (tokens.isEmpty())
        return hits;

    struct Ranked {
        Hit hit;
        int total = 0;
    };
    std::vector<Ranked> ranked;
    for (int i = 0; i < m_documents.size(); ++i) {
        const Entry& entry = m_documents.at(i);
        Ranked candidate;
        candidate.hit.document = i;
        int worst = 0;
        bool all = true;
        for (const QString& token : tokens) {
            const TokenMatch match = matchToken(entry, token);
            if (match.score < 0) {
                all = false;
                break;
            }
            worst = std::max(worst, match.score);
            candidate.total += match.score;
            candidate.hit.titleMarks += match.titleMarks;
            candidate.hit.descriptionMarks += match.descriptionMarks;
        }
        if (!all)
            continue;
        candidate.hit.tier = tierOf(worst);
        ranked.push_back(std::move(candidate));
    }

    const auto better = [this](const Ranked& a, const Ranked& b) {
        if (a.hit.tier != b.hit.tier)
            return a.hit.tier < b.hit.tier;
        if (a.total != b.total)
            return a.total < b.total;
        const Entry& x = m_documents.at(a.hit.document);
        const Entry& y = m_documents.at(b.hit.document);
        if (x.titleLower.size() != y.titleLower.size())
            return x.titleLower.size() < y.titleLower.size();
        return x.order < y.order;
    };
    const size_t count =
        limit < 0 ? ranked.size() : std::min(ranked.size(), size_t(std::max(limit, 0)));
    std::partial_sort(ranked.begin(), ranked.begin() + count, ranked.end(), better);
    hits.reserve(qsizetype(count));
    for (size_t i = 0; i < count; ++i)
        hits.append(std::move(ranked[i].hit));
    return hits;
}
