// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvcontrastview.h"

#include "contrast.h"
#include "qtcolor.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using tintmere::Color;

namespace {

constexpr int kSampleWidth = 34;
constexpr int kSampleHeight = 22;
constexpr int kSampleFontPixels = 13;

struct LevelText {
    const char* name;    // for object names
    const char* caption; // under "AA" or "AAA"
    const char* meaning; // for tooltips
    double threshold;
};
constexpr std::array<LevelText, 4> kLevels{{
    {"aaBody", QT_TRANSLATE_NOOP("QVContrastView", "body"),
     QT_TRANSLATE_NOOP("QVContrastView", "AA for body text needs a ratio of 4.5:1"),
     tintmere::kAABodyRatio},
    {"aaLarge", QT_TRANSLATE_NOOP("QVContrastView", "large"),
     QT_TRANSLATE_NOOP("QVContrastView",
                       "AA for large text (18 pt, or 14 pt bold) needs a ratio of 3:1"),
     tintmere::kAALargeRatio},
    {"aaaBody", QT_TRANSLATE_NOOP("QVContrastView", "body"),
     QT_TRANSLATE_NOOP("QVContrastView", "AAA for body text needs a ratio of 7:1"),
     tintmere::kAAABodyRatio},
    {"aaaLarge", QT_TRANSLATE_NOOP("QVContrastView", "large"),
     QT_TRANSLATE_NOOP("QVContrastView",
                       "AAA for large text (18 pt, or 14 pt bold) needs a ratio of 4.5:1"),
     tintmere::kAAALargeRatio},
}};

QLabel* captionLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    label->setForegroundRole(QPalette::PlaceholderText);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

// "Aa" in one colour on the other, framed so that a colour like the window's still shows.
class QVContrastView::Sample : public QWidget {
public:
    explicit Sample(QWidget* parent)
        : QWidget(parent) {
        setFixedSize(kSampleWidth, kSampleHeight);
    }

