// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

class QPropertyAnimation;

// A panel that slides out of one edge of its parent, over the parent's content, and back.
// It announces its transitions on the default notification centre with itself as sender:
// "QVDrawerWillOpen" before it starts to open, "QVDrawerDidOpen" once fully open,
// "QVDrawerWillClose" before it starts to close and "QVDrawerDidClose" once gone.
// Escape inside the drawer closes it.
class QVDrawer : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal openFraction READ openFraction WRITE setOpenFraction)

public:
    // The numbers are the usual drawer states.
    enum State { Closed = 0, Opening = 1, Open = 2, Closing = 3 };
    Q_ENUM(State)

    // parent is the area the drawer slides over; edge is where it comes from.
    explicit QVDrawer(QWidget* parent, Qt::Edge edge = Qt::BottomEdge);
    ~QVDrawer() override;

    // The drawer takes ownership; it is laid out at its size hint along the sliding axis
    // and across the full parent.
    void setContentWidget(QWidget* content);
    QWidget* contentWidget() const { return m_content; }

    Qt::Edge edge() const { return m_edge; }
    State state() const { return m_state; }

    // Nothing happens when already open or opening; a closing drawer turns round.
    void open();
    // Nothing happens when already closed or closing; an opening drawer turns round.
    void close();
    // Closes an open or opening drawer, opens a closed or closing one.
    void toggle();

    // Milliseconds a full slide takes; 0 switches at once.
    void setAnimationDuration(int milliseconds);
    int animationDuration() const { return m_duration; }

    // 0 closed, 1 fully out.
    qreal openFraction() const { return m_openFraction; }
    // How far the drawer reaches out of its edge now, along the sliding axis.
    int shownDepth() const { return m_shownDepth; }

    // The parent makes room for the drawer rather than being covered by it: its owner sizes
    // it from shownDepth(), and the drawer keeps its full depth however small the parent is.
    void setParentMakesRoom(bool makesRoom);
    bool parentMakesRoom() const { return m_parentMakesRoom; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void stateChanged(QVDrawer::State state);
    // The drawer moved along its edge: while it slides, or when its content changed size.
    void shownDepthChanged(int depth);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setOpenFraction(qreal fraction);
    void slideTo(qreal target);
    void slideFinished();
    void setState(State state);
    void post(const QString& name);
    void placeInParent();
    // The full extent along the sliding axis.
    int depth() const;

    QPointer<QWidget> m_content;
    QPropertyAnimation* m_animation = nullptr;
    Qt::Edge m_edge;
    State m_state = Closed;
    qreal m_openFraction = 0.0;
    int m_shownDepth = 0;
    int m_duration = 200;
    bool m_parentMakesRoom = false;
};
