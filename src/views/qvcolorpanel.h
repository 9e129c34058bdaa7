// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

#include <functional>

class QColorDialog;

// The program's one colour dialog. It stays open beside the windows and hands every colour
// the user picks, live, to the control that took it last: a colour well or a pop-up. One
// control at a time: taking the panel releases the previous holder.
class QVColorPanel : public QObject {
    Q_OBJECT

public:
    using ColorHandler = std::function<void(const QColor&)>;
    using ReleaseHandler = std::function<void()>;

    static QVColorPanel& shared();

    // client receives every picked colour until another control takes the panel or the
    // panel is closed; then released runs (not when client itself calls detach).
    void attach(QObject* client, ColorHandler picked, ReleaseHandler released = {});
    // Lets go of client quietly if it holds the panel.
    void detach(QObject* client);
    QObject* client() const { return m_client; }

    // Shows a colour without handing it to the client.
    void setColor(const QColor& color);
    QColor color() const;

    // Shows the panel and brings it to the front.
    void orderFront();
    bool isVisible() const;
    void close();

    QColorDialog* dialog();

Q_SIGNALS:
    void clientChanged(QObject* client);

private:
    explicit QVColorPanel(QObject* parent);
    ~QVColorPanel() override;

    void colorPicked(const QColor& color);
    void releaseClient();

    QColorDialog* m_dialog = nullptr;
    QPointer<QObject> m_client;
    ColorHandler m_picked;
    ReleaseHandler m_released;
    bool m_settingColor = false;
};
