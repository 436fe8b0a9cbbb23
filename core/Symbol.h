#pragma once

#include "core/ExpressionNode.h"
#include "core/PooledObject.h"

namespace Brosquin
{

// A punctuation token of the parser's token list: , ( ) [ ] { }. It never reaches a finished
// tree. Its kind is its code (KindComma to KindCloseBrace), below the kinds of the tree nodes.
class Symbol : public ExpressionNode, public PooledObject<Symbol>
{
public:
    // The seven characters in code order.
    static constexpr const char* Characters = ",()[]{}";

    explicit Symbol(ExpressionNodeKind code) : code(code) {}

    int Kind() const override { return code; }
    const char* Name() const override;

private:
    ExpressionNodeKind code;
};

} // namespace Brosquin
