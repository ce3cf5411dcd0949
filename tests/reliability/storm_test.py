#!/usr/bin/python3
"""The input storm under ctest: one seed of 10,000 events on the sanitized program.

CHATMOCK_STORM_PROGRAM names the program (chatmock_storm_san). RELIABILITY.md
has the command for the three-seed run.
"""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import storm  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
LIBRARY_LEAKS = os.path.join(HERE, "library_leaks.supp")
SEED = 1
EVENTS = 10000


def program():
    path = os.environ.get("CHATMOCK_STORM_PROGRAM")
    if not path:
        raise unittest.SkipTest("CHATMOCK_STORM_PROGRAM is not set")
    return path


class StormTest(unittest.TestCase):

    def test_ten_thousand_events_then_esc(self):
        self.assertEqual(storm.run_storm(program(), [SEED], EVENTS, LIBRARY_LEAKS), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
