#include "platform/qsettings_store.h"

#include <QSettings>
#include <QString>

namespace quorvin {

namespace {
QString Key(const std::string& section, const std::string& name) {
  return QString::fromStdString(section) + "/" + QString::fromStdString(name);
}
}  // namespace

std::string QSettingsStore::get(const std::string& app, const std::string& section,
                                const std::string& name) const {
  QSettings settings(QString::fromStdString(app), QString::fromStdString(app));
  return settings.value(Key(section, name)).toString().toStdString();
}

bool QSettingsStore::set(const std::string& app, const std::string& section,
                         const std::string& name, const std::string& value) {
  QSettings settings(QString::fromStdString(app), QString::fromStdString(app));
  settings.setValue(Key(section, name), QString::fromStdString(value));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace quorvin
