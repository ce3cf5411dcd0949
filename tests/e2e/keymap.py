"""Keys for characters the X keyboard map lacks (Chinese text), bound before they are typed.

xdotool types such a character by binding it to a spare keycode for the
moment of the key press and unbinding it right after. A client that reads
the keyboard map only when it gets round to the change notice (Qt does)
may read it after the unbinding, and the character is lost. Binding the
characters for good before typing, and leaving them bound, leaves no such
moment: whenever the program reads the map, the keys are in it.
"""

import re
import time

from x_tools import run_tool

XKBCOMP = "/usr/bin/xkbcomp"
# xdotool still needs one spare keycode of its own for anything unbound.
SPARE_FOR_XDOTOOL = 1
REBIND_SETTLE = 0.5


def _section(text, name):
    start = text.index(f"xkb_{name}")
    return start, text.index("\n};", start)


def unbound_key_names(keymap):
    """Names of keycodes of the map that carry no symbols, in keycode order."""
    start, end = _section(keymap, "keycodes")
    codes = {m.group(1): int(m.group(2))
             for m in re.finditer(r"<(\w+)>\s*=\s*(\d+);", keymap[start:end])}
    start, end = _section(keymap, "symbols")
    bound = set(re.findall(r"key\s+<(\w+)>", keymap[start:end]))
    return [name for name, _ in sorted(codes.items(), key=lambda item: item[1])
            if name not in bound]


def needs_binding(character):
    return ord(character) > 0x7E


class KeyBinder:
    """Binds characters to the spare keys of one display's keyboard map."""

    def __init__(self, display_env):
        self._env = display_env
        self._original = None
        self._spare = []
        self._bound = {}  # character -> key name

    def typable_parts(self, text):
        """Yields text in parts, each with its characters bound before it is yielded.

        Mostly one part; a text with more distinct characters than there are
        spare keys comes in several, each typed after its own binding.
        """
        self._load()
        part, distinct = "", set()
        for character in text:
            if needs_binding(character) and character not in distinct:
                if len(distinct) == len(self._spare):
                    self._bind(distinct)
                    yield part
                    # The next binding takes keys of this part: the program
                    # must have read the keys typed so far first.
                    time.sleep(REBIND_SETTLE)
                    part, distinct = "", set()
                distinct.add(character)
            part += character
        if part:
            self._bind(distinct)
            yield part

    def _load(self):
        if self._original is None:
            self._original = run_tool([XKBCOMP, "-xkb", self._env["DISPLAY"], "-"],
                                      env=self._env)
            spare = unbound_key_names(self._original)
            self._spare = spare[:max(0, len(spare) - SPARE_FOR_XDOTOOL)]
            if not self._spare:
                raise RuntimeError("the keyboard map has no spare keys to bind characters to")

    def _bind(self, characters):
        wanted = sorted(set(characters) - set(self._bound))
        if not wanted:
            return
        if len(self._bound) + len(wanted) > len(self._spare):
            self._bound = {}
        free = [name for name in self._spare if name not in self._bound.values()]
        self._bound.update(zip(wanted, free))
        self._upload()

    def _upload(self):
        _, end = _section(self._original, "symbols")
        lines = "".join(f"\n    key <{name}> {{ [ U{ord(c):04X} ] }};"
                        for c, name in sorted(self._bound.items()))
        keymap = self._original[:end] + lines + self._original[end:]
        run_tool([XKBCOMP, "-w", "0", "-", self._env["DISPLAY"]], env=self._env,
                 stdin_bytes=keymap.encode())
