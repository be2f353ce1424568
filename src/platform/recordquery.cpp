#include "platform/recordquery.h"

#include "platform/textorder.h"

namespace platform {

namespace {

struct Token
{
    enum class Kind { Word, Quoted, Symbol, End };
    Kind kind = Kind::End;
    QString text;
};

class Lexer
{
public:
    explicit Lexer(QStringView sql)
        : m_sql(sql)
    {
    }

    // false for text that does not split into tokens (an unclosed quote).
    bool next(Token &token)
    {
        while (m_i < m_sql.size() && m_sql[m_i].isSpace())
            ++m_i;
        if (m_i >= m_sql.size()) {
            token = {Token::Kind::End, {}};
            return true;
        }
        const QChar c = m_sql[m_i];
        if (c.isLetterOrNumber() || c == u'_') {
            const qsizetype start = m_i;
            while (m_i < m_sql.size() && (m_sql[m_i].isLetterOrNumber() || m_sql[m_i] == u'_'))
                ++m_i;
            token = {Token::Kind::Word, m_sql.mid(start, m_i - start).toString()};
            return true;
        }
        if (c == u'[' || c == u'"' || c == u'`') {
            const QChar close = c == u'[' ? QChar(u']') : c;
            const qsizetype end = m_sql.indexOf(close, m_i + 1);
            if (end < 0)
                return false;
            token = {Token::Kind::Quoted, m_sql.mid(m_i + 1, end - m_i - 1).toString()};
            m_i = end + 1;
            return true;
        }
        token = {Token::Kind::Symbol, QString(c)};
        ++m_i;
        return true;
    }

private:
    QStringView m_sql;
    qsizetype m_i = 0;
};

bool isWord(const Token &token, const char *word)
{
    return token.kind == Token::Kind::Word && token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool isName(const Token &token)
{
    return token.kind == Token::Kind::Quoted || token.kind == Token::Kind::Word;
}

bool isSymbol(const Token &token, char16_t symbol)
{
    return token.kind == Token::Kind::Symbol && token.text == QChar(symbol);
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

// A table name alone, or SELECT [t.]* FROM t [ORDER BY [t.]f [ASC|DESC], ...].
std::optional<RecordQuery> RecordQuery::parse(QStringView sql, QString *error)
{
    const auto unsupported = [error]() -> std::optional<RecordQuery> {
        *error = QStringLiteral("nur \"SELECT * FROM Tabelle\" mit \"ORDER BY\" über ihre Felder "
                                "oder ein Tabellenname sind möglich");
        return std::nullopt;
    };
    std::vector<Token> tokens;
    Lexer lexer(sql);
    for (;;) {
        Token token;
        if (!lexer.next(token)) {
            *error = QStringLiteral("ein Name in Anführungszeichen oder Klammern wird nicht geschlossen");
            return std::nullopt;
        }
        if (token.kind == Token::Kind::End)
            break;
        tokens.push_back(std::move(token));
    }
    if (!tokens.empty() && isSymbol(tokens.back(), u';'))
        tokens.pop_back();
    size_t i = 0;
    const auto at = [&](size_t k) -> const Token & {
        static const Token end;
        return k < tokens.size() ? tokens[k] : end;
    };

    RecordQuery query;
    if (tokens.size() == 1 && isName(tokens[0])) {
        query.table = tokens[0].text;
        return query;
    }
    if (!isWord(at(i++), "select"))
        return unsupported();
    QString qualifier;
    if (isName(at(i)) && isSymbol(at(i + 1), u'.')) {
        qualifier = at(i).text;
        i += 2;
    }
    if (!isSymbol(at(i++), u'*') || !isWord(at(i++), "from") || !isName(at(i)))
        return unsupported();
    query.table = at(i++).text;
    if (!qualifier.isEmpty() && !sameName(qualifier, query.table))
        return unsupported();
    if (i == tokens.size())
        return query;
    if (!isWord(at(i++), "order") || !isWord(at(i++), "by"))
        return unsupported();
    for (;;) {
        RecordQuery::Key key;
        if (!isName(at(i)))
            return unsupported();
        key.field = at(i++).text;
        if (isSymbol(at(i), u'.')) {
            if (!sameName(key.field, query.table) || !isName(at(i + 1)))
                return unsupported();
            key.field = at(i + 1).text;
            i += 2;
        }
        if (isWord(at(i), "asc")) {
            ++i;
        } else if (isWord(at(i), "desc")) {
            key.descending = true;
            ++i;
        }
        query.keys.push_back(key);
        if (i == tokens.size())
            return query;
        if (!isSymbol(at(i++), u','))
            return unsupported();
    }
}

QString quotedName(const QString &name)
{
    QString result = name;
    result.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + result + u'"';
}

QString RecordQuery::selectText() const
{
    // The key function turns text into its dictionary key and leaves numbers
    // as they are.
    QString sql = QStringLiteral("SELECT rowid, * FROM ") + quotedName(table) + QStringLiteral(" ORDER BY ");
    for (const Key &key : keys)
        sql += QLatin1String(kSortKeyFunction) + u'(' + quotedName(key.field)
            + (key.descending ? QStringLiteral(") DESC, ") : QStringLiteral(") ASC, "));
    return sql + QStringLiteral("rowid");
}

} // namespace platform
