// SPDX-License-Identifier: GPL-3.0-or-later
#include "defaults.h"

#include "fileerror.h"
#include "storedcolors.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

std::unique_ptr<Defaults>& standardSlot() {
    static std::unique_ptr<Defaults> slot;
    return slot;
}

QVariant registeredValueOf(const SettingKey& key) {
    const QString text = key.registeredDefault.toString();
    switch (key.type) {
    case SettingType::Integer:
        return text.toInt();
    case SettingType::Boolean:
        return text == u"true"_s;
    case SettingType::ColorArray:
        return text.split(u' ');
    case SettingType::IntegerMap: {
        QVariantMap map;
        for (const QString& pair : text.split(u';')) {
            const qsizetype equals = pair.indexOf(u'=');
            map.insert(pair.left(equals), pair.mid(equals + 1).toInt());
        }
        return map;
    }
    default:
        return text;
    }
}

// Dictionaries of the program nest two levels at most; a hand-edited file may nest groups
// far deeper, and those levels are not read.
constexpr int kMaxGroupDepth = 8;

// A QSettings group read into a dictionary, nested groups into nested dictionaries.
QVariantMap readGroup(QSettings& settings, int depth = 0) {
    QVariantMap map;
    for (const QString& name : settings.childKeys()) {
        map.insert(name, settings.value(name));
    }
    if (depth >= kMaxGroupDepth) {
        return map;
    }
    for (const QString& group : settings.childGroups()) {
        settings.beginGroup(group);
        map.insert(group, readGroup(settings, depth + 1));
        settings.endGroup();
    }
    return map;
}

void writeEntry(QSettings& settings, const QString& name, const QVariant& value) {
    settings.remove(name);
    if (value.typeId() == QMetaType::QVariantMap) {
        const QVariantMap map = value.toMap();
        settings.beginGroup(name);
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            writeEntry(settings, it.key(), it.value());
        }
        settings.endGroup();
    } else if (value.typeId() == QMetaType::QVariantList) {
        const QVariantList list = value.toList();
        const bool allText = std::all_of(list.cbegin(), list.cend(), [](const QVariant& v) {
            return v.typeId() == QMetaType::QString;
        });
        // Lists of text stay readable in the file; anything else keeps its types.
        settings.setValue(name, allText ? QVariant(value.toStringList()) : value);
    } else if (value.isValid()) {
        settings.setValue(name, value);
    }
}

} // namespace

Defaults::Defaults(std::unique_ptr<QSettings> file)
    : m_file(std::move(file)) {
    load();
    registerStandardDefaults();
}

Defaults::~Defaults() = default;

Defaults& Defaults::standard() {
    std::unique_ptr<Defaults>& slot = standardSlot();
    if (!slot) {
        // Named in full: Qt's own user-scope INI name would end in ".ini".
        slot = fromFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        u"/Tintmere/Tintmere.conf"_s);
    }
    return *slot;
}

void Defaults::setStandardForTesting(std::unique_ptr<Defaults> defaults) {
    standardSlot() = std::move(defaults);
}

std::unique_ptr<Defaults> Defaults::inMemory() {
    return std::unique_ptr<Defaults>(new Defaults(nullptr));
}

std::unique_ptr<Defaults> Defaults::fromFile(const QString& iniPath) {
    return std::unique_ptr<Defaults>(
        new Defaults(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)));
}

void Defaults::load() {
    if (m_file) {
        const QVariantMap all = readGroup(*m_file);
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            m_stored.insert(it.key(), it.value());
        }
    }
}

void Defaults::registerStandardDefaults() {
    for (const SettingKey& key : keys::allKeys) {
        if (key.registered) {
            registerDefault(key, registeredValueOf(key));
        }
    }
}

void Defaults::registerDefault(const SettingKey& key, const QVariant& value) {
    m_registered.insert(key.name.toString(), value);
}

bool Defaults::hasValue(const SettingKey& key) const {
    return value(key).isValid();
}

bool Defaults::hasStoredValue(const SettingKey& key) const {
    return m_stored.value(key.name.toString()).isValid();
}

void Defaults::removeValue(const SettingKey& key) {
    const QString name = key.name.toString();
    m_stored.remove(name);
    if (m_file) {
        m_file->remove(name);
        scheduleSync();
    }
}

QVariant Defaults::value(const SettingKey& key) const {
    const QString name = key.name.toString();
    const QVariant stored = m_stored.value(name);
    return stored.isValid() ? stored : m_registered.value(name);
}

int Defaults::intValue(const SettingKey& key) const {
    return toIntValue(value(key));
}

bool Defaults::boolValue(const SettingKey& key) const {
    return toBoolValue(value(key));
}

QString Defaults::stringValue(const SettingKey& key) const {
    const QVariant v = value(key);
    switch (v.typeId()) {
    case QMetaType::QString:
        return v.toString();
    case QMetaType::QStringList:
        // An unquoted comma in a hand-edited file makes a list of a string.
        return v.toStringList().join(u", "_s);
    default:
        return {};
    }
}

QString Defaults::pathValue(const SettingKey& key) const {
    QString path = stringValue(key);
    if (path == u"~"_s || path.startsWith(u"~/"_s)) {
        path.replace(0, 1, QDir::homePath());
    }
    return path;
}

