#include "drivecalc/json.h"

#include <cmath>
#include <cstdio>

namespace drivecalc {

std::string JsonQuote(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out.push_back(static_cast<char>(c));
            }
        }
    }
    return out + "\"";
}

void JsonWriter::BeforeValue()
{
    if (needComma_)
        text_ += ",";
    needComma_ = true;
}

void JsonWriter::BeginObject()
{
    BeforeValue();
    text_ += "{";
    needComma_ = false;
}

void JsonWriter::EndObject()
{
    text_ += "}";
    needComma_ = true;
}

void JsonWriter::BeginArray()
{
    BeforeValue();
    text_ += "[";
    needComma_ = false;
}

void JsonWriter::EndArray()
{
    text_ += "]";
    needComma_ = true;
}

void JsonWriter::Key(const std::string& key)
{
    BeforeValue();
    text_ += JsonQuote(key) + ":";
    needComma_ = false;
}

void JsonWriter::String(const std::string& value)
{
    BeforeValue();
    text_ += JsonQuote(value);
}

void JsonWriter::Number(double value)
{
    BeforeValue();
    if (!std::isfinite(value)) {
        text_ += "null";
        return;
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    text_ += buffer;
}

void JsonWriter::Integer(long long value)
{
    BeforeValue();
    text_ += std::to_string(value);
}

void JsonWriter::Bool(bool value)
{
    BeforeValue();
    text_ += value ? "true" : "false";
}

void JsonWriter::Null()
{
    BeforeValue();
    text_ += "null";
}

}  // namespace drivecalc
