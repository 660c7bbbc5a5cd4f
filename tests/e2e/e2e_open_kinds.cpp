// End to end under a real X server: the editor opens one file of every
// picture kind through its open dialog (Ctrl+O, the full name typed, Enter),
// and each time the screen shows exactly the reader's picture. Dropping files
// is checked by the widget tests (an X drag needs a drag source of its own).
#include <QTemporaryDir>

#include "e2e_harness.h"
#include "formats/formats.h"
#include "render/compose.h"
#include "tests/core/kind_samples.h"

using namespace cs;
using namespace cs::e2e;

namespace {

int check() {
  QTemporaryDir dir;
  const std::vector<std::string> files = testing::FilesOfEveryKind(CHROMASMITH_TESTDATA, dir.path().toStdString());
  if (files.size() != PictureKinds().size()) fail("cannot write a file of every kind");
  const QString start = QString(CHROMASMITH_TESTDATA) + "/zx-image/example.mg4";
  Picture pic = LoadSample(start);

  Session session("e2e_open_kinds_last.png");
  session.startXvfb();
  session.startEditor(CHROMASMITH_EXE, start);
  const QString wid = session.waitForWindow("chromaSmith x0.94 - " + start);
  std::optional<QPoint> origin;
  for (const std::string& file : files) {
    // What the editor's picture becomes: the reader's, from the one before.
    if (std::string note; LoadPicture(file, pic, note)) fail(QString::fromStdString("cannot read " + file));
    ComposedImages images;
    ComposePicture(pic, ColourTables{}, images);
    session.tool({"windowfocus", "--sync", wid});
    session.tool({"key", "ctrl+o"});
    // The name typed into the dialog once it has the focus, then Enter.
    for (const QStringList& step : {QStringList{"windowfocus", "--sync", session.findWindow("^Open$")},
                                    {"key", "ctrl+a"}, {"type", "--delay", "10", QString::fromStdString(file)},
                                    {"sleep", "0.2"}, {"key", "Return"}})
      session.tool(step);
    // The picture is shown at zoom level 1 where the first one was found.
    const QRect origins = origin ? QRect(*origin, QSize(1, 1)) : QRect(0, 0, 1920 - 1024 + 1, 1080 - 768 + 1);
    origin = session.poll<QPoint>(
        [&](const Screen& s) {
          return locate(s, Expect{&images.composite, 4, pic.cellHeight(), false}, origins, QRect(0, 0, 1920, 1080));
        },
        QString::fromStdString("the picture of " + file + " is not on the screen"));
    std::printf("%s shown as read\n", file.c_str());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunCheck(argc, argv, check); }