QStringList Defaults::stringArrayValue(const SettingKey& key) const {
    const QVariant v = value(key);
    switch (v.typeId()) {
    case QMetaType::QStringList:
        return v.toStringList();
    case QMetaType::QString:
        // The INI file writes a list of one element as a plain value.
        return {v.toString()};
    case QMetaType::QVariantList: {
        QStringList strings;
        for (const QVariant& element : v.toList()) {
            strings.append(element.typeId() == QMetaType::QString ? element.toString() : QString());
        }
        return strings;
    }
    default:
        return {};
    }
}

QVariantMap Defaults::dictionaryValue(const SettingKey& key) const {
    const QVariant v = value(key);
    return v.typeId() == QMetaType::QVariantMap ? v.toMap() : QVariantMap();
}

std::optional<Color> Defaults::colorValue(const SettingKey& key) const {
    if (std::optional<Color> stored = Color::colorFromHex(stringValue(key).toStdString())) {
        return stored;
    }
    const QString fallback = m_registered.value(key.name.toString()).toString();
    return Color::colorFromHex(fallback.toStdString());
}

void Defaults::setValueNamed(const QString& name, const QVariant& value) {
    m_stored.insert(name, value);
    writeThrough(name, value);
}

void Defaults::setValue(const SettingKey& key, const QVariant& value) {
    setValueNamed(key.name.toString(), value);
}

void Defaults::setInt(const SettingKey& key, int value) {
    setValue(key, value);
}

void Defaults::setBool(const SettingKey& key, bool value) {
    setValue(key, value);
}

void Defaults::setString(const SettingKey& key, const QString& value) {
    setValue(key, value);
}

void Defaults::setStringArray(const SettingKey& key, const QStringList& value) {
    setValue(key, value);
}

void Defaults::setDictionary(const SettingKey& key, const QVariantMap& value) {
    setValue(key, value);
}

void Defaults::setColor(const SettingKey& key, const Color& color) {
    setString(key, QString::fromStdString(color.colorValueWithFormat(kStoredColorFormat)));
}

QStringList Defaults::paletteValue(const SettingKey& key) const {
    return mendedPalette(stringArrayValue(key));
}

FormatSettings Defaults::formatSettings() const {
    const QVariantMap primary = dictionaryValue(keys::PrimaryFormat);
    FormatSettings settings;
    settings.hexVariant = toIntValue(primary.value(keys::PrimaryFormatHex.toString()));
    settings.rgbVariant = toIntValue(primary.value(keys::PrimaryFormatRgb.toString()));
    settings.webVariant = toIntValue(primary.value(keys::PrimaryFormatWebSafe.toString()));
    settings.useShorthand = boolValue(keys::UseShorthand);
    settings.useUppercase = boolValue(keys::UppercaseHex);
    return settings;
}

void Defaults::saveGeometry(const SettingKey& autosaveName, const QByteArray& geometry) {
    QVariantMap frames = dictionaryValue(keys::WindowFrames);
    frames.insert(autosaveName.name.toString(), QString::fromLatin1(geometry.toBase64()));
    setDictionary(keys::WindowFrames, frames);
}

QByteArray Defaults::restoreGeometry(const SettingKey& autosaveName) const {
    const QVariant frame = dictionaryValue(keys::WindowFrames).value(autosaveName.name.toString());
    if (frame.typeId() != QMetaType::QString) {
        return {};
    }
    return QByteArray::fromBase64(frame.toString().toLatin1());
}

bool Defaults::sync() {
    if (m_syncTimer) {
        m_syncTimer->stop();
    }
    if (!m_file) {
        return true;
    }
    m_file->sync();
    if (m_file->status() == QSettings::NoError) {
        return true;
    }
    if (m_writeFailureHandler && !std::exchange(m_writeFailureReported, true)) {
        const QFileInfo file(m_file->fileName());
        const QString cause =
            writeFailureCause(0, file.absolutePath(), 0, u"the file could not be written"_s);
        m_writeFailureHandler(
            u"Your settings could not be saved in the folder “%1”: %2. Tintmere keeps working "
            u"with your changes, but they will be lost when it quits unless the folder can be "
            u"written by then."_s.arg(QDir::toNativeSeparators(file.absolutePath()), cause));
    }
    return false;
}

void Defaults::setWriteFailureHandler(std::function<void(const QString&)> handler) {
    m_writeFailureHandler = std::move(handler);
}

void Defaults::scheduleSync() {
    // Changes come in bursts (a dragged slider); one write follows each burst.
    if (!m_syncTimer) {
        m_syncTimer = std::make_unique<QTimer>();
        m_syncTimer->setSingleShot(true);
        m_syncTimer->setInterval(500);
        QObject::connect(m_syncTimer.get(), &QTimer::timeout, [this] { sync(); });
    }
    if (!m_syncTimer->isActive()) {
        m_syncTimer->start();
    }
}

QStringList Defaults::storedKeys() const {
    QStringList names = m_stored.keys();
    names.sort();
    return names;
}

void Defaults::writeThrough(const QString& name, const QVariant& value) {
    if (m_file) {
        writeEntry(*m_file, name, value);
        scheduleSync();
    }
}

} // namespace tintmere
