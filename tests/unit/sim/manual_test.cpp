// The manual window on the simulator: F1 and the wheel open it from the main and message
// windows, F1, Esc and a double click on the text close it, it scrolls with the keys, the
// wheel and its scroll bar and keeps its place between openings, and a press while the
// alarm rings only silences the alarm.
#include "sim_fixture.h"

namespace tinto::test {
namespace {

class Manual : public SimTest {
 protected:
  std::string Snap(const std::string& name) const {
    return "snap manual \"" + File(name).string() + "\"\n";
  }
  bool SamePicture(const std::string& a, const std::string& b) const {
    const gfx::Bitmap pa = Picture(a);
    const gfx::Bitmap pb = Picture(b);
    if (pa.width() != pb.width() || pa.height() != pb.height()) return false;
    for (int y = 0; y < pa.height(); ++y)
      for (int x = 0; x < pa.width(); ++x)
        if (pa.at(x, y) != pb.at(x, y)) return false;
    return true;
  }
  // How many pixels of the text area (left of the scroll bar) are white.
  int WhitePixels(const std::string& name) const {
    const gfx::Bitmap p = Picture(name);
    int n = 0;
    for (int y = 0; y < p.height(); ++y)
      for (int x = 0; x + 16 < p.width(); ++x)
        if (p.at(x, y) == gfx::MakePixel(255, 255, 255)) ++n;
    return n;
  }
};

TEST_F(Manual, F1TogglesItAndItKeepsItsPlace) {
  const SimResult r =
      Run("start\nwait 200\nkey main F1\n" + Snap("top.bmp") +
          "key manual PAGEDOWN\nkey manual DOWN\n" + Snap("scrolled.bmp") +
          "key manual F1\nwait 100\nkey main F1\n" + Snap("again.bmp") + "key manual ESC\n");
  EXPECT_TRUE(r.Has("200 modal manual")) << r.log;
  EXPECT_TRUE(r.Has("200 result manual 2")) << r.log;
  EXPECT_TRUE(r.Has("300 modal manual")) << r.log;
  EXPECT_TRUE(r.Has("300 result manual 2")) << r.log;
  EXPECT_FALSE(SamePicture("top.bmp", "scrolled.bmp"));
  EXPECT_TRUE(SamePicture("scrolled.bmp", "again.bmp"));
  // White text on black, and plenty of it on every page.
  EXPECT_GT(WhitePixels("top.bmp"), 3000);
  EXPECT_GT(WhitePixels("scrolled.bmp"), 3000);
}

TEST_F(Manual, KeysWheelAndScrollBarScrollBackAndForth) {
  // Down then up, page down then page up, wheel down then up, and the scroll bar's arrows,
  // each come back to the first page; none of them closes the window.
  const SimResult r = Run("start\nwait 200\nwheel main 120\n" + Snap("top.bmp") +
                          "key manual DOWN\nkey manual UP\n" + Snap("a.bmp") +
                          "key manual PAGEDOWN\nkey manual PAGEUP\n" + Snap("b.bmp") +
                          "wheel manual -240\nwheel manual 240\n" + Snap("c.bmp") +
                          "click manual 436 500\nclick manual 436 5\n" + Snap("d.bmp") +
                          "wheel manual -120\n" + Snap("e.bmp") + "key manual ESC\n");
  EXPECT_TRUE(r.Has("200 modal manual")) << r.log;
  EXPECT_EQ(r.Events("result manual").size(), 1u) << r.log;
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"})
    EXPECT_TRUE(SamePicture("top.bmp", name)) << name;
  EXPECT_FALSE(SamePicture("top.bmp", "e.bmp"));
}

TEST_F(Manual, TheThumbDragsTheTextAlong) {
  // Dragged to the bottom of the track the thumb shows the last page; Ctrl+End shows the
  // same, Ctrl+Home the first.
  const SimResult r = Run("start\nwait 200\nkey main F1\n" + Snap("top.bmp") +
                          "down manual 436 20\nmove manual 436 700\nup manual 436 700\n" +
                          Snap("dragged.bmp") + "key manual HOME ctrl\n" + Snap("home.bmp") +
                          "keydown manual 35 ctrl\n" + Snap("end.bmp") + "key manual ESC\n");
  EXPECT_FALSE(SamePicture("top.bmp", "dragged.bmp"));
  EXPECT_TRUE(SamePicture("dragged.bmp", "end.bmp"));
  EXPECT_TRUE(SamePicture("top.bmp", "home.bmp"));
}

TEST_F(Manual, ADoubleClickOnTheTextClosesItButNotOnTheScrollBar) {
  const SimResult bar = Run("start\nwait 200\nkey main F1\ndblclick manual 436 200\n");
  EXPECT_TRUE(bar.Events("result manual").empty()) << bar.log;
  const SimResult text = Run("start\nwait 200\nkey main F1\ndblclick manual 100 200\n");
  EXPECT_TRUE(text.Has("200 result manual 2")) << text.log;
}

TEST_F(Manual, OpensFromTheMessageWindowOnTop) {
  const SimResult r =
      Run("hostgame TFM\nstart\nwait 200\nkey message F1\nkey manual F1\nwheel message 120\n"
          "key manual ESC\nkey message ESC\nwait 200\n");
  EXPECT_EQ(r.Events("modal manual").size(), 2u) << r.log;
  EXPECT_TRUE(r.Has("200 result message 2")) << r.log;
}

TEST_F(Manual, APressWhileTheAlarmRingsOnlySilencesIt) {
  const SimResult r =
      Run("now 2026-01-01 12:00:00\nstart\nwait 200\nclick main 726 298 shift\nkey main F1\n"
          "wait 2000\nclick manual 436 500\ndblclick manual 100 100\nwait 200\n");
  EXPECT_TRUE(r.Has("2000 effect 10")) << r.log;
  EXPECT_TRUE(r.Has("2300 effect 32")) << r.log;
  // The click stops the alarm and does nothing else; the double click then closes.
  EXPECT_EQ(r.Events("result manual").size(), 1u) << r.log;
  EXPECT_EQ(r.Events("effect").size(), 4u) << r.log;  // 11, 3, 10, 32
}

}  // namespace
}  // namespace tinto::test
