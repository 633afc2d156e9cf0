#pragma once
// The one exception type of the program. It carries the message the user
// sees; the message loop shows it (see MessageForDisplay) and goes on.
#include <stdexcept>
#include <string>

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Fills the first "%s" or "%d" of a message pattern with a value, as in
// Format("Cannot create file %s", name).
std::string Format(const std::string& pattern, const std::string& value);
std::string Format(const std::string& pattern, long long value);

// The text a message box shows for a message: a full stop is appended when
// the last character sorts after '.', so "abc" gets one, while "(.txt)" and
// "Done." stay as they are.
std::string MessageForDisplay(const std::string& message);
