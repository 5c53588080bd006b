#include "common/errors.h"

namespace drive {

const char* ArithmeticMessage(ArithmeticError::Kind kind)
{
    switch (kind) {
    case ArithmeticError::Kind::DivisionByZero:
        return "Floating point division by zero";
    case ArithmeticError::Kind::InvalidOperation:
        return "Invalid floating point operation";
    case ArithmeticError::Kind::Overflow:
        return "Floating point overflow";
    }
    return "Invalid floating point operation";
}

ArithmeticError::ArithmeticError(Kind kind) : PlatformError(ArithmeticMessage(kind)), kind_(kind) {}

}  // namespace drive
