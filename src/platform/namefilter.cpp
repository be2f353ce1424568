#include "platform/namefilter.h"

#include <QtCore/QTextBoundaryFinder>

#include <vector>

namespace platform {

namespace {

bool isDirectionControl(char32_t c)
{
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool leftOut(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Separator_Line
           || category == QChar::Separator_Paragraph || isDirectionControl(c);
}

qsizetype codePoints(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++count;
    }
    return count;
}

} // namespace

QString filterName(QStringView text, int maxCharacters, qsizetype *cursor)
{
    // Everything left out lies in the Basic Multilingual Plane: one unit each.
    const qsizetype original = cursor ? qBound<qsizetype>(0, *cursor, text.size()) : text.size();
    qsizetype at = original;
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!leftOut(text[i].unicode()))
            kept.append(text[i]);
        else if (i < original)
            --at;
    }

    qsizetype total = codePoints(kept);
    if (maxCharacters >= 0 && total > maxCharacters) {
        std::vector<qsizetype> bounds; // every grapheme boundary, 0 and the end included
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, kept);
        for (qsizetype b = 0; b >= 0; b = finder.toNextBoundary())
            bounds.push_back(b);
        // The graphemes [lo, c) before the cursor go first, nearest first;
        // then [hi, end) from the end of the text.
        size_t c = 0;
        while (c + 1 < bounds.size() && bounds[c + 1] <= at)
            ++c;
        size_t lo = c;
        size_t hi = bounds.size() - 1;
        const auto width = [&](size_t g) {
            return codePoints(QStringView(kept).sliced(bounds[g], bounds[g + 1] - bounds[g]));
        };
        while (total > maxCharacters && lo > 0)
            total -= width(--lo);
        while (total > maxCharacters && hi > c)
            total -= width(--hi);
        at -= bounds[c] - bounds[lo];
        kept.truncate(bounds[hi]); // the end first: the earlier bounds stay valid
        kept.remove(bounds[lo], bounds[c] - bounds[lo]);
        at = qMin(at, kept.size());
    }
    if (cursor)
        *cursor = at;
    return kept;
}

QString isolated(QStringView text)
{
    return QChar(0x2068) + filterName(text) + QChar(0x2069);
}

} // namespace platform
