// The name of a resource: a number (control ids, numbered resources) or a
// text (dialog templates and icons are named, such as "_QWIZARDPAGEINFO").
#pragma once

#include <string>
#include <variant>

namespace formfit {

class ResourceID {
 public:
  explicit ResourceID(int number) : id_(number) {}
  explicit ResourceID(std::string name) : id_(std::move(name)) {}
  explicit ResourceID(const char* name) : id_(std::string(name)) {}

  bool IsNumber() const { return std::holds_alternative<int>(id_); }
  // The number; 0 for a named resource.
  int Number() const { return IsNumber() ? std::get<int>(id_) : 0; }
  // The name; empty for a numbered resource.
  const std::string& Name() const;

  bool operator==(const ResourceID& other) const { return id_ == other.id_; }

 private:
  std::variant<int, std::string> id_;
};

inline const std::string& ResourceID::Name() const {
  static const std::string none;
  const auto* name = std::get_if<std::string>(&id_);
  return name ? *name : none;
}

}  // namespace formfit
