// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QMainWindow>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Tintmere"_s);
    QApplication::setOrganizationName(u"Tintmere"_s);
    QApplication::setApplicationVersion(QStringLiteral(TINTMERE_VERSION));
    QApplication::setDesktopFileName(u"tintmere"_s);

    QMainWindow window;
    window.setWindowTitle(u"Tintmere"_s);
    window.resize(480, 360);
    window.show();
    return QApplication::exec();
}
