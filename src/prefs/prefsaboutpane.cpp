// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefsaboutpane.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

#ifndef TINTMERE_BUILD
#define TINTMERE_BUILD "unknown"
#endif

namespace {

const QString hotKeyName = u"Ctrl+Alt+Super+L"_s;

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

PrefsAboutPane::PrefsAboutPane(QWidget* parent)
    : QWidget(parent) {
    auto* name = new QLabel(u"Tintmere"_s, this);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    nameFont.setBold(true);
    name->setFont(nameFont);

    auto* version = wrappedLabel(versionText(), this);
    version->setObjectName(u"versionLabel"_s);
    auto* toolkit =
        wrappedLabel(tr("Built with Qt %1, running on Qt %2 (%3)")
                         .arg(QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()),
                              QGuiApplication::platformName()),
                     this);

    m_hotKeyStatus = wrappedLabel(QString(), this);
    m_hotKeyStatus->setObjectName(u"hotKeyStatusLabel"_s);
    m_hotKeyStatus->setAccessibleName(tr("Hot key status"));
    m_hotKeyStatus->setText(
        tr("Whether the hot key %1 works here is not known yet.").arg(hotKeyName));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(toolkit);
    layout->addSpacing(8);
    layout->addWidget(m_hotKeyStatus);
    layout->addStretch();
}

void PrefsAboutPane::setHotKeyStatus(bool available, const QString& reason, const QString& binding,
                                     bool picks) {
    const QString keys = binding.isEmpty() ? hotKeyName : binding;
    if (available && picks) {
        m_hotKeyStatus->setText(
            tr("The hot key %1 starts Pick Color from any program. Pressed during it, it locks "
               "the magnifier at the pointer when the magnifier is out, and picks otherwise.")
                .arg(keys));
        return;
    }
    if (available) {
        m_hotKeyStatus->setText(
            tr("The hot key %1 locks and unlocks the magnifier from any program.").arg(keys));
        return;
    }
    QString text = tr("The hot key %1 is not available.").arg(hotKeyName);
    if (!reason.isEmpty())
        text += u' ' + reason;
    if (picks)
        text += u' ' + tr("Pick Color is also in the Color menu (Ctrl+Shift+P); a key bound to "
                          "tintmere --pick, pressed again while picking, locks the magnifier "
                          "like the hot key.");
    else
        text += u' ' + tr("Lock the magnifier with its menu command instead.");
    m_hotKeyStatus->setText(text);
}

QString PrefsAboutPane::hotKeyStatusText() const {
    return m_hotKeyStatus->text();
}

QString PrefsAboutPane::versionText() {
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty())
        version = QStringLiteral(TINTMERE_VERSION);
    return tr("Version %1 (build %2)").arg(version, QStringLiteral(TINTMERE_BUILD));
}
