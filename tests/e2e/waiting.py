"""Polling with a deadline, so that no case sleeps longer than it must."""

import time

DEFAULT_TIMEOUT = 10.0
DEFAULT_INTERVAL = 0.05


class WaitTimeout(AssertionError):
    """A condition did not come true in time; an assertion so a case fails, not errors."""


def wait_until(condition, what, timeout=DEFAULT_TIMEOUT, interval=DEFAULT_INTERVAL):
    """Calls condition() until it returns something true and returns that.

    Raises WaitTimeout naming `what` when the deadline passes; the last value
    is put in the message since it usually shows how far things got.
    """
    deadline = time.monotonic() + timeout
    last = None
    while True:
        last = condition()
        if last:
            return last
        if time.monotonic() >= deadline:
            raise WaitTimeout(f"timed out after {timeout:.1f} s waiting for {what} "
                              f"(last: {last!r})")
        time.sleep(interval)
