// What a reader or writer of a file or catalogue gives back: its value, or
// the reason it could not, in words for the user. Every file and catalogue
// access of the program answers this way, so a caller handles a failure the
// same way wherever it comes from: one message naming the file and the
// reason, and nothing changed.
#pragma once

#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace corvane {

template <class T = std::monostate>
class [[nodiscard]] Outcome {
 public:
  // A success (for Outcome<> without a value).
  Outcome() requires std::is_same_v<T, std::monostate> : value_(T{}) {}
  Outcome(T value) : value_(std::move(value)) {}  // NOLINT: a value is a success
  static Outcome failure(std::string reason) {
    Outcome out(std::nullopt);
    out.reason_ = std::move(reason);
    return out;
  }

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  // The value of a success.
  T& value() { return *value_; }
  const T& value() const { return *value_; }
  T* operator->() { return &*value_; }
  // The reason of a failure ("" for a success).
  const std::string& reason() const { return reason_; }

 private:
  explicit Outcome(std::nullopt_t) {}
  std::optional<T> value_;
  std::string reason_;
};

// The reason of a failure as an outcome of any other kind, for passing it on.
struct Failure {
  std::string reason;
  template <class T>
  operator Outcome<T>() const {  // NOLINT: a failure converts to every outcome
    return Outcome<T>::failure(reason);
  }
};

// What `work` gives, or the reason of the Error it throws, for the readers
// and writers that stop at their first problem by throwing it.
template <class Error, class Work>
auto outcomeOf(Work&& work) {
  using Value = std::invoke_result_t<Work&>;
  using Result = std::conditional_t<std::is_void_v<Value>, Outcome<>, Outcome<Value>>;
  try {
    if constexpr (std::is_void_v<Value>) {
      work();
      return Result();
    } else {
      return Result(work());
    }
  } catch (const Error& error) {
    return Result(Failure{error.what()});
  }
}

}  // namespace corvane
