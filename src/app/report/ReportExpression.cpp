#include "app/report/ReportExpression.h"

#include "app/ChineseCapitals.h"
#include "app/DisplayFormat.h"
#include "app/Money.h"

struct ReportExpression::Node
{
    enum Kind { Name, Text, Number, Call };
    Kind kind = Text;
    QString text;   // the name, the text or the function name
    double number = 0;
    std::vector<std::unique_ptr<Node>> arguments;
};

namespace {

using Node = ReportExpression::Node;

bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

class Parser
{
public:
    explicit Parser(const QString &text) : m_text(text) {}

    std::unique_ptr<Node> parseAll(QString *error)
    {
        auto node = parseValue();
        skipBlanks();
        if (node && m_pos < m_text.size())
            fail(QStringLiteral("多余的字符“%1”").arg(m_text.mid(m_pos)));
        if (!m_error.isEmpty()) {
            *error = m_error;
            return nullptr;
        }
        return node;
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    void fail(const QString &why)
    {
        if (m_error.isEmpty())
            m_error = why;
    }

    std::unique_ptr<Node> parseValue()
    {
        skipBlanks();
        if (m_pos >= m_text.size()) {
            fail(QStringLiteral("缺少数值或名称"));
            return nullptr;
        }
        const QChar c = m_text.at(m_pos);
        if (c == QLatin1Char('"') || c == QLatin1Char('\''))
            return parseText(c);
        if (c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('.'))
            return parseNumber();
        if (isNameChar(c))
            return parseNameOrCall();
        fail(QStringLiteral("无法识别的字符“%1”").arg(c));
        return nullptr;
    }

    std::unique_ptr<Node> parseText(QChar quote)
    {
        auto node = std::make_unique<Node>();
        node->kind = Node::Text;
        ++m_pos;
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos++);
            if (c != quote) {
                node->text += c;
                continue;
            }
            if (m_pos < m_text.size() && m_text.at(m_pos) == quote) {
                node->text += c;
                ++m_pos;
                continue;
            }
            return node;
        }
        fail(QStringLiteral("引号没有闭合"));
        return nullptr;
    }

    std::unique_ptr<Node> parseNumber()
    {
        const qsizetype start = m_pos;
        if (m_text.at(m_pos) == QLatin1Char('-'))
            ++m_pos;
        while (m_pos < m_text.size() && (m_text.at(m_pos).isDigit() || m_text.at(m_pos) == QLatin1Char('.')))
            ++m_pos;
        bool ok = false;
        auto node = std::make_unique<Node>();
        node->kind = Node::Number;
        node->number = m_text.mid(start, m_pos - start).toDouble(&ok);
        if (!ok) {
            fail(QStringLiteral("“%1”不是数字").arg(m_text.mid(start, m_pos - start)));
            return nullptr;
        }
        return node;
    }

    std::unique_ptr<Node> parseNameOrCall()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (isNameChar(m_text.at(m_pos)) || m_text.at(m_pos) == QLatin1Char('.')))
            ++m_pos;
        auto node = std::make_unique<Node>();
        node->text = m_text.mid(start, m_pos - start);
        skipBlanks();
        if (m_pos >= m_text.size() || m_text.at(m_pos) != QLatin1Char('(')) {
            node->kind = Node::Name;
            return node;
        }
        node->kind = Node::Call;
        ++m_pos;
        skipBlanks();
        if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char(')')) {
            ++m_pos;
            return node;
        }
        for (;;) {
            auto argument = parseValue();
            if (!argument)
                return nullptr;
            node->arguments.push_back(std::move(argument));
            skipBlanks();
            if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char(',')) {
                ++m_pos;
                continue;
            }
            if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char(')')) {
                ++m_pos;
                return node;
            }
            fail(QStringLiteral("函数 %1 的括号没有闭合").arg(node->text));
            return nullptr;
        }
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    QString m_error;
};

bool hasText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return false;
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool();
    return !DisplayFormat::plainText(value).isEmpty();
}

// "frxDD.F_Price" -> ("frxDD", "F_Price"); a bare field belongs to frxDM.
std::pair<QString, QString> dataSetField(const QString &name)
{
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot > 0) {
        const QString set = name.left(dot);
        if (set.compare(QLatin1String("frxDM"), Qt::CaseInsensitive) == 0
            || set.compare(QLatin1String("frxDD"), Qt::CaseInsensitive) == 0)
            return {set, name.mid(dot + 1)};
    }
    return {QStringLiteral("frxDM"), name};
}

class Evaluator
{
public:
    Evaluator(const ExpressionEnvironment &environment, QString *error) : m_env(environment), m_error(error) {}

