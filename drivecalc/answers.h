#pragma once

#include <deque>
#include <string>
#include <vector>

namespace drivecalc {

// Answer lines from a file ("-" is standard input), one answer a line, a trailing carriage
// return dropped; then the --answer values in order. Returns false when the file cannot be read.
bool CollectAnswers(const std::string& answersFile, const std::vector<std::string>& extra,
                    std::deque<std::string>& answers);

}  // namespace drivecalc
