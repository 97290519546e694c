#pragma once
#include <stdexcept>
#include <string>

// Every error the program raises carries its fixed English message; the event
// loop shows it in a message box, the batch program prints it.
class BrikoloError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file could not be opened, read or written; the message is the system's.
class FileError : public BrikoloError {
 public:
  using BrikoloError::BrikoloError;
};

// A text that should hold a number does not.
class ConversionError : public BrikoloError {
 public:
  using BrikoloError::BrikoloError;
};

// printf-style formatting of a message; used for the fixed message texts.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
