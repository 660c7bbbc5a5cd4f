// Shapes and fills end to end under a real X server, driven by X input: an
// ellipse chosen by its key D, a filled ellipse through the toolbar's
// "Filled shapes" and Ellipse keys, a fill chosen by its key K inside the
// first ellipse and a gradient fill, dragged, through the Fill key. Ctrl+S
// saves what the painting rules give for the same input; Alt+Z steps back
// over the four, one step each, and one Ctrl+Z takes back the gradient.
#include "colour/palette_actions.h"
#include "e2e_driver.h"
#include "e2e_harness.h"
#include "edit/instrument_table.h"
#include "formats/mgs_file.h"
#include "render/compose.h"

using namespace cs::e2e;

// The toolbar keys after the current colours: Fill and the other instruments
// of its group, then "Filled shapes".
constexpr int kShapeKeys = 892;

int check() {
  // Cells in four distinct mixed colours, pixels clear.
  cs::Picture start{.vertSize = 8};
  for (int c = 0; c < cs::kColumns; ++c)
    for (int l = 0; l < cs::kLines; ++l) start.setCellColours(c, l, {1, 6, 2, 4});
  QTemporaryDir dir;
  Session session("e2e_shapes_last.png");
  const EditorOnScreen on = StartEditorOn(session, start, dir);
  const int keyMiddleY = on.keyMiddleY;

  cs::EditorState expect;
  expect.picture = start;
  Driver d(session, on.origin, expect);
  std::vector<cs::Picture> steps{start};
  const auto mix = [&](const char* key, int n) {
    d.key(key, [&] {
      cs::ChooseMix(expect, n);
    });
  };
  // An ellipse by its key, in mix 3.
  mix("4", 3);
  d.key("d", [&] { cs::SetInstrument(expect, cs::Instrument::Ellipse); });
  d.click(30, 30);
  d.moveTo(120, 100);
  d.click(120, 100);
  steps.push_back(expect.picture);
  // A filled ellipse through the toolbar's keys, in mix 1.
  const auto groupKeys = std::ranges::count(cs::Instruments(), 1, &cs::InstrumentInfo::group);
  d.clickAt(QPoint(kShapeKeys + 32 * int(groupKeys) + 16, keyMiddleY));  // "Filled shapes"
  expect.shapes.filled = true;
  d.clickAt(QPoint(356 + 5 * 32 + 16, keyMiddleY));  // the Ellipse key
  mix("2", 1);
  d.click(150, 40);
  d.moveTo(220, 150);
  d.click(220, 150);
  steps.push_back(expect.picture);
  // A fill by its key inside the first ellipse, in mix 2.
  d.key("k", [&] { cs::SetInstrument(expect, cs::Instrument::Fill); });
  mix("3", 2);
  d.click(70, 60);
  steps.push_back(expect.picture);
  // A gradient through the Fill key: a drag across the background.
  d.clickAt(QPoint(kShapeKeys + 16, keyMiddleY));
  d.drag({{5, 170}, {60, 175}, {140, 180}, {250, 185}});
  steps.push_back(expect.picture);
  for (size_t i = 1; i < steps.size(); ++i)
    if (steps[i].planes == steps[i - 1].planes) fail(QString("step %1 changed nothing").arg(i));

  session.saveAs(dir.filePath("shapes.mgs"));
  expectFileBytes(dir.filePath("shapes.mgs"), cs::EncodeMgs(expect.picture));
  std::printf("the saved file holds the four shapes and fills\n");

  // Alt+Z three times: back over the gradient, the fill and the filled
  // ellipse, one step each; then forward again, and one Ctrl+Z.
  for (int i = 0; i < 3; ++i) d.key("alt+z");
  session.saveAs(dir.filePath("stepped.mgs"));
  expectFileBytes(dir.filePath("stepped.mgs"), cs::EncodeMgs(steps[1]));
  for (int i = 0; i < 3; ++i) d.key("alt+shift+z");
  d.key("ctrl+z");
  session.saveAs(dir.filePath("undone.mgs"));
  expectFileBytes(dir.filePath("undone.mgs"), cs::EncodeMgs(steps[3]));
  std::printf("Alt+Z steps over each, one Ctrl+Z takes back the gradient\nPASS\n");
  return 0;
}

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }
