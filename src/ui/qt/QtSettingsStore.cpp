// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/QtSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QString>

#include "text/CodePage.h"

namespace ktq {
namespace {

QString ToQ(const std::string& cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

}  // namespace

std::unique_ptr<SettingsStore> UserSettingsStore() {
#ifdef Q_OS_WIN
    return std::make_unique<QtSettingsStore>(
        std::make_unique<QSettings>("HKEY_CURRENT_USER\\Software", QSettings::NativeFormat));
#else
    // Where QSettings keeps it: ~/.config/KTQTests/ktqtests.ini.
    const QString file =
        QSettings(QSettings::IniFormat, QSettings::UserScope, "KTQTests", "ktqtests").fileName();
    QDir().mkpath(QFileInfo(file).absolutePath());
    return std::make_unique<IniFileSettingsStore>(file.toStdString());
#endif
}

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<std::string> QtSettingsStore::ReadText(const std::string& section,
                                                     const std::string& name) {
    QVariant v = settings_->value(ToQ(section) + "/" + ToQ(name));
    // A number in the registry, or a list in an INI file, is not a text value.
    if (!v.isValid() || v.typeId() != QMetaType::QString)
        return std::nullopt;
    return Utf8ToCp1252(v.toString().toStdString());
}

void QtSettingsStore::WriteText(const std::string& section, const std::string& name,
                                const std::string& value) {
    settings_->setValue(ToQ(section) + "/" + ToQ(name), ToQ(value));
    settings_->sync();
}

}  // namespace ktq
