// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one file of every kind the model writes, for an independent reader to check.
#include "exchangefiles.h"
#include "favoriteslibrary.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: model_write_samples DIR\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const Palette palette{Color{0, 0, 0}, Color{1, 1, 1}, Color{1, 0, 0}, Color{0.2f, 0.4f, 0.6f}};
    const QStringList colors{u"000000"_s, u"ffffff"_s, u"ff0000"_s, u"336699"_s};

    auto root = SimpleTreeNode::emptyLibrary();
    auto outer = std::make_unique<SimpleTreeNode>(SimpleNodeData::groupDataWithName(u"Outer"_s));
    outer->insertChild(std::make_unique<SimpleTreeNode>(
                           SimpleNodeData::leafDataWithName(u"Café & <Tea>"_s, colors)),
                       0);
    SimpleTreeNode::dataOf(outer.get())->setExpStart(true);
    root->insertChild(std::move(outer), 0);
    root->insertChild(
        std::make_unique<SimpleTreeNode>(SimpleNodeData::leafDataWithName(u"Plain"_s, colors)), 1);

    const QList<FavoriteEntry> favorites{{u"One"_s, colors}, {u"Two"_s, colors}};
    for (const std::optional<FileError>& error :
         {PaletteFile::write(dir.filePath(u"sample.tnp"_s), palette),
          FavoritesFile::write(dir.filePath(u"sample.tnf"_s), favorites),
          FavoritesFile::write(dir.filePath(u"empty.tnf"_s), {}),
          FavoritesLibrary(dir.filePath(u"Favorites.plist"_s)).save(*root)}) {
        if (error) {
            std::fputs(qPrintable(error->text() + u'\n'), stderr);
            return 1;
        }
    }
    return 0;
}
