#include "drivecalc/answers.h"

#include <fstream>
#include <iostream>

namespace drivecalc {
namespace {

void ReadLines(std::istream& in, std::deque<std::string>& answers)
{
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        answers.push_back(line);
    }
}

}  // namespace

bool CollectAnswers(const std::string& answersFile, const std::vector<std::string>& extra,
                    std::deque<std::string>& answers)
{
    if (answersFile == "-") {
        ReadLines(std::cin, answers);
    } else if (!answersFile.empty()) {
        std::ifstream in(answersFile, std::ios::binary);
        if (!in)
            return false;
        ReadLines(in, answers);
    }
    for (const std::string& a : extra)
        answers.push_back(a);
    return true;
}

}  // namespace drivecalc
