"""Rectangles in window (or screen) pixel coordinates."""

from typing import NamedTuple


class Rect(NamedTuple):
    """x, y of the top-left pixel, then width and height; right and bottom are exclusive."""

    x: int
    y: int
    w: int
    h: int

    @property
    def right(self):
        return self.x + self.w

    @property
    def bottom(self):
        return self.y + self.h

    @property
    def centre(self):
        return (self.x + self.w // 2, self.y + self.h // 2)

    @classmethod
    def spanning(cls, left, top, right, bottom):
        """From edges as ranges are usually written: x in left..right-1, y in top..bottom-1."""
        return cls(left, top, right - left, bottom - top)

    def inset(self, margin):
        """Shrunk by margin on every side (never below empty)."""
        return Rect(self.x + margin, self.y + margin,
                    max(0, self.w - 2 * margin), max(0, self.h - 2 * margin))

    def moved(self, dx, dy):
        return Rect(self.x + dx, self.y + dy, self.w, self.h)

    def clipped(self, width, height):
        """The part inside a width x height picture."""
        left, top = max(0, self.x), max(0, self.y)
        right, bottom = min(width, self.right), min(height, self.bottom)
        return Rect(left, top, max(0, right - left), max(0, bottom - top))

    def points(self):
        for y in range(self.y, self.bottom):
            for x in range(self.x, self.right):
                yield x, y