    void setColors(const Color& text, const Color& background) {
        m_text = tintmere::toQColor(text);
        m_background = tintmere::toQColor(background);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.fillRect(box, m_background);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(box);
        QFont font = this->font();
        font.setPixelSize(kSampleFontPixels);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(m_text);
        painter.drawText(rect(), Qt::AlignCenter, u"Aa"_s);
    }

private:
    QColor m_text = Qt::black;
    QColor m_background = Qt::white;
};

QVContrastView::QVContrastView(QWidget* parent)
    : QWidget(parent) {
    setAccessibleName(tr("Contrast"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    grid->addWidget(captionLabel(u"AA"_s, this), 0, 5, 1, 2);
    grid->addWidget(captionLabel(u"AAA"_s, this), 0, 7, 1, 2);
    m_title = captionLabel({}, this);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(m_title, 1, 0, 1, 3);
    QLabel* ratioCaption = captionLabel(tr("ratio"), this);
    ratioCaption->setToolTip(tr("WCAG 2 contrast ratio, from 1:1 to 21:1, the same both ways"));
    grid->addWidget(ratioCaption, 1, 3);
    QLabel* apcaCaption = captionLabel(tr("APCA Lc"), this);
    apcaCaption->setToolTip(
        tr("APCA lightness contrast of each sample, left then right: about 75 or more (or "
           "-75 or less) suits body text, 60 large text, 45 headlines"));
    grid->addWidget(apcaCaption, 1, 4);
    for (std::size_t level = 0; level < kLevels.size(); ++level) {
        QLabel* caption = captionLabel(tr(kLevels[level].caption), this);
        caption->setToolTip(tr(kLevels[level].meaning));
        grid->addWidget(caption, 1, 5 + int(level));
    }

    for (int r = 0; r < RowCount; ++r) {
        Row& row = m_rows[std::size_t(r)];
        const int line = 2 + r;
        row.name = new QLabel(this);
        row.name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(row.name, line, 0);
        row.forward = new Sample(this);
        row.backward = new Sample(this);
        grid->addWidget(row.forward, line, 1);
        grid->addWidget(row.backward, line, 2);
        row.ratio = new QLabel(this);
        row.ratio->setObjectName(u"ratio%1"_s.arg(r));
        row.ratio->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.ratio->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(row.ratio, line, 3);
        row.apca = new QLabel(this);
        row.apca->setObjectName(u"apca%1"_s.arg(r));
        row.apca->setAlignment(Qt::AlignCenter);
        row.apca->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(row.apca, line, 4);
        for (std::size_t level = 0; level < kLevels.size(); ++level) {
            auto* mark = new QLabel(this);
            mark->setObjectName(QLatin1StringView(kLevels[level].name) + QString::number(r));
            mark->setAlignment(Qt::AlignCenter);
            row.marks[level] = mark;
            grid->addWidget(mark, line, 5 + int(level));
        }
    }
    grid->setColumnStretch(4, 1);
    // The strip keeps its height whatever it shows, so the window need not follow it.
    for (QWidget* cell : findChildren<QWidget*>()) {
        QSizePolicy policy = cell->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        cell->setSizePolicy(policy);
    }
    setColors({}, -1);
}

QString QVContrastView::ratioText(double ratio) {
    double shown = std::round(ratio * 100) / 100;
    // 4.497 is not "4.50", which would read as passing AA.
    for (const LevelText& level : kLevels) {
        if (ratio < level.threshold && shown >= level.threshold)
            shown = level.threshold - 0.01;
    }
    return u"%1:1"_s.arg(shown, 0, 'f', 2);
}

void QVContrastView::setColors(const QList<Color>& colors, int selected) {
    m_selected = selected >= 0 && selected < colors.size() ? selected : -1;
    m_title->setText(m_selected < 0 ? QString() : tr("Color %1 with").arg(m_selected + 1));
    int other = 0;
    for (Row& row : m_rows) {
        if (other == m_selected)
            ++other;
        const bool shown = m_selected >= 0 && other < colors.size();
        for (QWidget* cell : {static_cast<QWidget*>(row.name), static_cast<QWidget*>(row.forward),
                              static_cast<QWidget*>(row.backward), static_cast<QWidget*>(row.ratio),
                              static_cast<QWidget*>(row.apca)})
            cell->setVisible(shown);
        for (QLabel* mark : row.marks)
            mark->setVisible(shown);
        if (shown)
            showRow(row, m_selected, other, colors[m_selected], colors[other]);
        ++other;
    }
}

void QVContrastView::showRow(Row& row, int selected, int other, const Color& first,
                             const Color& second) {
    const QString firstName = tr("color %1").arg(selected + 1);
    const QString secondName = tr("color %1").arg(other + 1);
    row.name->setText(QString::number(other + 1));
    row.name->setToolTip(tr("Color %1").arg(other + 1));
    row.forward->setColors(first, second);
    row.forward->setToolTip(tr("Text in %1 on %2").arg(firstName, secondName));
    row.forward->setAccessibleName(row.forward->toolTip());
    row.backward->setColors(second, first);
    row.backward->setToolTip(tr("Text in %1 on %2").arg(secondName, firstName));
    row.backward->setAccessibleName(row.backward->toolTip());

    const double ratio = tintmere::contrastRatio(first, second);
    row.ratio->setText(ratioText(ratio));
    row.ratio->setAccessibleName(tr("Contrast ratio of %1 and %2").arg(firstName, secondName));
    const double forward = tintmere::apcaContrast(first, second);
    const double backward = tintmere::apcaContrast(second, first);
    row.apca->setText(u"%1 / %2"_s.arg(forward, 0, 'f', 1).arg(backward, 0, 'f', 1));
    row.apca->setToolTip(tr("APCA Lc %1 for %2 on %3, %4 for %3 on %2")
                             .arg(forward, 0, 'f', 1)
                             .arg(firstName, secondName)
                             .arg(backward, 0, 'f', 1));
    row.apca->setAccessibleName(row.apca->toolTip());

    const tintmere::WCAGLevels levels = tintmere::wcagLevels(ratio);
    const std::array<bool, 4> passes{levels.aaBody, levels.aaLarge, levels.aaaBody,
                                     levels.aaaLarge};
    for (std::size_t level = 0; level < kLevels.size(); ++level) {
        QLabel* mark = row.marks[level];
        const bool pass = passes[level];
        mark->setText(pass ? u"\u2713"_s : u"\u2717"_s);
        QPalette colors = mark->palette();
        colors.setColor(QPalette::WindowText,
                        pass ? QColor(0x1a, 0x7f, 0x37) : QColor(0xc6, 0x28, 0x28));
        mark->setPalette(colors);
        const QString verdict = pass ? tr("passes") : tr("fails");
        mark->setToolTip(
            tr("%1; %2 and %3 have %4: %5")
                .arg(tr(kLevels[level].meaning), firstName, secondName, ratioText(ratio), verdict));
        mark->setAccessibleName(mark->toolTip());
    }
}
