// SPDX-License-Identifier: GPL-3.0-or-later
// The form mirror over a fake front end that writes down every call: what
// each control's peer is given, when, and only what changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "toolkit/forms/test_form.h"
#include "toolkit/picture_ids.h"
#include "frontends/shared/form_mirror.h"
#include "frontends/shared/window_pixels.h"

namespace orvo::forms::test {
namespace {

using frontend::ControlPeer;

struct Calls {
  Log log;
  int peers = 0;  // alive now
  Log Take() { return std::exchange(log, {}); }
};

std::string Utf8(const ustring& text) {
  std::string out;
  for (char16_t ch : text) out += ch < 0x80 ? static_cast<char>(ch) : '*';
  return out;
}

class Named {
 public:
  Named(Calls& calls, std::string name) : calls_(calls), name_(std::move(name)) { ++calls_.peers; }
  virtual ~Named() { --calls_.peers; }
  const std::string& Name() const { return name_; }

 protected:
  void Say(const std::string& what) { calls_.log.push_back(name_ + " " + what); }

 private:
  Calls& calls_;
  std::string name_;
};

template <class P>
class Fake : public P, public Named {
 public:
  using Named::Named;
  void SetHolder(ControlPeer* holder) override {
    auto* named = dynamic_cast<Named*>(holder);
    Say("holder " + (named != nullptr ? named->Name() : std::string("window")));
  }
  void SetBounds(const Rect& b) override {
    Say("bounds " + std::to_string(b.left) + "," + std::to_string(b.top) + "," + std::to_string(b.width) + "," +
        std::to_string(b.height));
  }
  void SetVisible(bool visible) override { Say(visible ? "shown" : "hidden"); }
  void SetEnabled(bool enabled) override { Say(enabled ? "enabled" : "disabled"); }
  void SetFont(const FontSpec& font) override { Say("font " + std::to_string(font.points)); }
  void SetColours(std::uint32_t fore, std::uint32_t back, bool fills) override {
    Say("colours " + std::to_string(fore) + "/" + std::to_string(back) + (fills ? " filled" : ""));
  }
  void SetFocusable(bool focusable) override { Say(focusable ? "focusable" : "not focusable"); }
  void SetAccessibleName(const ustring& name) override { Say("name " + Utf8(name)); }
  void SetDescription(const ustring& text) override { Say("description " + Utf8(text)); }
  void AnnounceCaption() override { Say("announced"); }
};

template <class P>
class FakeCaptioned : public Fake<P> {
 public:
  using Fake<P>::Fake;
  void SetCaption(const ustring& caption) override { this->Say("caption " + Utf8(caption)); }
};

class FakeLabel : public FakeCaptioned<frontend::LabelPeer> {
 public:
  using FakeCaptioned::FakeCaptioned;
  void SetAlignment(LabelControl::Alignment a) override { Say("alignment " + std::to_string(static_cast<int>(a))); }
  void SetFocusFrame(bool shown) override { Say(shown ? "focus frame" : "no focus frame"); }
};

class FakeButton : public FakeCaptioned<frontend::ButtonPeer> {
 public:
  using FakeCaptioned::FakeCaptioned;
  void SetPicture(int picture) override { Say("picture " + std::to_string(picture)); }
  void SetFace(const std::shared_ptr<const Bitmap>& face) override { Say(face ? "face" : "no face"); }
  void SetDefault(bool is_default) override { Say(is_default ? "default" : "not default"); }
};

class FakePicture : public Fake<frontend::PicturePeer> {
 public:
  using Fake::Fake;
  void SetPicture(int picture, const std::shared_ptr<const Bitmap>& face, Size size) override {
    Say("picture " + std::to_string(picture) + (face ? " on face" : "") + " at " + std::to_string(size.width) + "x" +
        std::to_string(size.height));
  }
};

class FakeText : public Fake<frontend::TextPeer> {
 public:
  using Fake::Fake;
  void ShowBox(EditControl&) override { ++shown_boxes; }
  int shown_boxes = 0;
};

class FakeList : public Fake<frontend::ListPeer> {
 public:
  using Fake::Fake;
  void SetItems(const std::vector<ustring>& items) override { Say("items " + std::to_string(items.size())); }
  void SetSelected(int row) override { Say("selected " + std::to_string(row)); }
  void SetFocused(bool focused) override { Say(focused ? "focused" : "not focused"); }
};

class FakeOption : public FakeCaptioned<frontend::OptionPeer> {
 public:
  using FakeCaptioned::FakeCaptioned;
  void SetValue(bool on) override { Say(on ? "on" : "off"); }
};

class FakeCheck : public FakeCaptioned<frontend::CheckPeer> {
 public:
  using FakeCaptioned::FakeCaptioned;
  void SetValue(int value) override { Say("value " + std::to_string(value)); }
};

using FakeFrame = FakeCaptioned<frontend::FramePeer>;

// A kind no front end has a peer for.
class StrangeControl : public Control {
 public:
  explicit StrangeControl(Form& form) : Control(form, static_cast<ControlKind>(99), "xyzStrange") {}
};

class FakeForm : public frontend::FormPeer {
 public:
  std::unique_ptr<ControlPeer> MakePeer(Control& c, ControlPeer* holder) override {
    auto* named = dynamic_cast<Named*>(holder);
    calls.log.push_back("make " + c.Name() + (named != nullptr ? " in " + named->Name() : ""));
    const std::string name = c.Index() < 0 ? c.Name() : c.Name() + std::to_string(c.Index());
    if (c.Name() == wrong_kind) return std::make_unique<FakeFrame>(calls, name);
    switch (c.Kind()) {
      case ControlKind::kLabel:
        return std::make_unique<FakeLabel>(calls, name);
      case ControlKind::kCommandButton:
        return std::make_unique<FakeButton>(calls, name);
      case ControlKind::kPictureBox:
        return std::make_unique<FakePicture>(calls, name);
      case ControlKind::kTextBox: {
        auto text = std::make_unique<FakeText>(calls, name);
        last_text = text.get();
        return text;
      }
      case ControlKind::kListBox:
        return std::make_unique<FakeList>(calls, name);
      case ControlKind::kOptionButton:
        return std::make_unique<FakeOption>(calls, name);
      case ControlKind::kCheckBox:
        return std::make_unique<FakeCheck>(calls, name);
      case ControlKind::kFrame:
        return std::make_unique<FakeFrame>(calls, name);
    }
    return nullptr;
  }
  void ShowWindow(const frontend::WindowLook& look) override {
    window = look;
    calls.log.push_back("window");
  }
  void FocusMoved(ControlPeer* peer) override {
    auto* named = dynamic_cast<Named*>(peer);
    calls.log.push_back("focus " + (named != nullptr ? named->Name() : std::string("none")));
  }
  void Unloaded() override { calls.log.push_back("unloaded"); }

