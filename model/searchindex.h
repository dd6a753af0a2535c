// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class Catalogue;

// One thing the user can look for: a catalogue entry or one of the user's own entries.
struct SearchDocument {
    enum class Source { Catalogue, MyScript };

    Source source = Source::Catalogue;
    QString key; // the viewer window's name, or the My Scripts entry's name
    QString title;
    QString category;
    QString description;
    QStringList placements;
    QString code;
};

// Finds entries as the user types. Whole words of a title rank first, then title prefixes,
// then titles that match with one typo or missing letter, then category and description
// matches, then placement lines and code (for words of three letters or more). Every word typed
// must match somewhere.
class SearchIndex {
public:
    enum class Tier { TitleWord, TitlePrefix, TitleFuzzy, Description, Code };

    struct Hit {
        int document = -1;
        Tier tier = Tier::Code;
        // (start, length) of the matched letters in the title and in the description.
        QList<QPair<int, int>> titleMarks;
        QList<QPair<int, int>> descriptionMarks;
    };

    // The 208 catalogue entries, in catalogue order.
    static SearchIndex fromCatalogue(const Catalogue& catalogue);

    void add(const SearchDocument& document);
    // Replaces the user's entries (read afresh whenever the palette opens).
    void setUserEntries(const QList<SearchDocument>& documents);

    int size() const { return int(m_documents.size()); }
    const SearchDocument& document(int index) const { return m_documents.at(index).document; }

    // Best first; at most `limit` hits (all when limit < 0). An empty query finds nothing.
    QList<Hit> search(const QString& query, int limit = 50) const;

    // Lower-case words of letters and digits, as queries and titles are split.
    static QStringList words(const QString& text);
    // Damerau distance capped at 2: 0, 1 (one typo, missing, extra or swapped letter) or 2.
    static int typoDistance(QStringView a, QStringView b);

private:
    struct Word {
        QString text; // lower case
        int start = 0;
    };
    struct Entry {
        SearchDocument document;
        QList<Word> titleWords;
        QString titleLower;
        QString categoryLower;
        QString descriptionLower;
        QString placementsLower;
        QString codeLower;
        int order = 0;
    };
    struct TokenMatch {
        int score = -1; // lower is better; -1: no match
        QList<QPair<int, int>> titleMarks;
        QList<QPair<int, int>> descriptionMarks;
    };

    struct TokenMatcher;

    static Entry prepare(const SearchDocument& document, int order);
    static TokenMatch matchToken(const Entry& entry, const QString& token);

    QList<Entry> m_documents;
};
