"""An RGB picture in memory (a screenshot or a decoded asset) and the questions cases ask of it."""

from geometry import Rect

# Text of this program is drawn without antialiasing in black; the light
# theme of the chat frame has nothing this dark outside icons.
DARK_LIMIT = 80
WHITE = (255, 255, 255)


def channel_distance(a, b):
    """The largest difference of one channel: how far two colours are apart."""
    return max(abs(a[0] - b[0]), abs(a[1] - b[1]), abs(a[2] - b[2]))


def is_dark(colour, limit=DARK_LIMIT):
    return max(colour) <= limit


class Pixels:
    """width x height pixels, 3 bytes each, rows from the top."""

    def __init__(self, width, height, rgb):
        if len(rgb) != width * height * 3:
            raise ValueError(f"{len(rgb)} bytes do not make {width}x{height} RGB pixels")
        self.width = width
        self.height = height
        self.rgb = bytes(rgb)

    @property
    def rect(self):
        return Rect(0, 0, self.width, self.height)

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"({x}, {y}) is outside {self.width}x{self.height}")
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at:at + 3])

    def colours(self, rect):
        """The colours of the part of rect inside the picture, row by row."""
        part = rect.clipped(self.width, self.height)
        for y in range(part.y, part.bottom):
            row = self.rgb[(y * self.width + part.x) * 3:(y * self.width + part.right) * 3]
            for at in range(0, len(row), 3):
                yield (row[at], row[at + 1], row[at + 2])

    def crop(self, rect):
        part = rect.clipped(self.width, self.height)
        rows = b"".join(self.rgb[(y * self.width + part.x) * 3:(y * self.width + part.right) * 3]
                        for y in range(part.y, part.bottom))
        return Pixels(part.w, part.h, rows)

    # Questions about one rectangle.

    def count_dark(self, rect, limit=DARK_LIMIT):
        return sum(1 for colour in self.colours(rect) if is_dark(colour, limit))

    def count_close(self, rect, colour, tolerance=8):
        return sum(1 for c in self.colours(rect) if channel_distance(c, colour) <= tolerance)

    def contains_close(self, rect, colour, tolerance=8):
        return any(channel_distance(c, colour) <= tolerance for c in self.colours(rect))

    def all_close(self, rect, colour, tolerance=8):
        return all(channel_distance(c, colour) <= tolerance for c in self.colours(rect))

    def is_white(self, rect, tolerance=0):
        return self.all_close(rect, WHITE, tolerance)

    def far_from(self, rect, colour, tolerance=8):
        """Points of rect whose colour is not within tolerance of colour (for messages)."""
        part = rect.clipped(self.width, self.height)
        return [(x, y) for x, y in part.points()
                if channel_distance(self.pixel(x, y), colour) > tolerance]

    def dark_columns(self, rect, limit=DARK_LIMIT):
        """The x of every column of rect that holds a dark pixel, ascending."""
        part = rect.clipped(self.width, self.height)
        return [x for x in range(part.x, part.right)
                if any(is_dark(self.pixel(x, y), limit) for y in range(part.y, part.bottom))]

    def mean_colour(self, rect):
        total, count = [0, 0, 0], 0
        for colour in self.colours(rect):
            for channel in range(3):
                total[channel] += colour[channel]
            count += 1
        if count == 0:
            raise ValueError(f"{rect} holds no pixel of {self.width}x{self.height}")
        return tuple(value / count for value in total)

    # Comparing with another picture.

    def mean_difference(self, rect, other, other_at=None):
        """Mean absolute channel difference between rect here and the same-sized area of other.

        other_at is the top-left of that area in other; by default the same
        point as rect, for pictures that share coordinates (a screenshot of
        the window against the asset drawn at its origin).
        """
        ox, oy = other_at if other_at is not None else (rect.x, rect.y)
        theirs = other.crop(Rect(ox, oy, rect.w, rect.h))
        mine = self.crop(rect)
        if (mine.width, mine.height) != (theirs.width, theirs.height) or mine.width == 0:
            raise ValueError(f"cannot compare {rect} here with {rect.w}x{rect.h} at {(ox, oy)}: "
                             f"{mine.width}x{mine.height} against {theirs.width}x{theirs.height}")
        total = sum(abs(a - b) for a, b in zip(mine.rgb, theirs.rgb))
        return total / len(mine.rgb)

    def differs_from(self, other, rect, tolerance=8):
        """Whether some pixel of rect is more than tolerance away from other's pixel there."""
        return any(channel_distance(a, b) > tolerance
                   for a, b in zip(self.colours(rect), other.colours(rect)))
