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
PENDING_FAULT = os.path.join(HERE, "pending_fault.supp")
SEED = 1
EVENTS = 10000


def program():
    path = os.environ.get("CHATMOCK_STORM_PROGRAM")
    if not path:
        raise unittest.SkipTest("CHATMOCK_STORM_PROGRAM is not set")
    return path


class StormTest(unittest.TestCase):

    # Fails while app/preprocess.cpp casts key and wheel events to QMouseEvent
    # before looking at their type: UndefinedBehaviorSanitizer stops the
    # program at the first key press (input_event_casts_test.cpp shows it).
    # Once that is fixed this passes; then drop the mark and the test below.
    @unittest.expectedFailure
    def test_ten_thousand_events_then_esc(self):
        self.assertEqual(storm.run_storm(program(), [SEED], EVENTS, LIBRARY_LEAKS), [])

    def test_ten_thousand_events_past_the_reported_downcast(self):
        """The same storm with only that one report let through, so that any other fault still fails."""
        self.assertEqual(storm.run_storm(program(), [SEED], EVENTS, LIBRARY_LEAKS, PENDING_FAULT), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
