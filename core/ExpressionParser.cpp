#include "core/BinaryOperator.h"
#include "core/Constant.h"
#include "core/ErrorNode.h"
#include "core/Expression.h"
#include "core/Function.h"
#include "core/ListPointers.h"
#include "core/Property.h"
#include "core/String.h"
#include "core/Symbol.h"
#include "core/UnaryOperator.h"
#include "core/VariableReference.h"

#include <cstring>
#include <string>

namespace Brosquin
{

namespace
{

bool IsDigit(char character)
{
    return character >= '0' && character <= '9';
}

bool IsLetter(char character)
{
    return (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z');
}

bool IsNameCharacter(char character)
{
    return IsLetter(character) || IsDigit(character) || character == '_';
}

ExpressionNode* Token(const ListPointers& tokens, std::int32_t position)
{
    return static_cast<ExpressionNode*>(tokens.Item(static_cast<std::uint32_t>(position)));
}

void vdAppend(ListPointers& tokens, ExpressionNode* token)
{
    tokens.vdInsert(tokens.Count() + 1, token);
}

// A product is implied between a token that ends an operand and one that starts the next.
bool EndsOperand(int kind)
{
    return kind == KindCloseParenthesis || kind == KindCloseBracket || kind == KindCloseBrace ||
           kind == KindConstant || kind == KindVariable;
}

bool StartsOperand(int kind)
{
    return kind == KindOpenParenthesis || kind == KindConstant || kind == KindVariable ||
           kind == KindFunction || kind == KindProperty;
}

// After these an operator is a prefix one.
bool ExpectsOperand(const ExpressionNode* previous)
{
    if (previous == nullptr)
        return true;
    const int kind = previous->Kind();
    return kind == KindUnaryOperator || kind == KindBinaryOperator || kind == KindComma ||
           kind == KindOpenParenthesis || kind == KindOpenBracket || kind == KindOpenBrace;
}

// Parentheses, brackets and braces met so far in a range of tokens.
struct Depths
{
    int parentheses = 0;
    int brackets = 0;
    int braces = 0;

    bool AtTop() const { return parentheses == 0 && brackets == 0 && braces == 0; }
    void vdCount(int kind)
    {
        parentheses += kind == KindOpenParenthesis ? 1 : kind == KindCloseParenthesis ? -1 : 0;
        brackets += kind == KindOpenBracket ? 1 : kind == KindCloseBracket ? -1 : 0;
        braces += kind == KindOpenBrace ? 1 : kind == KindCloseBrace ? -1 : 0;
    }
};

const OperatorEntry& EntryOf(const ExpressionNode* token)
{
    if (token->Kind() == KindUnaryOperator)
        return UnaryOperator::Operators[static_cast<const UnaryOperator*>(token)->OperatorIndex()];
    return BinaryOperator::Operators[static_cast<const BinaryOperator*>(token)->OperatorIndex()];
}

// Empties the token list from the last token to the first. After a failed parse every token is
// destroyed, the links the parser made cut first; after a successful one the tokens of the tree
// belong to it, and the punctuation is destroyed with the name token of each property.
void vdDisposeTokens(ListPointers& tokens, bool failed)
{
    if (failed)
        for (std::uint32_t i = 1; i <= tokens.Count(); ++i)
        {
            ExpressionNode* token = Token(tokens, static_cast<std::int32_t>(i));
            const int kind = token->Kind();
            if (kind == KindUnaryOperator || kind == KindBinaryOperator || kind == KindFunction)
                static_cast<InnerNode*>(token)->vdDropChildren();
        }
    while (tokens.Count() > 0)
    {
        auto* token = static_cast<ExpressionNode*>(tokens.Remove(tokens.Count()));
        const int kind = token->Kind();
        if (kind == KindCloseBrace && !failed)
            delete static_cast<ExpressionNode*>(tokens.Remove(tokens.Count()));
        if (failed || kind < KindConstant)
            delete token;
    }
}

// Counts the nesting of the parse while it lives.
class ParseLevel
{
public:
    explicit ParseLevel(std::uint32_t& depth) : depth(++depth) {}
    ~ParseLevel() { --depth; }
    ParseLevel(const ParseLevel&) = delete;
    ParseLevel& operator=(const ParseLevel&) = delete;

    bool TooDeep() const { return depth > FormulaDepthLimit; }

private:
    std::uint32_t& depth;
};

} // namespace

void Expression::vdSkipBlanks(char*& position)
{
    while (*position == ' ' || *position == '\t' || *position == '\n' || *position == '\r')
        ++position;
}

ExpressionNode* Expression::ParseText(const char* text)
{
    if (std::strlen(text) > FormulaTextLimit)
        return NewNode<ErrorNode>(FormulaTooLongMessage);
    String copy(text);
    char* position = copy.CharacterAt(1);
    ListPointers tokens(200);
    const ExpressionNode* previous = nullptr;
    while (ExpressionNode* token = NextToken(position, previous))
    {
        if (token->Kind() == KindError)
        {
            vdDisposeTokens(tokens, true);
            return token;
        }
        if (previous != nullptr && EndsOperand(previous->Kind()) && StartsOperand(token->Kind()))
            vdAppend(tokens, NewNode<BinaryOperator>(BinaryOperator::Times));
        vdAppend(tokens, token);
        previous = token;
    }
    if (tokens.Count() == 0)
        return NewNode<ErrorNode>("Empty expression");
    ExpressionNode* result = ParseTokens(tokens, 1, static_cast<std::int32_t>(tokens.Count()));
    vdDisposeTokens(tokens, result->Kind() == KindError);
    return result;
}

ExpressionNode* Expression::NextToken(char*& position, const ExpressionNode* previous)
{
    vdSkipBlanks(position);
    char* const start = position;
    const char first = *start;
    if (first == '\0')
        return nullptr;
    if (IsDigit(first) || first == '.')
    {
        bool digits = false;
        bool point = false;
        for (; IsDigit(*position) || *position == '.'; ++position)
        {
            if (*position == '.' && point)
                return NewNode<ErrorNode>("Constant has 2 decimal points");
            point = point || *position == '.';
            digits = digits || *position != '.';
        }
        if (!digits)
            return NewNode<ErrorNode>("Decimal point without any surrounding digits");
        const char after = *position;
        *position = '\0';
        Real number;
        number = start;
        *position = after;
        if (number.Message() != nullptr)
            return NewNode<ErrorNode>(number.Message());
        return NewNode<Constant>(number);
    }
    if (first == '"')
    {
        char* close = std::strchr(start + 1, '"');
        if (close == nullptr)
            return NewNode<ErrorNode>("Begining quote mark with no match");
        *close = '\0';
        ExpressionNode* literal = NewNode<ErrorNode>(start + 1);
        *close = '"';
        position = close + 1;
        return literal;
    }
    if (IsLetter(first) || first == '_')
    {
        while (IsNameCharacter(*position))
            ++position;
        char* const end = position;
        vdSkipBlanks(position);
        const char next = *position;
        const char after = *end;
        *end = '\0';
        ExpressionNode* token = nullptr;
        if (next == '[')
        {
            const int index = Function::Find(start);
            const char* refusal = index < 0 ? nullptr : CheckFunction(index);
            if (index < 0)
                token = NewNode<ErrorNode>("Illegal function name: ", start);
            else if (refusal != nullptr)
                token = NewNode<ErrorNode>(refusal, Function::Table[index].name);
            else
                token = NewNode<Function>(index);
        }
        else if (next == '{')
            token = NewNode<Property>(start);
        else
            token = NewNode<VariableReference>(start);
        *end = after;
        return token;
    }
    if (const char* symbol = std::strchr(Symbol::Characters, first))
    {
        ++position;
        return NewNode<Symbol>(static_cast<ExpressionNodeKind>(symbol - Symbol::Characters));
    }
    const bool unary = ExpectsOperand(previous);
    const OperatorEntry* table = unary ? UnaryOperator::Operators : BinaryOperator::Operators;
    const int count = unary ? UnaryOperator::OperatorCount : BinaryOperator::OperatorCount;
    for (int i = 0; i < count; ++i)
    {
        const std::size_t length = std::strlen(table[i].text);
        if (std::strncmp(start, table[i].text, length) != 0)
            continue;
        if (const char* refusal = unary ? CheckUnaryOperator(i) : CheckBinaryOperator(i))
            return NewNode<ErrorNode>(refusal, table[i].text);
        position += length;
        if (unary)
            return NewNode<UnaryOperator>(i);
        return NewNode<BinaryOperator>(i);
    }
    const char character[2] = {first, '\0'};
    return NewNode<ErrorNode>(unary ? "Illegal unary operator: " : "Illegal binary operator: ",
                              character);
}

ExpressionNode* Expression::ParseTokens(const ListPointers& tokens, std::int32_t first,
                                        std::int32_t last)
{
    const ParseLevel level(parseDepth);
    if (level.TooDeep())
        return NewNode<ErrorNode>(FormulaTooDeepMessage);
    ExpressionNode* const head = Token(tokens, first);
    if (first == last && head->Kind() == KindConstant)
        return head;
    if (first == last && head->Kind() == KindVariable)
    {
        if (const char* refusal = CheckVariable(head->Name()))
            return NewNode<ErrorNode>(refusal, head->Name());
        return head;
    }
    // The split is the loosest operator outside any brackets: among equals the last one when it
    // groups to the left, the first when it groups to the right.
    std::int32_t split = 0;
    int best = 0;
    Depths depths;
    for (std::int32_t i = first; i <= last; ++i)
    {
        const ExpressionNode* token = Token(tokens, i);
        const int kind = token->Kind();
        depths.vdCount(kind);
        if ((kind == KindUnaryOperator || kind == KindBinaryOperator) && depths.AtTop())
        {
            const OperatorEntry& entry = EntryOf(token);
            if (entry.precedence > best || (entry.precedence == best && !entry.rightAssociative))
            {
                split = i;
                best = entry.precedence;
            }
        }
    }
    if (split == 0)
    {
        switch (head->Kind())
        {
        case KindFunction:
            return ParseParameters(tokens, first, last);
        case KindProperty:
            return ParseProperty(tokens, first, last);
        case KindOpenParenthesis:
            if (Token(tokens, last)->Kind() != KindCloseParenthesis)
                return NewNode<ErrorNode>("Open ( without matching closing )");
            if (last - first < 2)
                return NewNode<ErrorNode>("No expression inside ()");
            return ParseTokens(tokens, first + 1, last - 1);
        default:
            return NewNode<ErrorNode>("Illegal construct");
        }
    }
    ExpressionNode* const token = Token(tokens, split);
    const char* const text = token->Name();
    if (token->Kind() == KindUnaryOperator)
    {
        if (split != first)
            return NewNode<ErrorNode>("Unexpected expression before unary operator: ", text);
        if (split == last)
            return NewNode<ErrorNode>("Missing expression after unary operator: ", text);
        ExpressionNode* operand = ParseTokens(tokens, first + 1, last);
        if (operand->Kind() == KindError)
            return operand;
        static_cast<UnaryOperator*>(token)->SetOperand(operand);
        return token;
    }
    if (split == last)
        return NewNode<ErrorNode>("Missing expression after binary operator: ", text);
    ExpressionNode* left = ParseTokens(tokens, first, split - 1);
    if (left->Kind() == KindError)
        return left;
    ExpressionNode* right = ParseTokens(tokens, split + 1, last);
    if (right->Kind() == KindError)
        return right;
    auto* binary = static_cast<BinaryOperator*>(token);
    binary->SetLeft(left);
    binary->SetRight(right);
    return binary;
}

// Name[parameter, parameter]: the parameters end at the commas outside any brackets.
ExpressionNode* Expression::ParseParameters(const ListPointers& tokens, std::int32_t first,
                                            std::int32_t last)
{
    auto* function = static_cast<Function*>(Token(tokens, first));
    const char* const name = function->Name();
    const int count = function->ParameterCount();
    if (Token(tokens, last)->Kind() != KindCloseBracket)
        return NewNode<ErrorNode>("Matching ] not found for function: ", name);
    if (last == first + 2 && count > 0)
        return NewNode<ErrorNode>("Too few parameters for function: ", name);
    if (last == first + 2)
        return function;
    if (count == 0)
        return NewNode<ErrorNode>("Too many parameters for function: ", name);
    int found = 0;
    std::int32_t start = first + 2;
    Depths depths;
    for (std::int32_t i = first + 2; i <= last; ++i)
    {
        const int kind = Token(tokens, i)->Kind();
        if (i != last && (kind != KindComma || !depths.AtTop()))
        {
            depths.vdCount(kind);
            continue;
        }
        if (++found > count)
            return NewNode<ErrorNode>("Too many parameters for function: ", name);
        if (i == start)
            return NewNode<ErrorNode>("Missing expression for parameter of function: ", name);
        ExpressionNode* parameter = ParseTokens(tokens, start, i - 1);
        if (parameter->Kind() == KindError)
            return parameter;
        function->vdSetParameter(found, parameter);
        start = i + 1;
    }
    if (found != count)
        return NewNode<ErrorNode>("Too few parameters for function: ", name);
    return function;
}

// Variable{Property}: one name between the braces.
ExpressionNode* Expression::ParseProperty(const ListPointers& tokens, std::int32_t first,
                                          std::int32_t last)
{
    auto* property = static_cast<Property*>(Token(tokens, first));
    const char* const variable = property->Name();
    if (Token(tokens, last)->Kind() != KindCloseBrace)
        return NewNode<ErrorNode>("Matching } not found for property of variable: ", variable);
    const ExpressionNode* name = Token(tokens, first + 2);
    if (name->Kind() != KindVariable || last - first != 3)
        return NewNode<ErrorNode>("Illegal property for variable: ", variable);
    if (const char* refusal = CheckProperty(variable, name->Name()))
        return NewNode<ErrorNode>(refusal,
                                  (std::string(variable) + "{" + name->Name() + "}").c_str());
    property->vdSetPropertyName(name->Name());
    return property;
}

} // namespace Brosquin
