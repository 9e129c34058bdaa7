// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "formatpresets.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <optional>

class QMimeData;

// What every colour well shares: one colour, an integer tag naming its place, the gloss and
// web-preview switches, and the exchange of colours with other programs: drags carry the
// colour and its text in the user's drag format, drops take a colour or colour text.
class QVColorWellBase : public QWidget {
    Q_OBJECT

public:
    explicit QVColorWellBase(QWidget* parent = nullptr);

    tintmere::Color color() const { return m_color; }

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    bool drawGloss() const { return m_drawGloss; }
    void setDrawGloss(bool drawGloss);
    bool drawWeb() const { return m_drawWeb; }
    void setDrawWeb(bool drawWeb);

    // How colours are written as text, and which family (0 hex, 1 RGB, 2 web, other: none)
    // a drag carries. The program sets them at start and whenever the preferences change;
    // the views never read the settings themselves.
    static void setTransferFormats(const tintmere::FormatSettings& formats, int dragFamily);

    // Colour text in the given variants. stringOfColor takes a family index and gives a null
    // string for any other.
    static QString stringOfColor(const tintmere::Color& color, int family);
    static QString hexStringOfColor(const tintmere::Color& color);
    static QString rgbStringOfColor(const tintmere::Color& color);
    static QString webStringOfColor(const tintmere::Color& color);

    // What a drag out of the well carries: the colour, and its text in the drag format.
    QMimeData* mimeDataForDrag() const { return mimeDataForColor(m_color); }
    static QMimeData* mimeDataForColor(const tintmere::Color& color);
    // Drags the colour out of `source` as colour and text, with a small chip of it under the
    // pointer. Any view that hands out a colour drags it this way.
    static void execColorDrag(QWidget* source, const tintmere::Color& color);

    // The dropped colour, or else the colour read from dropped text in the drop formats;
    // nothing when the text names no colour.
    static std::optional<tintmere::Color> colorFromMimeData(const QMimeData* mime);

Q_SIGNALS:
    // The well's action: the user touched it or its colour changed.
    void triggered();

protected:
    // Stores without telling anyone.
    void storeColor(const tintmere::Color& color);
    void sendAction() { Q_EMIT triggered(); }

    // The colour lifted by 0.3 a channel (at most 1): the gloss drawn over a swatch.
    static QColor glossColor(const tintmere::Color& color, float alpha);

    // Accepts the drop when performDrop took a colour; a refused drop changes nothing.
    virtual bool performDrop(const QMimeData* mime) = 0;
    // Runs after an accepted drop.
    virtual void concludeDrop() {}

    // A drag starts once the pointer has moved far enough with the button held.
    bool dragWanted(const QMouseEvent* event) const;
    void startDrag();

    // Whether this well takes what the drag carries: a colour, or text that names one.
    bool takesDrag(const QDropEvent* event) const;
    static void acceptAsCopy(QDropEvent* event);

    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void updateAccessibleDescription();

    tintmere::Color m_color{1.0f, 1.0f, 1.0f, 1.0f};
    int m_tag = 0;
    bool m_drawGloss = true;
    bool m_drawWeb = false;
    QPoint m_pressPosition;
};
