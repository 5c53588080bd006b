#pragma once

#include <string>

namespace drivecalc {

// A minimal JSON text builder: the caller writes the structure, the builder places the commas.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value inside an object.
    void Key(const std::string& key);
    void String(const std::string& value);
    // A number with full round-trip precision; null when it is not finite.
    void Number(double value);
    void Integer(long long value);
    void Bool(bool value);
    void Null();

    const std::string& text() const { return text_; }

private:
    void BeforeValue();

    std::string text_;
    bool needComma_ = false;
};

// The text as a JSON string literal, quotes included.
std::string JsonQuote(const std::string& text);

}  // namespace drivecalc
