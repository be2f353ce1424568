#pragma once

#include <QtCore/QString>
#include <QtCore/QStringView>

#include <optional>
#include <vector>

namespace platform {

// A pattern of the platform's like operator, matched here and never handed
// to a database engine:
//   *        any run of characters, the empty one too
//   ?        any one character
//   #        one digit 0 to 9
//   [abc]    one character of the list; [a-c] a range; [!a-c] one character
//            not in the list; "-" first or last and "*", "?", "#", "[" inside
//            a list stand for themselves; [] stands for nothing
// Every other character stands for itself; letters match without regard to
// case. Ranges run over code points.
class LikePattern
{
public:
    // nullopt for a pattern that cannot be parsed; *error says why, in German.
    static std::optional<LikePattern> parse(QStringView pattern, QString *error = nullptr);

    bool matches(QStringView text) const;
    // True for a pattern of nothing but "*": it matches every text.
    bool matchesAnyText() const { return m_anyText; }
    const QString &text() const { return m_text; }

private:
    enum class Kind : quint8 { Literal, AnyOne, Digit, AnyRun, List };
    struct Token
    {
        Kind kind;
        char32_t ch;  // Literal: case-folded
        int list = 0; // List: index into m_lists
    };
    struct Range
    {
        char32_t from;
        char32_t to;
    };
    struct CharList
    {
        bool negated = false;
        std::vector<Range> ranges;
    };

    bool matchesOne(const Token &token, char32_t c) const;
    bool inList(const CharList &list, char32_t c) const;

    QString m_text;
    std::vector<Token> m_tokens;
    std::vector<CharList> m_lists;
    bool m_anyText = false;
};

// A find criterion: a field name, " like '", a pattern and "'". It is parsed,
// never pasted into SQL. An apostrophe inside the pattern is written twice; a
// single one ends the pattern, and text after it makes the criterion malformed.
struct LikeCriterion
{
    QString field;
    LikePattern pattern;

    // nullopt for a malformed criterion; *error says why, in German.
    static std::optional<LikeCriterion> parse(QStringView text, QString *error = nullptr);
};

} // namespace platform
