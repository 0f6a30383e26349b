#include "app/framelayout.h"

#include "app/cmainframe.h"
#include "discs/cleftview.h"
#include "files/ctavikonview.h"
#include "files/filelistmodel.h"
#include "platform/profilesettings.h"

#include <QHeaderView>
#include <QSplitter>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int kClassicWidths[] = {255, 200, 320, 165};
constexpr int kDiscTreePane = 1;
// A label the disc tree must show whole without scrolling.
constexpr char kWidestUsualLabel[] = "123 A disc name of thirty chars";
constexpr int kSmallestPane = 40;

const QString kPaneWidthsKey = QStringLiteral("MainFrame/PaneWidths");
const QString kColumnWidthsKey = QStringLiteral("FileList/ColumnWidths");
// The columns whose width is the user's; the name column takes what is left.
constexpr int kKeptColumns[] = {CFileListModel::SizeColumn, CFileListModel::TypeColumn};

// A list of `count` widths, each at least `smallest`, or nothing when the stored value is
// anything else.
QList<int> readWidths(const QVariant &value, qsizetype count, int smallest)
{
    const QStringList texts = value.toStringList();
    if (texts.size() != count)
        return {};
    QList<int> widths;
    for (const QString &text : texts) {
        bool ok = false;
        const int width = text.toInt(&ok);
        if (!ok || width < smallest || width > 20000)
            return {};
        widths.append(width);
    }
    return widths;
}

QStringList writeWidths(const QList<int> &widths)
{
    QStringList texts;
    for (const int width : widths)
        texts.append(QString::number(width));
    return texts;
}

} // namespace

QList<int> DefaultPaneWidths(const CMainFrame &frame)
{
    QList<int> widths(std::begin(kClassicWidths), std::end(kClassicWidths));
    if (const CLeftView *tree = frame.LeftView()) {
        const QStyle *style = tree->style();
        // Branch indicator, icon, the item's own margins, frame and a vertical scroll bar.
        const int label = tree->indentation() + tree->iconSize().width()
            + tree->fontMetrics().horizontalAdvance(QLatin1String(kWidestUsualLabel))
            + 3 * style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 8
            + 2 * tree->frameWidth()
            + style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tree);
        widths[kDiscTreePane] = std::max(widths[kDiscTreePane], label);
    }
    return widths;
}

void RestoreFrameLayout(CMainFrame &frame)
{
    QSplitter *splitter = frame.Splitter();
    if (!splitter)
        return;
    const auto settings = OpenProfileSettings();
    QList<int> panes
        = readWidths(settings->value(kPaneWidthsKey), splitter->count(), kSmallestPane);
    splitter->setSizes(panes.isEmpty() ? DefaultPaneWidths(frame) : panes);

    if (CTavikonView *files = frame.FilesView()) {
        const QList<int> columns
            = readWidths(settings->value(kColumnWidthsKey), std::size(kKeptColumns),
                         files->header()->minimumSectionSize());
        for (qsizetype i = 0; i < columns.size(); ++i)
            files->header()->resizeSection(kKeptColumns[i], columns[i]);
    }
}

void SaveFrameLayout(const CMainFrame &frame)
{
    const QSplitter *splitter = frame.Splitter();
    if (!splitter)
        return;
    const auto settings = OpenProfileSettings();
    settings->setValue(kPaneWidthsKey, writeWidths(splitter->sizes()));
    if (const CTavikonView *files = frame.FilesView()) {
        QList<int> columns;
        for (const int column : kKeptColumns)
            columns.append(files->header()->sectionSize(column));
        settings->setValue(kColumnWidthsKey, writeWidths(columns));
    }
}
