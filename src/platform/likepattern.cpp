#include "platform/likepattern.h"

#include <QtCore/QChar>

namespace platform {

namespace {

// The code point at index i of text (a surrogate pair counts as one
// character); returns the index after it.
qsizetype decode(QStringView text, qsizetype i, char32_t &c)
{
    const char16_t high = text[i].unicode();
    if (QChar::isHighSurrogate(high) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
        c = QChar::surrogateToUcs4(high, text[i + 1].unicode());
        return i + 2;
    }
    c = high;
    return i + 1;
}

char32_t folded(char32_t c)
{
    return QChar::toCaseFolded(c);
}

QString showChar(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

} // namespace

std::optional<LikePattern> LikePattern::parse(QStringView pattern, QString *error)
{
    LikePattern result;
    result.m_text = pattern.toString();
    auto fail = [error](const QString &why) -> std::optional<LikePattern> {
        if (error)
            *error = why;
        return std::nullopt;
    };

    qsizetype i = 0;
    const qsizetype n = pattern.size();
    while (i < n) {
        char32_t c;
        i = decode(pattern, i, c);
        switch (c) {
        case U'*':
            if (result.m_tokens.empty() || result.m_tokens.back().kind != Kind::AnyRun)
                result.m_tokens.push_back({Kind::AnyRun, 0});
            break;
        case U'?':
            result.m_tokens.push_back({Kind::AnyOne, 0});
            break;
        case U'#':
            result.m_tokens.push_back({Kind::Digit, 0});
            break;
        case U'[': {
            CharList list;
            bool closed = false;
            bool first = true;
            while (i < n) {
                char32_t item;
                qsizetype next = decode(pattern, i, item);
                if (item == U']') {
                    i = next;
                    closed = true;
                    break;
                }
                if (first && item == U'!' && !list.negated) {
                    list.negated = true;
                    i = next;
                    continue;
                }
                first = false;
                // "x-y" is a range unless the "-" closes the list.
                if (next < n && pattern[next] == u'-' && next + 1 < n && pattern[next + 1] != u']') {
                    char32_t to;
                    const qsizetype after = decode(pattern, next + 1, to);
                    if (to < item)
                        return fail(QStringLiteral("Der Bereich \"%1-%2\" in der Zeichenliste ist absteigend.")
                                        .arg(showChar(item), showChar(to)));
                    list.ranges.push_back({item, to});
                    i = after;
                } else {
                    list.ranges.push_back({item, item});
                    i = next;
                }
            }
            if (!closed)
                return fail(QStringLiteral("Die Zeichenliste, die mit \"[\" beginnt, wird nicht mit \"]\" geschlossen."));
            if (list.ranges.empty()) {
                if (list.negated)
                    return fail(QStringLiteral("Die Zeichenliste \"[!]\" enthält kein Zeichen."));
                break; // "[]" stands for the empty text
            }
            result.m_tokens.push_back({Kind::List, 0, static_cast<int>(result.m_lists.size())});
            result.m_lists.push_back(std::move(list));
            break;
        }
        default:
            result.m_tokens.push_back({Kind::Literal, folded(c)});
            break;
        }
    }
    result.m_anyText = result.m_tokens.size() == 1 && result.m_tokens.front().kind == Kind::AnyRun;
    return result;
}

bool LikePattern::inList(const CharList &list, char32_t c) const
{
    // A letter is in the list when any of its cases is.
    const char32_t variants[] = {c, QChar::toLower(c), QChar::toUpper(c), folded(c)};
    bool found = false;
    for (const Range &range : list.ranges) {
        for (char32_t v : variants) {
            if (v >= range.from && v <= range.to) {
                found = true;
                break;
            }
        }
        if (found)
            break;
    }
    return found != list.negated;
}

bool LikePattern::matchesOne(const Token &token, char32_t c) const
{
    switch (token.kind) {
    case Kind::Literal:
        return token.ch == c || token.ch == folded(c);
    case Kind::AnyOne:
        return true;
    case Kind::Digit:
        return c >= U'0' && c <= U'9';
    case Kind::List:
        return inList(m_lists[static_cast<size_t>(token.list)], c);
    case Kind::AnyRun:
        break;
    }
    return false;
}

bool LikePattern::matches(QStringView text) const
{
    if (m_anyText)
        return true;
    // Every token but "*" takes exactly one character, so the last "*" is
    // the only point to return to when the rest fails to match.
    const size_t count = m_tokens.size();
    const qsizetype n = text.size();
    size_t p = 0;
    qsizetype t = 0;
    bool haveStar = false;
    size_t starP = 0;     // the token after the last "*"
    qsizetype starT = 0;  // where the text after that "*" begins
    while (t < n) {
        if (p < count && m_tokens[p].kind == Kind::AnyRun) {
            haveStar = true;
            starP = ++p;
            starT = t;
            continue;
        }
        char32_t c;
        const qsizetype next = decode(text, t, c);
        if (p < count && matchesOne(m_tokens[p], c)) {
            t = next;
            ++p;
            continue;
        }
        if (!haveStar)
            return false;
        // Let the last "*" take one more character and try again from there.
        char32_t skipped;
        starT = decode(text, starT, skipped);
        t = starT;
        p = starP;
    }
    while (p < count && m_tokens[p].kind == Kind::AnyRun)
        ++p;
    return p == count;
}

std::optional<LikeCriterion> LikeCriterion::parse(QStringView text, QString *error)
{
    auto fail = [error](const QString &why) -> std::optional<LikeCriterion> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto skipSpace = [&] {
        while (i < n && text[i].isSpace())
            ++i;
    };

    skipSpace();
    QString field;
    if (i < n && text[i] == u'[') {
        const qsizetype close = text.indexOf(u']', i + 1);
        if (close < 0)
            return fail(QStringLiteral("Der Feldname in \"[\" wird nicht mit \"]\" geschlossen."));
        field = text.mid(i + 1, close - i - 1).toString();
        i = close + 1;
    } else {
        const qsizetype start = i;
        while (i < n && (text[i].isLetterOrNumber() || text[i] == u'_'))
            ++i;
        field = text.mid(start, i - start).toString();
    }
    if (field.isEmpty())
        return fail(QStringLiteral("Am Anfang fehlt der Feldname."));

    const qsizetype beforeLike = i;
    skipSpace();
    if (i == beforeLike || text.mid(i, 4).compare(u"like", Qt::CaseInsensitive) != 0)
        return fail(QStringLiteral("Nach dem Feldnamen muss \"like\" folgen."));
    i += 4;
    skipSpace();
    if (i >= n || text[i] != u'\'')
        return fail(QStringLiteral("Das Suchmuster muss zwischen zwei Apostrophen stehen."));
    // As in the engine's SQL texts, two apostrophes in a row inside the
    // quotes stand for one.
    QString patternText;
    bool closed = false;
    for (++i; i < n; ++i) {
        if (text[i] != u'\'') {
            patternText += text[i];
        } else if (i + 1 < n && text[i + 1] == u'\'') {
            patternText += u'\'';
            ++i;
        } else {
            closed = true;
            ++i;
            break;
        }
    }
    if (!closed)
        return fail(QStringLiteral("Nach dem Suchmuster fehlt der schließende Apostroph."));
    skipSpace();
    if (i < n)
        return fail(QStringLiteral("Ein Apostroph im Suchmuster muss verdoppelt werden."));

    QString patternError;
    std::optional<LikePattern> pattern = LikePattern::parse(patternText, &patternError);
    if (!pattern)
        return fail(patternError);
    return LikeCriterion {field, std::move(*pattern)};
}

} // namespace platform
