#pragma once
#include <stdexcept>
#include <string>

// The program's general error type. The message is a GBK byte string that
// the layers above pass on unchanged.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};
