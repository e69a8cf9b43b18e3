// The one error type that every handler's guard catches.
#pragma once

#include <stdexcept>
#include <string>

namespace common {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& what)
        : std::runtime_error(what) {}
};

} // namespace common
