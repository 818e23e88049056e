#pragma once
#include <stdexcept>
#include <string>

// A cell that breaks its rule. what() is the whole message shown to the user:
// "Error de sintaxis:\n" followed by the reason.
class SintaxErrorException : public std::runtime_error {
public:
    explicit SintaxErrorException(const std::string& message) : std::runtime_error(message) {}
};