    QVariant eval(const Node &node)
    {
        switch (node.kind) {
        case Node::Text: return node.text;
        case Node::Number: return node.number;
        case Node::Name: return m_env.value(node.text);
        case Node::Call: return call(node);
        }
        return {};
    }

private:
    QVariant fail(const QString &why)
    {
        if (m_error->isEmpty())
            *m_error = why;
        return {};
    }

    bool expectArguments(const Node &node, int count)
    {
        if (int(node.arguments.size()) == count)
            return true;
        fail(QStringLiteral("函数 %1 需要 %2 个参数").arg(node.text).arg(count));
        return false;
    }

    const Node *nameArgument(const Node &node)
    {
        if (!expectArguments(node, 1))
            return nullptr;
        const Node *argument = node.arguments.front().get();
        if (argument->kind != Node::Name) {
            fail(QStringLiteral("函数 %1 的参数必须是字段名").arg(node.text));
            return nullptr;
        }
        return argument;
    }

    QVariant call(const Node &node)
    {
        const QString name = node.text.toLower();
        if (name == QLatin1String("moneymintobig")) {
            if (!expectArguments(node, 1))
                return {};
            const QVariant value = eval(*node.arguments.front());
            if (!hasText(value))
                return MoneyToChineseCapitals(0);
            const auto number = DisplayFormat::toNumber(value);
            if (!number)
                return fail(QStringLiteral("MoneyMinToBig 的参数“%1”不是数字").arg(DisplayFormat::plainText(value)));
            return MoneyToChineseCapitals(*number);
        }
        if (name == QLatin1String("format")) {
            if (!expectArguments(node, 2))
                return {};
            const QVariant value = eval(*node.arguments.at(0));
            const QVariant pattern = eval(*node.arguments.at(1));
            return DisplayFormat::formatValue(value.isValid() ? value : QVariant(), pattern.toString());
        }
        if (name == QLatin1String("sum")) {
            const Node *argument = nameArgument(node);
            if (!argument)
                return {};
            const auto [set, field] = dataSetField(argument->text);
            Money total;
            for (const QVariant &value : m_env.column(set, field))
                if (const auto number = DisplayFormat::toNumber(value))
                    total += Money::fromDouble(*number);
            return total.toDouble();
        }
        if (name == QLatin1String("count")) {
            const Node *argument = nameArgument(node);
            if (!argument)
                return {};
            return double(m_env.rowCount(argument->text));
        }
        if (name == QLatin1String("any")) {
            for (const auto &argument : node.arguments)
                if (hasText(eval(*argument)))
                    return true;
            return false;
        }
        if (name == QLatin1String("pagebreakafter")) {
            if (!expectArguments(node, 1))
                return {};
            const int every = int(eval(*node.arguments.front()).toDouble());
            if (every <= 0)
                return fail(QStringLiteral("PageBreakAfter 的参数必须大于 0"));
            const int row = m_env.value(QStringLiteral("RowNo")).toInt();
            const bool last = m_env.value(QStringLiteral("IsLast")).toBool();
            return row > 0 && row % every == 0 && !last;
        }
        return fail(QStringLiteral("未知的函数 %1").arg(node.text));
    }

    const ExpressionEnvironment &m_env;
    QString *m_error;
};

} // namespace

ReportExpression::ReportExpression() = default;
ReportExpression::~ReportExpression() = default;
ReportExpression::ReportExpression(ReportExpression &&) noexcept = default;
ReportExpression &ReportExpression::operator=(ReportExpression &&) noexcept = default;

ReportExpression ReportExpression::parse(const QString &text)
{
    ReportExpression expression;
    Parser parser(text);
    expression.m_root = parser.parseAll(&expression.m_error);
    return expression;
}

QVariant ReportExpression::evaluate(const ExpressionEnvironment &environment, QString *error) const
{
    if (!isValid()) {
        *error = m_error;
        return {};
    }
    Evaluator evaluator(environment, error);
    return evaluator.eval(*m_root);
}

bool ReportExpression::isPlainName(const QString &text)
{
    if (text.isEmpty() || text.at(0).isDigit())
        return false;
    for (const QChar c : text)
        if (!isNameChar(c) && c != QLatin1Char('.'))
            return false;
    return true;
}

QStringList ReportExpression::functionNames()
{
    return {QStringLiteral("MoneyMinToBig"), QStringLiteral("Format"), QStringLiteral("Sum"), QStringLiteral("Count"),
            QStringLiteral("Any"), QStringLiteral("PageBreakAfter")};
}
