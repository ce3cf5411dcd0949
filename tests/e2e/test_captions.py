"""Click-to-edit captions: the title nickname 透明标签6 and the signature line 透明标签1."""

import layout
from geometry import Rect
from harness import ChatmockTestCase

NICKNAME = "小明"
SIGNATURE = "好好学习"
SAME_PICTURE = 3.0
# A dozen pixels of caret could pass for a stroke; two typed characters
# leave several dozen dark pixels.
TEXT_DARK_PIXELS = 40

TITLE_CLICK = (200, 15)
SIGNATURE_CLICK = (300, 32)

# The old title "点击编辑昵称" reaches x = 156; two new characters end near 105.
TITLE_NEW_TEXT = Rect.spanning(80, 3, 110, 27)
TITLE_PAST_NEW_TEXT = Rect.spanning(110, 5, 300, 25)
# Inside the title editor, right of its caret and text, where the old title was.
TITLE_EDITOR_RIGHT = Rect.spanning(110, 10, 190, 30)
# What the title editor covered past the new text, above the signature line
# (whose own text the editor hid too).
TITLE_EDITOR_AREA = Rect.spanning(110, layout.TITLE_EDITOR.y, layout.TITLE_EDITOR.right,
                                  layout.SIGNATURE_CAPTION.y)

# The old signature "点击编辑个性签名" reaches x = 221; four new characters end near 177.
SIGNATURE_NEW_TEXT = Rect.spanning(128, 22, 185, 44)
SIGNATURE_PAST_NEW_TEXT = Rect.spanning(185, 24, 490, 40)
# The signature editor lies over the white strip: what shows it is there is
# its one-pixel grey top edge (the sunken edge has no dark right or bottom
# side) and the old text it hides.
SIGNATURE_EDITOR_TOP_EDGE = Rect.spanning(185, layout.SIGNATURE_EDITOR.y,
                                          layout.SIGNATURE_EDITOR.right,
                                          layout.SIGNATURE_EDITOR.y + 1)
SIGNATURE_EDITOR_INSIDE = Rect.spanning(185, 25, 460, 39)
EDGE_GREY = (160, 160, 160)


class CaptionCases(ChatmockTestCase):
    # Steps shared by the cases.

    def _edit_title(self, w, text):
        before = w.screenshot("title before the click")
        self.assertGreater(before.count_dark(TITLE_PAST_NEW_TEXT), 0,
                           "the old title should reach past where the new one ends")
        w.click(*TITLE_CLICK)
        w.wait_for_screen(lambda shot: shot.is_white(TITLE_EDITOR_RIGHT),
                          "the title editor over the old title")
        w.type_text(text)
        inner = layout.TITLE_EDITOR.inset(2)
        w.wait_for_screen(lambda shot: shot.count_dark(inner) >= TEXT_DARK_PIXELS,
                          "the typed nickname in the title editor")

    def _title_shows_new_text(self, shot):
        frame = self.asset("chat_frame.jpg")
        return (shot.count_dark(TITLE_NEW_TEXT) >= TEXT_DARK_PIXELS
                and shot.count_dark(TITLE_PAST_NEW_TEXT) == 0
                and shot.mean_difference(TITLE_EDITOR_AREA, frame) <= SAME_PICTURE)

    def _edit_signature(self, w, text):
        before = w.screenshot("signature before the click")
        self.assertGreater(before.count_dark(SIGNATURE_PAST_NEW_TEXT), 0,
                           "the old signature should reach past where the new one ends")
        w.click(*SIGNATURE_CLICK)
        w.wait_for_screen(lambda shot: shot.is_white(SIGNATURE_EDITOR_INSIDE)
                          and shot.all_close(SIGNATURE_EDITOR_TOP_EDGE, EDGE_GREY, tolerance=32),
                          "the signature editor over the old signature")
        w.type_text(text)
        inner = layout.SIGNATURE_EDITOR.inset(2)
        w.wait_for_screen(lambda shot: shot.count_dark(inner) >= TEXT_DARK_PIXELS,
                          "the typed signature in its editor")

    def _signature_shows_new_text(self, shot):
        frame = self.asset("chat_frame.jpg")
        return (shot.count_dark(SIGNATURE_NEW_TEXT) >= TEXT_DARK_PIXELS
                and shot.count_dark(SIGNATURE_PAST_NEW_TEXT) == 0
                and shot.mean_difference(SIGNATURE_EDITOR_TOP_EDGE, frame) <= SAME_PICTURE)

    # The cases.

    def test_tab_ends_the_title_edit_and_the_caption_shows_the_nickname(self):
        w = self.start_program().activate()
        self._edit_title(w, NICKNAME)
        w.key("Tab")
        w.wait_for_screen(self._title_shows_new_text, "the new nickname without its editor")

    def test_tab_ends_the_signature_edit_and_the_line_shows_it(self):
        w = self.start_program().activate()
        self._edit_signature(w, SIGNATURE)
        w.key("Tab")
        w.wait_for_screen(self._signature_shows_new_text, "the new signature without its editor")

    def test_nickname_is_drawn_bold(self):
        # The same text at the same pixel size, once in the bold title font
        # and once in the signature line's normal one.
        w = self.start_program().activate()
        self._edit_title(w, NICKNAME)
        w.key("Tab")
        self._edit_signature(w, NICKNAME)
        w.key("Tab")
        shot = w.wait_for_screen(self._title_shows_new_text, "both captions edited")
        bold = shot.count_dark(TITLE_NEW_TEXT)
        normal = shot.count_dark(SIGNATURE_NEW_TEXT)
        self.assertGreater(normal, TEXT_DARK_PIXELS // 2)
        self.assertGreater(bold, normal * 1.3, f"bold {bold} dark pixels against {normal}")

    def test_switching_to_another_window_and_back_ends_the_edit(self):
        w = self.start_program()
        # Another copy as the other X window, in the screen's corner so that
        # it leaves this window's captions in sight.
        other = self.start_program()
        screen = self.display.screen
        other.move_to(screen.w - other.geometry().w, screen.h - other.geometry().h)
        w.activate()
        self._edit_title(w, NICKNAME)
        other.activate()
        w.wait_for_screen(self._title_shows_new_text, "the new nickname while the other is active")
        w.activate()
        w.wait_for_screen(self._title_shows_new_text, "the new nickname after switching back")
        # The focus is not in the hidden editor: typing goes to the transcript.
        before = w.screenshot("before typing after the switch").count_dark(layout.TRANSCRIPT)
        w.type_text("back")
        w.wait_for_screen(lambda shot: shot.count_dark(layout.TRANSCRIPT) >= before + 30,
                          "typing after the switch in the transcript")
        self.assertTrue(self._title_shows_new_text(w.screenshot("after typing")))
