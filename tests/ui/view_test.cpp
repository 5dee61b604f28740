// The scheme view on real widgets: selection, zoom, the context menu and
// saved pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <map>
#include <optional>

#include "drawing/SchemeBuilders.h"
#include "drawing/ViewGeometry.h"
#include "export/SvgCanvas.h"
#include "model/SchemeFile.h"
#include "model/TempDir.h"
#include "ui/UiTestHost.h"

namespace lodex {
namespace {

using testing::LogicBlock;
using testing::LongChain;
using testing::MakeScheme;

bool HasBlue(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.blue() > 200 && c.red() < 60 && c.green() < 60) return true;
    }
  return false;
}

class UiViewTest : public ::testing::Test {
 protected:
  UiViewTest() {
    host.view = &view;
    view.resize(640, 480);
    view.show();
  }

  void NewProject(int inputs, int outputs, const std::string& lp) {
    ASSERT_TRUE(doc.FinishNewProject({"p", inputs, outputs, lp}));
  }
  void Open(const CLogicalScheme& scheme) {
    const std::string path = dir.File("in.shc");
    ASSERT_TRUE(SaveSchemeFile(path, scheme).ok());
    ASSERT_TRUE(doc.OnOpenDocument(path));
  }
  void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(view.viewport(), button, Qt::NoModifier, at);
  }
  void Wheel(int delta, Qt::KeyboardModifiers modifiers, QPoint at = {100, 100}) {
    QWheelEvent event(at, view.viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, modifiers, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(view.viewport(), &event);
  }
  QImage Grab() { return view.viewport()->grab().toImage(); }

  // Opens the context menu at `at` and reads the enabled state of every
  // command in it, by "submenu/item" or "item"; `choose` names a top-level item to pick before it closes.
  // None when no menu opened.
  std::optional<std::map<QString, bool>> ContextMenu(QPoint at, const QString& choose = {}) {
    std::optional<std::map<QString, bool>> items;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      items.emplace();
      for (QAction* a : menu->actions()) {
        if (a->menu())
          for (QAction* sub : a->menu()->actions()) (*items)[a->text() + "/" + sub->text()] = sub->isEnabled();
        else
          (*items)[a->text()] = a->isEnabled();
        if (a->text() == choose) menu->setActiveAction(a);
      }
      if (choose.isEmpty())
        menu->close();
      else
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.viewport(), &event);
    QApplication::processEvents();  // the timer, when no menu opened
    return items;
  }

  test::CUiTestHost host;
  CLodexDoc doc{host};
  CLodexView view{doc};
  testing::CTempDir dir;
};

// Block A feeds block B, which drives the only output.
CLogicalScheme TwoBlocks() {
  return MakeScheme(3, {LogicBlock("B", "0110", {{0, "A"}, {2, "I"}}), LogicBlock("A", "0001", {{0, "I"}, {1, "I"}})},
                    {{0, "B"}});
}

TEST_F(UiViewTest, ClickSelectsTheBlockUnderItAndPaintsItBlue) {
  EXPECT_FALSE(HasBlue(Grab()));
  EXPECT_EQ(Grab().pixelColor(50, 50), QColor(Qt::white));  // an empty scheme draws nothing
  Open(TwoBlocks());
  const Rect r = view.Drawing().Entries()[2].rect;
  Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_EQ(doc.SelectedBlock(), 2);
  const QImage selected = Grab();
  EXPECT_EQ(selected.pixelColor(r.left, (r.top + r.bottom) / 2), QColor(Qt::blue));
  EXPECT_EQ(selected.pixelColor((r.left + r.right) / 2, r.top), QColor(Qt::blue));
  const Rect other = view.Drawing().Entries()[1].rect;
  EXPECT_EQ(selected.pixelColor(other.left, (other.top + other.bottom) / 2), QColor(Qt::black));

  // Right-click selects too; empty space clears the selection.
  Click({(other.left + other.right) / 2, other.top + 1}, Qt::RightButton);
  EXPECT_EQ(doc.SelectedBlock(), 1);
  Click({2, 2});
  EXPECT_EQ(doc.SelectedBlock(), -1);
  EXPECT_FALSE(HasBlue(Grab()));
}

