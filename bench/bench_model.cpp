// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the model layer (tintmere_model): the favorites library file and the exchange
// files, at the size of a large collection.
#include "exchangefiles.h"
#include "favoriteslibrary.h"
#include "libraryautosaver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

namespace {

constexpr int kGroups = 500;
constexpr int kFavoritesPerGroup = 20;

QStringList paletteText(int seed) {
    QStringList colors;
    for (int i = 0; i < kPaletteSize; ++i) {
        colors.append(QString::number((seed * 2654435761u + i * 40503u) & 0xffffff, 16)
                          .rightJustified(6, u'0'));
    }
    return colors;
}

// 10,000 favorites in 500 groups, or as many groups of 20 as asked for.
std::unique_ptr<SimpleTreeNode> largeLibrary(int groups = kGroups) {
    auto root = SimpleTreeNode::emptyLibrary();
    for (int g = 0; g < groups; ++g) {
        auto group = std::make_unique<SimpleTreeNode>(
            SimpleNodeData::groupDataWithName(u"Group %1"_s.arg(g)));
        for (int f = 0; f < kFavoritesPerGroup; ++f) {
            const int n = g * kFavoritesPerGroup + f;
            group->insertChild(std::make_unique<SimpleTreeNode>(SimpleNodeData::leafDataWithName(
                                   u"Favorite %1"_s.arg(n), paletteText(n))),
                               f);
        }
        root->insertChild(std::move(group), g);
    }
    return root;
}

QList<FavoriteEntry> largeFavoritesList() {
    const auto root = largeLibrary();
    return SimpleTreeNode::itemsArrayFromRootChildren(root->children());
}

void librarySave(benchmark::State& state) {
    QTemporaryDir dir;
    FavoritesLibrary library(dir.filePath(u"Favorites.plist"_s));
    const auto root = largeLibrary();
    for (auto _ : state) {
        benchmark::DoNotOptimize(library.save(*root));
    }
}

// The part of an autosave that runs on the main thread: the copy of the tree.
void librarySnapshot(benchmark::State& state) {
    const auto root = largeLibrary(int(state.range(0)) / kFavoritesPerGroup);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SimpleTreeNode::snapshotOfItems(root->children()));
    }
}

// The part that runs on the worker thread: the dictionaries, the XML and the file.
void libraryWrite(benchmark::State& state) {
    QTemporaryDir dir;
    FavoritesLibrary library(dir.filePath(u"Favorites.plist"_s));
    const auto snapshot = SimpleTreeNode::snapshotOfItems(
        largeLibrary(int(state.range(0)) / kFavoritesPerGroup)->children());
    for (auto _ : state) {
        benchmark::DoNotOptimize(library.write(snapshot));
    }
}

// A whole background save while the event loop runs a 5 ms timer: the longest time the
// loop went without serving the timer is how long the window would not respond.
void autosaveWindowStall(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "bench_model";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    FavoritesLibrary library(dir.filePath(u"Favorites.plist"_s));
    const auto root = largeLibrary(int(state.range(0)) / kFavoritesPerGroup);
    LibraryAutosaver saver(&library, root.get(), std::chrono::hours(1), std::chrono::hours(1));
    double longestStallMs = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QTimer ticks;
        ticks.setInterval(5);
        QElapsedTimer sinceTick;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longestStallMs = std::max(longestStallMs, sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
            if (!saver.isSaving())
                loop.quit();
        });
        sinceTick.start();
        ticks.start();
        saver.scheduleSave();
        saver.saveInBackground();
        loop.exec();
    }
    state.counters["longest_stall_ms"] = longestStallMs;
}

void libraryLoad(benchmark::State& state) {
    QTemporaryDir dir;
    FavoritesLibrary library(dir.filePath(u"Favorites.plist"_s));
    if (library.save(*largeLibrary())) {
        state.SkipWithError("could not write the library");
        return;
    }
    for (auto _ : state) {
        FavoritesLibrary::LoadResult loaded = library.load();
        benchmark::DoNotOptimize(loaded.root.get());
    }
}

void paletteWrite(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"p.tnp"_s);
    const Palette palette{Color{0, 0, 0}, Color{1, 1, 1}, Color{1, 0, 0}, Color{0.2f, 0.4f, 0.6f}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(PaletteFile::write(path, palette));
    }
}

void paletteRead(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"p.tnp"_s);
    (void)PaletteFile::write(path, Palette{});
    for (auto _ : state) {
        benchmark::DoNotOptimize(PaletteFile::read(path));
    }
}

void favoritesWrite(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"f.tnf"_s);
    const QList<FavoriteEntry> favorites = largeFavoritesList().mid(0, state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FavoritesFile::write(path, favorites));
    }
}

void favoritesRead(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"f.tnf"_s);
    (void)FavoritesFile::write(path, largeFavoritesList().mid(0, state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FavoritesFile::read(path));
    }
}

} // namespace

BENCHMARK(librarySave)->Unit(benchmark::kMillisecond);
BENCHMARK(librarySnapshot)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(libraryWrite)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(autosaveWindowStall)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(libraryLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(paletteWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(paletteRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(favoritesWrite)->Arg(20)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(favoritesRead)->Arg(20)->Arg(10000)->Unit(benchmark::kMillisecond);
