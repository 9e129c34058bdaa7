// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "formatpresets.h"
#include "settingskeys.h"
#include "valueconversion.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <memory>

class QSettings;
class QTimer;

namespace tintmere {

// The per-user settings. Values live in memory and are written through to an INI file
// (when the store has one) the moment they change. Registered defaults are never written:
// they answer for a key until the user stores a value of their own.
//
// Reads are tolerant of whatever the file holds, since users may edit it: a value of the
// wrong type reads as 0, false or empty, never as an error.
//
// A file that cannot be written (a full disk, a read-only folder) does not stop the
// program: values keep living in memory, and the failure handler hears of it once.
//
// INI layout: integers, Booleans and strings as plain values, string arrays as
// comma-separated lists, dictionaries as groups (nested dictionaries as nested groups).
class Defaults {
public:
    ~Defaults();
    Defaults(const Defaults&) = delete;
    Defaults& operator=(const Defaults&) = delete;

    // The program's store: ~/.config/Tintmere/Tintmere.conf, standard defaults registered.
    static Defaults& standard();
    // Replaces the program's store, e.g. with an in-memory one in tests; null restores the
    // file store on next use.
    static void setStandardForTesting(std::unique_ptr<Defaults> defaults);

    // A store that is never written anywhere, with the standard defaults registered.
    static std::unique_ptr<Defaults> inMemory();
    // A store over the INI file at the path, with the standard defaults registered.
    static std::unique_ptr<Defaults> fromFile(const QString& iniPath);

    // Registers the default of every registered key of the table.
    void registerStandardDefaults();
    void registerDefault(const SettingKey& key, const QVariant& value);

    // True when the key has a stored or a registered value.
    bool hasValue(const SettingKey& key) const;
    // True only for a value the user stored.
    bool hasStoredValue(const SettingKey& key) const;
    void removeValue(const SettingKey& key);

    // The stored value, else the registered one, else an invalid QVariant. Strings read
    // back from the file are text; use the typed reads below.
    QVariant value(const SettingKey& key) const;

    int intValue(const SettingKey& key) const;
    bool boolValue(const SettingKey& key) const;
    QString stringValue(const SettingKey& key) const;
    // A string value with a leading "~" expanded to the home folder.
    QString pathValue(const SettingKey& key) const;
    QStringList stringArrayValue(const SettingKey& key) const;
    QVariantMap dictionaryValue(const SettingKey& key) const;
    // The colour of a colour-string key; stored text that is not a colour gives the
    // registered default. No colour when neither gives one (unregistered keys).
    std::optional<Color> colorValue(const SettingKey& key) const;
    // Four colour strings of a colour-array key, white for any that is missing or not a
    // colour.
    QStringList paletteValue(const SettingKey& key) const;

    void setValue(const SettingKey& key, const QVariant& value);
    void setInt(const SettingKey& key, int value);
    void setBool(const SettingKey& key, bool value);
    void setString(const SettingKey& key, const QString& value);
    void setStringArray(const SettingKey& key, const QStringList& value);
    void setDictionary(const SettingKey& key, const QVariantMap& value);
    // Stores the colour as stored colour text ("%Xr%Xg%Xb").
    void setColor(const SettingKey& key, const Color& color);

    // The hex, RGB and web variants and the two switches, as the colour views need them.
    FormatSettings formatSettings() const;

    // Window frames by autosave name (keys::GlobalPanel, keys::PrefsWindow).
    void saveGeometry(const SettingKey& autosaveName, const QByteArray& geometry);
    QByteArray restoreGeometry(const SettingKey& autosaveName) const;

    // Writes pending changes to the file now (also done shortly after every change).
    // False when the file could not be written.
    bool sync();
    // Told once, with a text for the user, when the settings file cannot be written.
    void setWriteFailureHandler(std::function<void(const QString&)> handler);

    // Every stored key, for the conversion of older settings and for tests.
    QStringList storedKeys() const;
    // Raw access by name: only the conversion of older settings needs it, to lift the
    // entries of an old dictionary to the top level.
    void setValueNamed(const QString& name, const QVariant& value);

private:
    explicit Defaults(std::unique_ptr<QSettings> file);

    void load();
    void writeThrough(const QString& name, const QVariant& value);
    void scheduleSync();

    std::unique_ptr<QSettings> m_file;
    std::unique_ptr<QTimer> m_syncTimer;
    std::function<void(const QString&)> m_writeFailureHandler;
    bool m_writeFailureReported = false;
    QHash<QString, QVariant> m_stored;
    QHash<QString, QVariant> m_registered;
};

} // namespace tintmere