TEST_F(UiViewTest, CtrlWheelZoomsAroundTheCursorNeverBelowOne) {
  std::mt19937 rng(7);
  Open(testing::DecomposedScheme(rng, 6, 3, true));  // larger than the viewport
  view.ZoomReset();
  QSignalSpy zoomed(&view, &CLodexView::ZoomChanged);

  Wheel(120, Qt::ControlModifier);
  EXPECT_EQ(view.Zoom(), 110u);
  ASSERT_EQ(zoomed.size(), 1);
  EXPECT_EQ(zoomed[0][0].toUInt(), 110u);

  // The diagram point under the cursor stays under it.
  view.horizontalScrollBar()->setValue(40);
  view.verticalScrollBar()->setValue(60);
  const QPoint cursor(300, 200);
  const auto underCursor = [&] {
    return ViewToDiagram({view.horizontalScrollBar()->value(), view.verticalScrollBar()->value()},
                         {cursor.x(), cursor.y()}, view.Zoom());
  };
  const Point before = underCursor();
  Wheel(240, Qt::ControlModifier, cursor);
  EXPECT_EQ(view.Zoom(), 130u);
  const Point after = underCursor();
  EXPECT_NEAR(after.x, before.x, 1);
  EXPECT_NEAR(after.y, before.y, 1);

  // Without Ctrl alone the wheel scrolls; the zoom stays.
  Wheel(-120, Qt::NoModifier);
  Wheel(-120, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(view.Zoom(), 130u);

  for (int i = 0; i < 30; ++i) Wheel(-120, Qt::ControlModifier);
  EXPECT_EQ(view.Zoom(), 1u);
  view.ZoomOut();
  EXPECT_EQ(view.Zoom(), 1u);
  view.ZoomIn();
  EXPECT_EQ(view.Zoom(), 2u);
  view.ZoomReset();
  EXPECT_EQ(view.Zoom(), 100u);
  view.SetZoom(1'000'000);
  EXPECT_EQ(view.Zoom(), CLodexView::kMaximumZoom);

  // Fitting: the whole diagram inside the viewport, the next step not.
  view.FitToWindow();
  const Point fit = ScaledDiagramSize(view.Drawing().Width(), view.Drawing().Height(), view.Zoom());
  EXPECT_LE(fit.x, view.maximumViewportSize().width());
  EXPECT_LE(fit.y, view.maximumViewportSize().height());
  const Point next = ScaledDiagramSize(view.Drawing().Width(), view.Drawing().Height(), view.Zoom() + 1);
  EXPECT_TRUE(next.x > view.maximumViewportSize().width() || next.y > view.maximumViewportSize().height());
}

TEST_F(UiViewTest, OpeningFitsABigSchemeCentredAndKeepsASmallOneAtFullSize) {
  Open(LongChain(300));
  ASSERT_TRUE(view.LargerThanViewport());
  EXPECT_LT(view.Zoom(), 100u);
  const Point fitted = ScaledDiagramSize(view.Drawing().Width(), view.Drawing().Height(), view.Zoom());
  EXPECT_LE(fitted.x, view.viewport()->width());
  EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(view.verticalScrollBar()->maximum(), 0);
  // Centred: the margins on both sides differ by at most a pixel.
  const int left = view.Origin().x(), right = view.viewport()->width() - fitted.x - left;
  EXPECT_GT(left, 0);
  EXPECT_NEAR(left, right, 1);

  // The next file brings its own zoom, not this one's.
  Open(TwoBlocks());
  EXPECT_EQ(view.Zoom(), 100u);
  EXPECT_EQ(view.Origin(), QPoint(0, 0));
}

TEST_F(UiViewTest, AHugeSchemeFitsWholeBelowOnePercentAndTheBlockFoundIsScrolledTo) {
  Open(LongChain(3000));  // too long to fit at 1 %
  const double small = view.Zoom();
  // A fitted diagram follows the window's size.
  view.resize(1000, 700);
  const double fitted = view.Zoom();
  EXPECT_GT(fitted, small);
  ASSERT_LT(fitted, 1.0);
  EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(view.verticalScrollBar()->maximum(), 0);
  const Point whole = ScaledDiagramSize(view.Drawing().Width(), view.Drawing().Height(), fitted);
  EXPECT_LE(whole.x, view.viewport()->width());
  EXPECT_GT(ScaledDiagramSize(view.Drawing().Width(), view.Drawing().Height(), fitted + 0.01).x,
            view.maximumViewportSize().width());

  // From there out and the wheel down stay; in goes to 1 %.
  view.ZoomOut();
  Wheel(-120, Qt::ControlModifier);
  EXPECT_EQ(view.Zoom(), fitted);
  view.ZoomIn();
  EXPECT_EQ(view.Zoom(), 1.0);

  // At 1 % the chain overflows: a block found is scrolled into sight.
  ASSERT_GT(view.horizontalScrollBar()->maximum(), 0);
  view.SelectAndCentre(1);
  const int first = view.horizontalScrollBar()->value();
  view.SelectAndCentre(3000);
  EXPECT_NE(view.horizontalScrollBar()->value(), first);
  const Rect r = view.Drawing().Entries()[3000].rect;
  const QPoint at = view.ToViewport((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_TRUE(view.viewport()->rect().contains(at)) << at.x() << ", " << at.y();
}

TEST_F(UiViewTest, ZoomAndPanKeepThePointUnderTheCursor) {
  Open(LongChain(300));
  view.ZoomReset();
  view.horizontalScrollBar()->setValue(200);
  view.verticalScrollBar()->setValue(300);
  const QPoint cursor(250, 150);
  const auto under = [&] {
    const QPoint o = view.Origin();
    return ViewToDiagram({-o.x(), -o.y()}, {cursor.x(), cursor.y()}, view.Zoom());
  };
  const Point before = under();
  Wheel(-360, Qt::ControlModifier, cursor);
  EXPECT_EQ(view.Zoom(), 70u);
  EXPECT_NEAR(under().x, before.x, 2);
  EXPECT_NEAR(under().y, before.y, 2);

  // The middle button drags the diagram anywhere, the left one on empty
  // space: the diagram moves with the mouse.
  const auto drag = [this](Qt::MouseButton button, QPoint from, QPoint to) {
    QTest::mousePress(view.viewport(), button, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), view.viewport()->mapToGlobal(QPointF(to)), Qt::NoButton, button,
                     Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &move);
    QTest::mouseRelease(view.viewport(), button, Qt::NoModifier, to);
  };
  const QPoint origin = view.Origin();
  drag(Qt::MiddleButton, {300, 300}, {260, 250});
  EXPECT_EQ(view.Origin(), origin + QPoint(-40, -50));

  const Point empty{5, 5};
  ASSERT_LT(SelectAt(view.Drawing(), {-view.Origin().x(), -view.Origin().y()}, empty, view.Zoom()), 0);
  drag(Qt::LeftButton, {5, 5}, {35, 25});
  EXPECT_EQ(view.Origin(), origin + QPoint(-10, -30));
  EXPECT_EQ(doc.SelectedBlock(), -1);
}

TEST_F(UiViewTest, TabWalksTheBlocksAndCentresEach) {
  Open(LongChain(300));
  view.ZoomReset();
  view.setFocus();
  QTest::keyClick(&view, Qt::Key_Tab);
  EXPECT_EQ(doc.SelectedLogicBlock(), 1);
  QTest::keyClick(&view, Qt::Key_Tab);
  EXPECT_EQ(doc.SelectedLogicBlock(), 2);
  QTest::keyClick(&view, Qt::Key_Backtab);
  QTest::keyClick(&view, Qt::Key_Backtab);
  EXPECT_EQ(doc.SelectedLogicBlock(), 300);  // round to the last
  // A block away from the diagram's edges comes to the viewport's centre.
  doc.SelectBlock(149);
  QTest::keyClick(&view, Qt::Key_Tab);
  ASSERT_EQ(doc.SelectedLogicBlock(), 150);
  const Rect r = view.Drawing().Entries()[150].rect;
  const QPoint centre = view.ToViewport((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_NEAR(centre.x(), view.viewport()->width() / 2, 2);
  EXPECT_NEAR(centre.y(), view.viewport()->height() / 2, 2);
}

TEST_F(UiViewTest, TheSelectionLightsItsSignalsAndAnInputsStubsLightTogether) {
  Open(TwoBlocks());
  EXPECT_TRUE(view.Highlight().empty());
  doc.SelectBlock(2);  // A: reads inputs 0 and 1, feeds B's pin 0
  const std::vector<PinRef> a{{2, 0}, {2, 1}, {1, 0}};
  EXPECT_EQ(view.Highlight(), a);
  const QImage lit = Grab();
  const PinWire& into = view.Drawing().Entries()[1].pins[0];
  EXPECT_EQ(lit.pixelColor(into.pinX - 3, into.pinY), QColor(0, 120, 215));

  // Hovering the stub of input 0 (read by A only) lights that input.
  doc.SelectBlock(-1);
  const PinWire& stub = view.Drawing().Entries()[2].pins[0];
  QTest::mouseMove(view.viewport(), view.ToViewport((stub.startX + stub.runX) / 2, stub.startY));
  EXPECT_EQ(view.Highlight(), (std::vector<PinRef>{{2, 0}}));
  QTest::mouseMove(view.viewport(), {600, 450});
  EXPECT_TRUE(view.Highlight().empty());
}

TEST_F(UiViewTest, ContextMenuGreysWhatTheSelectedBlockCannotDo) {
  EXPECT_FALSE(ContextMenu({60, 40}));  // no scheme, no menu
  NewProject(2, 1, "0110");
  EXPECT_FALSE(ContextMenu({60, 40}));  // no selection, no menu
  const Rect r = view.Drawing().Entries()[1].rect;
  const QPoint centre((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Click(centre, Qt::RightButton);
  const std::map<QString, bool> two{{"Декомпозиция/Последовательная...", true},
                                    {"Декомпозиция/Параллельная...", false},
                                    {"Детализация/Выделить трехвходовый блок...", false},
                                    {"С&охранить последовательность блока...", true}};
  EXPECT_EQ(ContextMenu(centre), two);

  NewProject(3, 1, "01101001");
  Click(centre, Qt::RightButton);
  std::map<QString, bool> three = two;
  three["Детализация/Выделить трехвходовый блок..."] = true;
  EXPECT_EQ(ContextMenu(centre), three);

  QSignalSpy requested(&view, &CLodexView::CommandRequested);
  ContextMenu(centre, "С&охранить последовательность блока...");
  ASSERT_EQ(requested.size(), 1);
  EXPECT_EQ(requested[0][0].value<CommandId>(), CommandId::SaveSequence);
}

TEST_F(UiViewTest, SaveImageWritesPngAndSvgOrNothing) {
  Open(TwoBlocks());
  doc.SelectBlock(1);
  QString error;
  const QString png = QString::fromStdString(dir.File("scheme.png"));
  ASSERT_TRUE(view.SaveImage(png, &error)) << error.toStdString();
  QImage image;
  ASSERT_TRUE(image.load(png, "PNG"));
  const Point size = SchemePictureSize(view.Drawing());
  EXPECT_EQ(image.size(), QSize(size.x, size.y));
  const Rect r = view.Drawing().Entries()[1].rect;
  EXPECT_EQ(image.pixelColor(r.left, (r.top + r.bottom) / 2), QColor(Qt::black));  // no selection in pictures
  EXPECT_FALSE(HasBlue(image));

  const QString svg = QString::fromStdString(dir.File("scheme.SVG"));
  ASSERT_TRUE(view.SaveImage(svg, &error)) << error.toStdString();
  EXPECT_TRUE(QSvgRenderer(svg).isValid());

  for (const std::string& bad : {dir.File("scheme.bmp"), dir.File("missing/scheme.png")}) {
    error.clear();
    EXPECT_FALSE(view.SaveImage(QString::fromStdString(bad), &error)) << bad;
    EXPECT_FALSE(error.isEmpty());
  }
  EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.File("scheme.bmp"))));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);  // in.shc and the two pictures
}

}  // namespace
}  // namespace lodex
