#pragma once

#include <stdexcept>
#include <string>

namespace quillon {

// Every failure the program reports is one of these, carrying the exact text a person sees.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message)
        : std::runtime_error(message) {}
};

// Replaces the first "%s" of a message pattern with the argument.
std::string formatMessage(std::string_view pattern, std::string_view argument);

} // namespace quillon
