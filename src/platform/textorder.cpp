#include "platform/textorder.h"

#include <QtCore/QChar>
#include <QtCore/QString>
#include <QtCore/QVarLengthArray>

#include <algorithm>
#include <array>

namespace platform {

namespace {

// A text's weights on the first three levels. Each character gives one entry
// on the first and the third level (an expansion such as "ß" gives two); on
// the second, each entry is a 0 followed by its accents, so "u" comes before
// "ü" as the shorter sequence.
struct Weights
{
    QVarLengthArray<char32_t, 32> primary;
    QVarLengthArray<char32_t, 40> secondary;
    QVarLengthArray<bool, 32> upper;

    void add(char32_t weight, bool isUpper)
    {
        primary.append(weight);
        secondary.append(0);
        upper.append(isUpper);
    }
};

// The groups of the first level, in their order.
enum Group : char32_t { Blank, Symbol, Digit, Letter };

char32_t primaryWeight(Group group, char32_t c)
{
    return group << 21 | c; // a code point takes 21 bits
}

Group groupOf(QChar::Category category)
{
    switch (category) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
        return Blank;
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
        return Digit;
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
        return Letter;
    default:
        return Symbol;
    }
}

bool isMark(QChar::Category category)
{
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
        || category == QChar::Mark_Enclosing;
}

// Letters that Unicode does not decompose but a dictionary files under
// others; the accent sets them after those.
struct Variant
{
    char32_t letter;
    const char16_t *sortsAs;
};
constexpr Variant kVariants[] = {{U'ß', u"ss"}, {U'ẞ', u"SS"}, {U'æ', u"ae"}, {U'Æ', u"AE"}, {U'œ', u"oe"},
    {U'Œ', u"OE"}, {U'ø', u"o"}, {U'Ø', u"O"}, {U'ł', u"l"}, {U'Ł', u"L"}, {U'đ', u"d"}, {U'Đ', u"D"}};
constexpr char32_t kVariantAccent = 0x110000; // above every code point

// Unicode's decompositions are a few levels deep at most; the bound keeps a
// damaged table from recursing without end.
constexpr int kMaxDepth = 8;

void addCharacter(Weights &weights, char32_t c, int depth = 0);

// The weights of one character, worked out from Qt's Unicode tables.
void addFromTables(Weights &weights, char32_t c, int depth)
{
    for (const Variant &variant : kVariants) {
        if (variant.letter != c)
            continue;
        for (const char16_t *base = variant.sortsAs; *base; ++base) {
            weights.add(primaryWeight(Letter, QChar::toCaseFolded(char32_t(*base))), QChar::isUpper(char32_t(*base)));
            if (base == variant.sortsAs)
                weights.secondary.append(kVariantAccent);
        }
        return;
    }
    // Canonical and compatibility decompositions alike: "Ä" is "A" with a
    // diaeresis, "ǅ" is "D" and "ž", "²" is "2".
    if (depth < kMaxDepth && QChar::decompositionTag(c) != QChar::NoDecomposition) {
        const QString parts = QChar::decomposition(c);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            char32_t part = parts[i].unicode();
            if (QChar::isHighSurrogate(part) && i + 1 < parts.size()) {
                part = QChar::surrogateToUcs4(parts[i].unicode(), parts[i + 1].unicode());
                ++i;
            }
            addCharacter(weights, part, depth + 1);
        }
        return;
    }
    const QChar::Category category = QChar::category(c);
    if (isMark(category) && !weights.primary.isEmpty()) {
        weights.secondary.append(c);
        return;
    }
    // A mark with no character before it counts as a symbol.
    weights.add(primaryWeight(groupOf(category), QChar::toCaseFolded(c)), QChar::isUpper(c) || QChar::isTitleCase(c));
}

struct AsciiWeight
{
    char32_t primary;
    bool upper;
};

// ASCII's weights, worked out once: most names are ASCII throughout.
const std::array<AsciiWeight, 128> &asciiWeights()
{
    static const std::array<AsciiWeight, 128> table = [] {
        std::array<AsciiWeight, 128> weights {};
        for (char32_t c = 0; c < 128; ++c) {
            Weights one;
            addFromTables(one, c, 0);
            weights[c] = {one.primary[0], one.upper[0]};
        }
        return weights;
    }();
    return table;
}

void addCharacter(Weights &weights, char32_t c, int depth)
{
    if (c < 128) {
        const AsciiWeight &ascii = asciiWeights()[c];
        weights.add(ascii.primary, ascii.upper);
        return;
    }
    addFromTables(weights, c, depth);
}

// The code point that starts at text[i]; i moves past it. A byte that starts
// no valid UTF-8 sequence stands for U+FFFD on its own.
char32_t decodeUtf8(std::string_view text, size_t &i)
{
    const auto byte = [&text](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length = 1;
    char32_t c = lead;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        least = 0x10000;
    } else if (lead >= 0x80) {
        ++i;
        return 0xFFFD;
    }
    if (length > text.size() - i) {
        ++i;
        return 0xFFFD;
    }
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = c << 6 | (byte(i + k) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += length;
    return c;
}

// A level's weights in three bytes each, big-endian, then three zero bytes:
// every weight is stored plus one, so a level that ends sorts first.
template<class Sequence>
void appendLevel(std::string &key, const Sequence &weights)
{
    for (const char32_t weight : weights) {
        const char32_t stored = weight + 1; // below 2^23: group and code point take 23 bits
        key += static_cast<char>(stored >> 16);
        key += static_cast<char>(stored >> 8 & 0xFF);
        key += static_cast<char>(stored & 0xFF);
    }
    key.append(3, '\0');
}

} // namespace

std::string sortKey(std::string_view text)
{
    Weights weights;
    for (size_t i = 0; i < text.size();)
        addCharacter(weights, decodeUtf8(text, i));
    std::string key;
    key.reserve(8 * text.size() + 7);
    appendLevel(key, weights.primary);
    appendLevel(key, weights.secondary);
    for (const bool upper : weights.upper)
        key += upper ? '\2' : '\1';
    key += '\0';
    return key.append(text);
}

int compareText(std::string_view a, std::string_view b)
{
    const int order = sortKey(a).compare(sortKey(b));
    return (order > 0) - (order < 0);
}

} // namespace platform
