// What a table shows: marks that stay apart in greyscale on colour-graded
// cells, and a tick with nothing new repaints nothing.

#include "WindowFixture.h"

#include "../core/link/FakePort.h"
#include "../ui/PaintCounter.h"

#include "app/TableController.h"
#include "link/Frames.h"

#include <QAction>
#include <QImage>
#include <QPaintEvent>
#include <QTabWidget>

namespace korvane::test {
namespace {

class WindowTableLookTest : public WindowFixture {
protected:
    // Table editing with cells coloured by value on the advance map.
    ui::MapTableView &openColouredTable()
    {
        open();
        window->features().MenuTableEditing->trigger();
        window->features().MenuColours[1]->trigger();
        window->deviceLink().setPort(&m_port);
        return *window->table()->mapTable();
    }
    void liveFrame(std::uint16_t rpm, std::uint8_t throttle)
    {
        link::Frame frame{};
        frame[0] = link::MonitorByte;
        frame[1] = static_cast<std::uint8_t>(rpm & 0xFF);
        frame[2] = static_cast<std::uint8_t>(rpm >> 8);
        frame[51] = throttle;
        frame[100] = model::SupportedLayoutVersion;
        frame[101] = link::CheckByte(std::span<const std::uint8_t>(frame.data(), 101));
        m_port.queue(frame);
        window->Timer1Timer();
    }

private:
    link::test::FakePort m_port;
};

// The pixels of a cell, in greyscale.
QImage GreyCell(ui::MapTableView &view, int row, int column)
{
    const QRect rect = view.visualRect(view.model()->index(row, column));
    return view.viewport()->grab(rect).toImage().convertToFormat(QImage::Format_Grayscale8);
}

// How many pixels of two equal-sized cells differ clearly in grey level.
int ClearlyDifferent(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            count += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 60 ? 1 : 0;
    return count;
}

TEST_F(WindowTableLookTest, MarkerSelectionAndCompareMarksStayApartInGreyscale)
{
    // A dark and a light cell colour; four cells of the same value: plain,
    // the live operating point, selected, differing from a compared image.
    for (const int value : {4, 56}) {
        ui::MapTableView &view = openColouredTable();
        model::ConfigImage image = window->image();
        for (std::size_t column = 3; column <= 6; ++column)
            image[model::Offset::AdvMap + 15 * 5 + column] = static_cast<std::uint8_t>(value);
        model::ConfigImage compared = image;
        compared[model::Offset::AdvMap + 15 * 5 + 5] ^= 1;
        window->image() = image;
        window->ShowPage();
        liveFrame(4000, 30);  // column 3 (4000 rpm), row 5 (30 %)
        ASSERT_EQ(view.tableModel()->marks().cell, (maptools::CellPos{5, 3}));
        view.selectCells(maptools::Selection::Cell({5, 4}));
        window->table()->setCompareMarks(history::ImageDiff(image, compared));

        const QImage plain = GreyCell(view, 5, 6);
        const QImage marked[] = {GreyCell(view, 5, 3), GreyCell(view, 5, 4), GreyCell(view, 5, 5)};
        const int enough = plain.width() / 2;  // e.g. one side of an outline, or a corner
        for (int i = 0; i < 3; ++i) {
            EXPECT_GT(ClearlyDifferent(marked[i], plain), enough) << value << " mark " << i;
            for (int j = i + 1; j < 3; ++j)
                EXPECT_GT(ClearlyDifferent(marked[i], marked[j]), enough) << value << " marks " << i << ", " << j;
        }
        window.reset();
    }
}

TEST_F(WindowTableLookTest, AnUnchangedTickRepaintsNothingAndAMovedMarkerOnlyItsCells)
{
    ui::MapTableView &view = openColouredTable();
    for (int i = 0; i < 3; ++i)
        liveFrame(4000, 30);
    ui::test::PaintCounter counter;
    counter.watchTree(window.get());
    counter.settle();
    liveFrame(4000, 30);
    EXPECT_EQ(counter.paintsAfterFlush(), 0);

    struct RegionSpy : QObject {
        QRegion painted;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                painted += static_cast<QPaintEvent *>(event)->region();
            return false;
        }
    } spy;
    view.viewport()->installEventFilter(&spy);
    liveFrame(6000, 30);
    EXPECT_GT(counter.paintsAfterFlush(), 0);
    EXPECT_EQ(view.tableModel()->marks().cell, (maptools::CellPos{5, 4}));
    const QRect cells = view.visualRect(view.model()->index(5, 3)).united(view.visualRect(view.model()->index(5, 4)));
    EXPECT_TRUE(cells.adjusted(-1, -1, 1, 1).contains(spy.painted.boundingRect())) << "not the whole table";
}

}  // namespace
}  // namespace korvane::test
