#pragma once
// The per-user settings store on QSettings: one value per application,
// section and name, in the user's native settings location.

#include "model/settings_store.h"

namespace quorvin {

class QSettingsStore : public SettingsStore {
 public:
  std::string get(const std::string& app, const std::string& section,
                  const std::string& name) const override;
  bool set(const std::string& app, const std::string& section, const std::string& name,
           const std::string& value) override;
};

}  // namespace quorvin
