#pragma once

#include <stdexcept>
#include <string>

namespace drive {

// An error that ends the current command and is reported in the platform's standard error
// box with its message; the program then goes on running.
class PlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number: "'%s' is not a valid floating point value" and its integer twin.
class ConversionError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// A failure to create, write or read a file that no operation reports in its own words.
class FileIoError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// An arithmetic fault of a calculation: division by zero, an invalid operation or an overflow.
class ArithmeticError : public PlatformError {
public:
    enum class Kind { DivisionByZero, InvalidOperation, Overflow };

    explicit ArithmeticError(Kind kind);

    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

// The message the platform shows for an arithmetic fault of the given kind.
const char* ArithmeticMessage(ArithmeticError::Kind kind);

}  // namespace drive
