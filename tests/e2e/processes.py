"""Child processes in their own process groups, so that stopping one stops all it started."""

import os
import signal
import subprocess

STOP_GRACE = 3.0


def start_group(args, env, log_path):
    """Starts args as the leader of a new session; output goes to log_path."""
    with open(log_path, "ab") as log:
        return subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, stdout=log,
                                stderr=subprocess.STDOUT, start_new_session=True)


def stop_group(process, grace=STOP_GRACE):
    """Ends process and its group: TERM, then KILL after grace seconds. Returns the exit code."""
    if process.poll() is None:
        _signal_group(process, signal.SIGTERM)
        try:
            process.wait(timeout=grace)
        except subprocess.TimeoutExpired:
            _signal_group(process, signal.SIGKILL)
            process.wait(timeout=grace)
    # Whatever the leader left behind in its group goes too.
    _signal_group(process, signal.SIGKILL)
    return process.returncode


def _signal_group(process, sig):
    try:
        os.killpg(process.pid, sig)
    except (ProcessLookupError, PermissionError):
        pass
