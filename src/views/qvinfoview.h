// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include <array>

class QVColorInfo;

// The main window's colour strings: a header strip titled "Color Info" over a white body
// with up to three labelled rows (hex, RGB and web). A row appears with its first
// non-empty string and is hidden again by an empty one.
class QVInfoView : public QWidget {
    Q_OBJECT

public:
    static constexpr int RowCount = 3;

    explicit QVInfoView(QWidget* parent = nullptr);

    void setString(const QString& string, int index);
    // Null while the row has never been created.
    QString stringAtIndex(int index) const;
    void setLabel(const QString& label, int index);
    QString labelAtIndex(int index) const;
    // Null before the row's first non-empty string.
    QVColorInfo* colorInfoAtIndex(int index) const;

    // Measures the labels of the shown rows again, then lays the rows out.
    virtual void compareLabelSizeAtIndex(int index);
    virtual void updateInfoPositions();

    qreal largestWidth() const { return m_largestWidth; }
    // A shown row: created and not emptied (a row still being set up counts).
    bool isRowVisible(int index) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // A row asked for its menu (Shift+right click, the menu key), at globalPos.
    void rowMenuRequested(int index, const QPoint& globalPos);

protected:
    static bool isValidIndex(int index) { return index >= 0 && index < RowCount; }
    // The widest label among the shown rows, in the label font.
    qreal widestVisibleLabel() const;
    qreal labelHeight() const;
    // The row was made by its first string: places it.
    virtual void setUpRow(QVColorInfo* row, int index);
    // The row took a non-empty string: lays the rows out.
    virtual void rowShown(int index);

    void paintEvent(QPaintEvent* event) override;

    QFont m_titleFont;
    QFont m_labelFont;
    std::array<QVColorInfo*, RowCount> m_colorInfo{};
    std::array<QString, RowCount> m_colorLabel;
    qreal m_largestWidth = 0;

private:
    // The row's top left corner in the layout.
    QPoint rowOrigin(int index) const;
};
