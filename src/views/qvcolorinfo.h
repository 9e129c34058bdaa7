// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <QWidget>

class QMimeData;

// One colour string, drawn as plain text that lights up inside a pill while the pointer is
// over it. A click copies the whole string, a drag carries it away as text, a right click
// posts "QVColorInfoRightClick" so the row can switch to the next notation. A row that
// offers a menu asks for it on a Shift+right click or the keyboard's menu key. A string
// wider than maxWidth is cut and ends in "...". The row's width follows its text.
class QVColorInfo : public QWidget {
    Q_OBJECT

public:
    explicit QVColorInfo(QWidget* parent = nullptr);

    QString string() const { return m_string; }
    // False until the first setString, so a row being set up still counts as shown.
    bool hasString() const { return m_hasString; }
    void setString(const QString& string);

    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor& color) { m_backgroundColor = color; }
    QColor altBackgroundColor() const { return m_altBackgroundColor; }
    void setAltBackgroundColor(const QColor& color) { m_altBackgroundColor = color; }
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);
    QColor altFontColor() const { return m_altFontColor; }
    void setAltFontColor(const QColor& color);
    QFont stringFont() const { return m_stringFont; }
    void setStringFont(const QFont& font);
    // The label font at that size; 0 is the usual label size.
    int fontSize() const { return m_fontSize; }
    void setFontSize(int size);
    // Width left to the text; 0 for no limit.
    qreal maxWidth() const { return m_maxWidth; }
    void setMaxWidth(qreal width);

    // The string as it fits in maxWidth: whole, or cut character by character until the
    // rest and "..." fit.
    QString trimmedString(const QString& string) const;

    // What a drag of the row carries, and the copy of a click: the full string as text.
    QMimeData* mimeDataForDrag() const;
    void copyToClipboard() const;

    // Whether Shift+right click and the menu key ask for a menu (menuRequested) rather than
    // for the next notation.
    bool offersMenu() const { return m_offersMenu; }
    void setOffersMenu(bool offers) { m_offersMenu = offers; }

    bool isMouseDown() const { return m_isMouseDown; }
    bool isHighlighted() const;

    // The drag image: the row highlighted, at 80 % opacity.
    QPixmap dragPixmap();

    QSize sizeHint() const override;

    // The program's label font at a size in points; 0 is the usual label size.
    static QFont labelFontOfSize(int size);

Q_SIGNALS:
    // The menu belongs at globalPos, in screen coordinates.
    void menuRequested(const QPoint& globalPos);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void postRightClick();
    void fitWidthToText();
    void startDrag();
    qreal textWidth(const QString& text) const;

    QString m_string;
    bool m_hasString = false;
    QColor m_backgroundColor = QColor::fromRgbF(0.6f, 0.6f, 0.6f);
    QColor m_altBackgroundColor = QColor::fromRgbF(0.5f, 0.5f, 0.5f);
    QColor m_fontColor = Qt::black;
    QColor m_altFontColor = Qt::white;
    QFont m_stringFont;
    bool m_isMouseDown = false;
    bool m_hovered = false;
    bool m_ensureHighlight = false;
    bool m_dragged = false;
    bool m_offersMenu = false;
    int m_fontSize = 0;
    qreal m_maxWidth = 0;
    QPoint m_pressPosition;
};
