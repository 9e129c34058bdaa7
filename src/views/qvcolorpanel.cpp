// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvcolorpanel.h"

#include <QApplication>
#include <QColorDialog>

#include <utility>

using namespace Qt::Literals::StringLiterals;

QVColorPanel::QVColorPanel(QObject* parent)
    : QObject(parent) {
    // The dialog is a window of its own: it must go while the application still stands.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        delete m_dialog;
        m_dialog = nullptr;
    });
}

QVColorPanel::~QVColorPanel() {
    // Once the application is being torn down (a run that never returned from exec) the
    // dialog can no longer hide itself safely; the process is ending, so let it go.
    if (!QCoreApplication::closingDown())
        delete m_dialog;
}

QVColorPanel& QVColorPanel::shared() {
    // Owned by the application, so it never outlives it.
    static QPointer<QVColorPanel> instance;
    if (!instance)
        instance = new QVColorPanel(qApp);
    return *instance;
}

QColorDialog* QVColorPanel::dialog() {
    if (m_dialog)
        return m_dialog;
    m_dialog = new QColorDialog;
    m_dialog->setWindowTitle(tr("Colors"));
    m_dialog->setObjectName(u"QVColorPanel"_s);
    // Live colour changes only reach us from Qt's own dialog; without buttons it behaves as
    // a tool palette that is simply closed when done.
    m_dialog->setOptions(QColorDialog::NoButtons | QColorDialog::DontUseNativeDialog);
    m_dialog->setModal(false);
    connect(m_dialog, &QColorDialog::currentColorChanged, this, &QVColorPanel::colorPicked);
    connect(m_dialog, &QDialog::finished, this, &QVColorPanel::releaseClient);
    return m_dialog;
}

void QVColorPanel::attach(QObject* client, ColorHandler picked, ReleaseHandler released) {
    if (m_client != client)
        releaseClient();
    m_client = client;
    m_picked = std::move(picked);
    m_released = std::move(released);
    Q_EMIT clientChanged(client);
}

void QVColorPanel::detach(QObject* client) {
    if (!client || m_client != client)
        return;
    m_client = nullptr;
    m_picked = {};
    m_released = {};
    Q_EMIT clientChanged(nullptr);
}

void QVColorPanel::releaseClient() {
    if (!m_client)
        return;
    // Clear first: the release handler may take the panel again or detach.
    const ReleaseHandler released = std::move(m_released);
    m_client = nullptr;
    m_picked = {};
    m_released = {};
    Q_EMIT clientChanged(nullptr);
    if (released)
        released();
}

void QVColorPanel::setColor(const QColor& color) {
    const bool wasSetting = std::exchange(m_settingColor, true);
    dialog()->setCurrentColor(color);
    m_settingColor = wasSetting;
}

QColor QVColorPanel::color() const {
    return m_dialog ? m_dialog->currentColor() : QColor(Qt::white);
}

void QVColorPanel::colorPicked(const QColor& color) {
    if (m_settingColor || !m_client || !m_picked)
        return;
    // Copy: the handler may hand the panel to someone else.
    const ColorHandler picked = m_picked;
    picked(color);
}

void QVColorPanel::orderFront() {
    QColorDialog* panel = dialog();
    panel->show();
    panel->raise();
    panel->activateWindow();
}

bool QVColorPanel::isVisible() const {
    return m_dialog && m_dialog->isVisible();
}

void QVColorPanel::close() {
    if (m_dialog)
        m_dialog->close();
}
