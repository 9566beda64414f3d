#pragma once
// The per-user settings store: single text values by application, section and
// name. A missing value reads as the empty text.

#include <map>
#include <string>
#include <tuple>

namespace quorvin {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string get(const std::string& app, const std::string& section,
                          const std::string& name) const = 0;
  // Returns false when the value could not be stored.
  virtual bool set(const std::string& app, const std::string& section,
                   const std::string& name, const std::string& value) = 0;
};

// Keeps the values in memory: for tests, and for a run without a store.
class MemorySettingsStore : public SettingsStore {
 public:
  std::string get(const std::string& app, const std::string& section,
                  const std::string& name) const override {
    auto it = values_.find({app, section, name});
    return it == values_.end() ? std::string() : it->second;
  }
  bool set(const std::string& app, const std::string& section, const std::string& name,
           const std::string& value) override {
    values_[{app, section, name}] = value;
    return true;
  }

 private:
  std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
};

}  // namespace quorvin
