// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QList>
#include <QWidget>

#include <array>

class QLabel;

// How readable text is in the selected colour on each other well's colour and the other way
// round: a sample of both, the WCAG 2.x contrast ratio, the APCA Lc of each direction and
// whether the ratio passes AA and AAA for body and large text. Rows are named by their
// place: "ratio0" to "ratio2", "apca0", and "aaBody0", "aaLarge0", "aaaBody0", "aaaLarge0".
class QVContrastView : public QWidget {
    Q_OBJECT

public:
    static constexpr int RowCount = 3;
    enum Level { AABody, AALarge, AAABody, AAALarge };

    explicit QVContrastView(QWidget* parent = nullptr);

    // The palette and its selected well; a row compares it with each other well in order.
    void setColors(const QList<tintmere::Color>& colors, int selected);
    int selectedIndex() const { return m_selected; }

    // The ratio as shown: two decimals, never rounded up onto a threshold it misses.
    static QString ratioText(double ratio);

private:
    class Sample;
    struct Row {
        QLabel* name = nullptr;
        Sample* forward = nullptr;  // the selected colour on the other
        Sample* backward = nullptr; // the other colour on the selected
        QLabel* ratio = nullptr;
        QLabel* apca = nullptr;
        std::array<QLabel*, 4> marks{};
    };

    void showRow(Row& row, int selected, int other, const tintmere::Color& first,
                 const tintmere::Color& second);

    QLabel* m_title = nullptr;
    std::array<Row, RowCount> m_rows;
    int m_selected = -1;
};
