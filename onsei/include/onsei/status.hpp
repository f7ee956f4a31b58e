#pragma once

#include <string>
#include <utility>
#include <variant>

namespace onsei {

// An expected failure: what went wrong and where, in words for a person.
struct Error {
  std::string message;
};

// Either a value or an Error.
template <class T>
class Result {
 public:
  Result(T value) : v_(std::move(value)) {}      // NOLINT: implicit on purpose
  Result(Error error) : v_(std::move(error)) {}  // NOLINT

  bool ok() const { return v_.index() == 0; }
  explicit operator bool() const { return ok(); }
  T& value() { return std::get<0>(v_); }
  const T& value() const { return std::get<0>(v_); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  const Error& error() const { return std::get<1>(v_); }

 private:
  std::variant<T, Error> v_;
};

// The result of an operation that gives nothing back.
using Status = Result<std::monostate>;
inline Status Ok() { return std::monostate{}; }

}  // namespace onsei
