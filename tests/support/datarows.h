// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QTest>

#include <initializer_list>
#include <tuple>
#include <utility>

// Short forms for data-driven tests and the files they read and write.
namespace testrows {

// One data row, its values in column order, so a row stays on one line.
template <typename... T>
void row(const QByteArray& name, const T&... values) {
    QTestData& data = QTest::newRow(name.constData());
    ((data << values), ...);
}

// A table of one tuple column "c": `const Rows<Row> row;` in the data function adds the
// column and row("name", values...) its rows; ROW(Row, names...) unpacks the current row.
template <typename Row>
struct Rows;
template <typename... T>
struct Rows<std::tuple<T...>> {
    Rows() { QTest::addColumn<std::tuple<T...>>("c"); }
    void operator()(const QByteArray& name, const T&... values) const {
        QTest::newRow(name.constData()) << std::tuple<T...>(values...);
    }
};

// Rows of one tuple column "c", written as brace lists; ROW unpacks the current one.
template <typename T>
void table(std::initializer_list<std::pair<const char*, T>> list) {
    QTest::addColumn<T>("c");
    for (const auto& [name, values] : list)
        QTest::newRow(name) << values;
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

#ifdef TINTMERE_TEST_DATA_DIR
// A file of tests/data/model.
inline QByteArray fixture(const QString& name) {
    return readFile(QStringLiteral(TINTMERE_TEST_DATA_DIR) + QLatin1String("/model/") + name);
}
#endif

} // namespace testrows

#define ROW(T, ...) auto& [__VA_ARGS__] = *static_cast<T*>(QTest::qData("c", qMetaTypeId<T>()))
