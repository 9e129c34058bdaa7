// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutdialog.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

AboutDialog::AboutDialog(QWidget* parent)
    : QMessageBox(parent) {
    setWindowTitle(tr("About Tintmere"));
    setObjectName(u"aboutDialog"_s);
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull())
        setIconPixmap(icon.pixmap(64, 64));
    QString text = u"<h3>Tintmere %1</h3><p>%2</p><p>%3</p><p>%4</p><ul>"_s.arg(
        QStringLiteral(TINTMERE_VERSION),
        tr("A color utility: pick, edit, blend and keep colors.").toHtmlEscaped(),
        tr("Tintmere is free software under the GNU General Public License, version 3 or "
           "later (GPL-3.0-or-later). It comes with no warranty.")
            .toHtmlEscaped(),
        tr("Built on:").toHtmlEscaped());
    for (const QString& library : libraries())
        text += u"<li>%1</li>"_s.arg(library.toHtmlEscaped());
    text += u"</ul><p><a href=\"https://tintmere.org/\">https://tintmere.org/</a></p>"_s;
    setTextFormat(Qt::RichText);
    setText(text);
    setTextInteractionFlags(Qt::TextBrowserInteraction);
    setStandardButtons(QMessageBox::Close);
}

QStringList AboutDialog::libraries() {
    QStringList libraries{
        tr("Qt %1 (LGPL-3.0-only), built with Qt %2")
            .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR))};
#ifdef TINTMERE_XCB_VERSION
    libraries.append(tr("libxcb %1 (MIT)").arg(QStringLiteral(TINTMERE_XCB_VERSION)));
#endif
    return libraries;
}

} // namespace tintmere