  Calls calls;
  frontend::WindowLook window;
  std::string wrong_kind;  // a control given a peer of another kind's interface
  FakeText* last_text = nullptr;
};

class FormMirrorTest : public ::testing::Test {
 protected:
  FormMirrorTest() : dlg(rig.runtime, "dlg", rig.log) {
    dlg.lblName.SetBounds({8, 8, 80, 16});
    rig.runtime.Show(dlg);
  }

  // The calls one sync makes, with what they name.
  Log SyncCalls() {
    mirror->Sync();
    return form.calls.Take();
  }
  static bool Has(const Log& log, const std::string& call) {
    return std::find(log.begin(), log.end(), call) != log.end();
  }
  static Log Of(const Log& log, const std::string& name) {
    Log out;
    for (const std::string& call : log) {
      if (call.rfind(name + " ", 0) == 0) out.push_back(call.substr(name.size() + 1));
    }
    return out;
  }

  Rig rig;
  TestForm dlg;
  FakeForm form;
  std::unique_ptr<frontend::FormMirror> mirror = std::make_unique<frontend::FormMirror>(dlg, form);
};

TEST_F(FormMirrorTest, TheFirstSyncGivesEveryPeerItsWholeStateHoldersFirst) {
  const Log calls = SyncCalls();
  EXPECT_TRUE(mirror->Undrawn().empty());
  // The frame is made before the options it holds, which are made inside it.
  const auto at = [&](const std::string& call) { return std::find(calls.begin(), calls.end(), call) - calls.begin(); };
  EXPECT_LT(at("make fraDir"), at("make optDir in fraDir"));
  EXPECT_EQ(Of(calls, "lblName"), (Log{"bounds 8,8,80,16", "font 9", "colours 0/12632256", "not focusable", "enabled",
                                       "caption **(&N)", "alignment 0", "no focus frame", "name **(N)",
                                       "description ", "shown"}));
  EXPECT_TRUE(Has(calls, "optDir1 holder fraDir"));
  EXPECT_TRUE(Has(calls, "cmdOK default"));
  EXPECT_TRUE(Has(calls, "cmdCancel not default"));
  EXPECT_TRUE(Has(calls, "lstItems items 3"));
  EXPECT_TRUE(Has(calls, "chkCase value 0"));
  EXPECT_TRUE(Has(calls, "picLogo picture -1 at 0x0"));
  // Buttons and boxes with a caption beside them let the window's colour show.
  EXPECT_TRUE(Has(calls, "cmdOK colours 0/12632256"));
  EXPECT_TRUE(Has(calls, "lstItems colours 0/16777215 filled"));
  EXPECT_EQ(form.calls.peers, 10);
  // Nothing changed, nothing is given again; a text box shows its box at every sync.
  ASSERT_NE(form.last_text, nullptr);
  const int boxes = form.last_text->shown_boxes;
  EXPECT_EQ(SyncCalls(), Log{});
  EXPECT_EQ(form.last_text->shown_boxes, boxes + 1);
}

TEST_F(FormMirrorTest, APeerIsGivenOnlyWhatChanged) {
  SyncCalls();
  dlg.lblName.SetCaption(u"Who");
  dlg.lblName.SetBounds({10, 12, 90, 18});
  dlg.chkCase.SetValue(check::kGreyed);
  dlg.optDir1.SetValue(true);
  dlg.lstItems.AddItem(u"4");
  dlg.lstItems.SetSelected(3);
  dlg.cmdCancel.SetEnabled(false);
  dlg.picLogo.SetBounds({200, 8, 32, 32});
  dlg.picLogo.SetPicture(picture_id::kAppIcon);
  const Log calls = SyncCalls();
  EXPECT_EQ(Of(calls, "lblName"), (Log{"bounds 10,12,90,18", "caption Who", "name Who"}));
  EXPECT_EQ(Of(calls, "chkCase"), Log{"value 2"});
  EXPECT_TRUE(Of(calls, "optDir0").empty());  // off already
  EXPECT_EQ(Of(calls, "optDir1"), Log{"on"});
  EXPECT_EQ(Of(calls, "lstItems"), (Log{"items 4", "selected 3"}));
  EXPECT_EQ(Of(calls, "cmdCancel"), (Log{"not focusable", "disabled"}));
  // A picture is drawn again for a new size as for a new picture, once.
  EXPECT_EQ(Of(calls, "picLogo"),
            (Log{"bounds 200,8,32,32", "picture " + std::to_string(picture_id::kAppIcon) + " at 32x32"}));
  dlg.fraDir.SetVisible(false);
  EXPECT_EQ(SyncCalls(), Log{"fraDir hidden"});
  // A face is the core's picture, shared by every button drawn with it: given once.
  const auto face = std::make_shared<const Bitmap>(4, 4);
  dlg.cmdOK.SetFace(face);
  dlg.cmdCancel.SetFace(face);
  EXPECT_EQ(SyncCalls(), (Log{"cmdOK face", "cmdCancel face"}));
  dlg.cmdOK.SetFace(face);
  dlg.cmdOK.SetCaption(u"Go");
  EXPECT_EQ(SyncCalls(), (Log{"cmdOK caption Go", "cmdOK name Go"}));
}

TEST_F(FormMirrorTest, ALiveDisplayIsHeardChangingButNotAppearing) {
  dlg.lblName.SetLive(true);
  EXPECT_FALSE(Has(SyncCalls(), "lblName announced"));
  dlg.lblName.SetCaption(u"3");
  EXPECT_EQ(Of(SyncCalls(), "lblName"), (Log{"caption 3", "name 3", "announced"}));
  dlg.lblName.SetForeColor(0xFFu);  // no new caption, nothing said
  EXPECT_FALSE(Has(SyncCalls(), "lblName announced"));
}

TEST_F(FormMirrorTest, TextBoxesGetPeersWhenShownAndDocumentsNever) {
  TextBoxControl hidden(dlg, "txtHidden");
  hidden.SetVisible(false);
  TextBoxControl document(dlg, "txtDocument");
  document.SetDocument(true);
  const Log first = SyncCalls();
  EXPECT_FALSE(Has(first, "make txtHidden"));
  EXPECT_FALSE(Has(first, "make txtDocument"));
  hidden.SetVisible(true);
  document.SetCaption(u"x");
  const Log shown = SyncCalls();
  EXPECT_TRUE(Has(shown, "make txtHidden"));
  EXPECT_TRUE(Has(shown, "txtHidden shown"));
  EXPECT_FALSE(Has(shown, "make txtDocument"));
  EXPECT_EQ(mirror->PeerOf(&document), nullptr);
}

TEST_F(FormMirrorTest, TheWindowIsGivenInPixelsFromTheScreensScale) {
  dlg.Move({150 * 15, 75 * 15, 300 * 15, 200 * 15});
  EXPECT_TRUE(Has(SyncCalls(), "window"));
  EXPECT_EQ(form.window.outer, (Rect{150, 75, 300, 200}));
  EXPECT_EQ(form.window.inner, dlg.InnerPx());
  EXPECT_TRUE(form.window.shown);
  EXPECT_EQ(Utf8(form.window.caption), "*****");
  // The way back: a frame the person moved, in twips again.
  EXPECT_EQ(frontend::OuterTwips(dlg, {10, 20, 300, 200}), (Rect{150, 300, 4500, 3000}));
  EXPECT_EQ(frontend::OuterPixels(dlg), form.window.outer);
  rig.runtime.Hide(dlg);
  SyncCalls();
  EXPECT_FALSE(form.window.shown);
}

TEST_F(FormMirrorTest, FocusMovesTheKeyboardAndWhatControlsShowOfIt) {
  SyncCalls();
  dlg.cmdOK.SetDefault(false);
  ASSERT_TRUE(dlg.lstItems.SetFocus());
  const Log to_list = SyncCalls();
  EXPECT_TRUE(Has(to_list, "focus lstItems"));
  EXPECT_TRUE(Has(to_list, "lstItems focused"));
  ASSERT_TRUE(dlg.cmdCancel.SetFocus());
  const Log to_button = SyncCalls();
  EXPECT_TRUE(Has(to_button, "focus cmdCancel"));
  EXPECT_TRUE(Has(to_button, "lstItems not focused"));
  // Without a default button the focused one is the one Enter presses.
  EXPECT_TRUE(Has(to_button, "cmdCancel default"));
  EXPECT_FALSE(Has(to_button, "cmdOK default"));
}

TEST_F(FormMirrorTest, ControlsWithoutAPeerOfTheirKindAreNamedOnce) {
  form.wrong_kind = "chkCase";  // a frame's peer for a check box
  StrangeControl strange(dlg);
  SyncCalls();
  strange.SetCaption(u"again");
  SyncCalls();
  EXPECT_EQ(mirror->Undrawn(), (std::vector<std::string>{"chkCase", "xyzStrange"}));
  EXPECT_EQ(mirror->PeerOf(&dlg.chkCase), nullptr);
}

TEST_F(FormMirrorTest, PeersGoWithTheirControlAndAllWithTheForm) {
  {
    LabelControl late(dlg, "lblLate");
    EXPECT_TRUE(Has(SyncCalls(), "make lblLate"));
    ControlPeer* peer = mirror->Find("lblLate");
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(mirror->ControlOf(peer), &late);
    EXPECT_EQ(form.calls.peers, 11);
  }
  EXPECT_EQ(form.calls.peers, 10);  // at once: the control is half gone
  EXPECT_EQ(mirror->Find("lblLate"), nullptr);
  rig.runtime.Unload(dlg);
  EXPECT_EQ(form.calls.Take(), Log{"unloaded"});
  EXPECT_EQ(form.calls.peers, 0);
  EXPECT_EQ(mirror->Model(), nullptr);
  EXPECT_EQ(SyncCalls(), Log{});  // nothing left to give, nothing to crash on
}

// Text boxes show their box at every sync; one that goes is not shown again
// (its peer is gone with it), and the others still are.
TEST_F(FormMirrorTest, ATextBoxThatGoesLeavesTheOthersShownAtEverySync) {
  SyncCalls();
  FakeText* first = form.last_text;
  ASSERT_NE(first, nullptr);
  {
    TextBoxControl late(dlg, "txtLate");
    EXPECT_TRUE(Has(SyncCalls(), "make txtLate"));
    ASSERT_NE(form.last_text, first);
    EXPECT_EQ(form.last_text->shown_boxes, 1);
  }
  const int boxes = first->shown_boxes;
  SyncCalls();
  SyncCalls();
  EXPECT_EQ(first->shown_boxes, boxes + 2);
}

}  // namespace
}  // namespace orvo::forms::test
