"""Where the program's controls lie, in window coordinates, as app/definition.cpp places them.

图片框1 sits at the window's origin, so the places of the controls inside it
are window coordinates too.
"""

from geometry import Rect

WINDOW_WIDTH = 549
WINDOW_HEIGHT = 591
BUTTON_FACE = (0xF0, 0xF0, 0xF0)

CONTROLS = {
    "标签2": Rect(0, 568, 544, 24),
    "编辑框6": Rect(80, 8, 112, 24),
    "透明标签6": Rect(80, 3, 324, 24),
    "按钮1": Rect(376, 539, 160, 27),
    "透明标签5": Rect(192, 540, 48, 24),
    "编辑框5": Rect(242, 542, 114, 20),
    "透明标签4": Rect(10, 539, 49, 24),
    "编辑框4": Rect(64, 541, 114, 20),
    "单选框2": Rect(461, 519, 72, 17),
    "单选框1": Rect(381, 519, 72, 17),
    "透明标签3": Rect(187, 512, 56, 24),
    "编辑框3": Rect(243, 514, 114, 20),
    "透明标签2": Rect(8, 512, 56, 24),
    "编辑框2": Rect(64, 514, 114, 20),
    "超级编辑框2": Rect(5, 384, 374, 93),
    "编辑框1": Rect(128, 22, 336, 20),
    "透明标签1": Rect(128, 21, 392, 24),
    "图片框5": Rect(121, 24, 377, 16),
    "图片框4": Rect(400, 361, 140, 142),
    "图片框3": Rect(399, 83, 143, 228),
    "图片框2": Rect(11, 11, 64, 63),
    "图形按钮1": Rect(308, 481, 81, 22),
    "超级编辑框1": Rect(10, 109, 381, 249),
    "图片框1": Rect(0, 0, 544, 512),
}

# The same rectangles under the names the cases talk about.
NOTICE_LINE = CONTROLS["标签2"]
TITLE_CAPTION = CONTROLS["透明标签6"]
TITLE_EDITOR = CONTROLS["编辑框6"]
SIGNATURE_CAPTION = CONTROLS["透明标签1"]
SIGNATURE_EDITOR = CONTROLS["编辑框1"]
SIGNATURE_STRIP = CONTROLS["图片框5"]
TRANSCRIPT = CONTROLS["超级编辑框1"]
TYPING_AREA = CONTROLS["超级编辑框2"]
PEER_NICKNAME = CONTROLS["编辑框2"]
OWN_NICKNAME = CONTROLS["编辑框3"]
PEER_NUMBER = CONTROLS["编辑框4"]
OWN_NUMBER = CONTROLS["编辑框5"]
PEER_SPEAKS = CONTROLS["单选框1"]
OWN_SIDE_SPEAKS = CONTROLS["单选框2"]
FETCH_BUTTON = CONTROLS["按钮1"]
SEND_BUTTON = CONTROLS["图形按钮1"]
AVATAR = CONTROLS["图片框2"]
SHOW_FIGURE = CONTROLS["图片框3"]
PROMOTION = CONTROLS["图片框4"]
CHAT_FRAME_BOX = CONTROLS["图片框1"]

CHAT_FRAME_PICTURE = Rect(0, 0, 543, 510)

# Visible tab stops from the first focus on: the definition's reverse stored
# order (all tab-order values are equal); the two caption editors are hidden.
TAB_SEQUENCE = ("超级编辑框1", "超级编辑框2", "编辑框2", "编辑框3", "单选框1", "单选框2",
                "编辑框4", "编辑框5", "按钮1")


def tabs_from_first_focus(name):
    """How many Tab presses take the focus from the transcript to the named control."""
    return TAB_SEQUENCE.index(name)
